// The editor events: their ids, and for each one the notification or window message that
// raises it and how the handler's arguments are built from it.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>

#include "editor/scintilla_notification.h"
#include "platform/win_types.h"

enum EditorEvent : int {
  EditorEventStyleNeeded = 10000,
  EditorEventCharAdded = 10101,
  EditorEventSavePointReached = 10200,
  EditorEventSavePointLeft = 10300,
  EditorEventModifyAttemptReadOnly = 10400,
  EditorEventDoubleClick = 20102,
  EditorEventUpdateUi = 10501,
  EditorEventModified = 10613,
  EditorEventMacroRecord = 30103,
  EditorEventMarginClick = 20203,
  EditorEventNeedShown = 40100,
  EditorEventPainted = 40200,
  EditorEventDwell = 20300,
  EditorEventContextMenuCommand = 21000,
  EditorEventUserListSelection = 50100,
  EditorEventZoom = 40300,
  EditorEventHotspotClick = 20400,
  EditorEventHotspotDoubleClick = 20500,
  EditorEventHotspotReleaseClick = 20600,
  EditorEventCallTipClick = 20700,
  EditorEventAutoCSelection = 30200,
  EditorEventAutoCCancelled = 30300,
  EditorEventAutoCCharDeleted = 10700,
  EditorEventIndicatorClick = 20800,
  EditorEventIndicatorRelease = 20900,
  EditorEventLeftButtonDown = 90001,
  EditorEventLeftButtonUp = 90002,
  EditorEventRightButtonDown = 90003,
  EditorEventRightButtonUp = 90004,
  EditorEventChar = 90005,
  EditorEventKeyDown = 90006,
  EditorEventKeyUp = 90007,
  EditorEventSetFocus = 90008,
  EditorEventKillFocus = 90009,
};

// The order of the editor object's handler entries.
inline constexpr std::array<int, 34> EditorEventOrder = {
    EditorEventStyleNeeded,
    EditorEventCharAdded,
    EditorEventSavePointReached,
    EditorEventSavePointLeft,
    EditorEventModifyAttemptReadOnly,
    EditorEventDoubleClick,
    EditorEventUpdateUi,
    EditorEventModified,
    EditorEventMacroRecord,
    EditorEventMarginClick,
    EditorEventNeedShown,
    EditorEventPainted,
    EditorEventDwell,
    EditorEventContextMenuCommand,
    EditorEventUserListSelection,
    EditorEventZoom,
    EditorEventHotspotClick,
    EditorEventHotspotDoubleClick,
    EditorEventHotspotReleaseClick,
    EditorEventCallTipClick,
    EditorEventAutoCSelection,
    EditorEventAutoCCancelled,
    EditorEventAutoCCharDeleted,
    EditorEventIndicatorClick,
    EditorEventIndicatorRelease,
    EditorEventLeftButtonDown,
    EditorEventLeftButtonUp,
    EditorEventRightButtonDown,
    EditorEventRightButtonUp,
    EditorEventChar,
    EditorEventKeyDown,
    EditorEventKeyUp,
    EditorEventSetFocus,
    EditorEventKillFocus,
};

// The handler entry of an event id; none for an id that is not an editor event.
std::optional<std::size_t> EditorEventIndex(int eventId);

// One handler argument taken from a notification record: a field of that name, one of the two
// texts, or a constant.
enum class EventArgument {
  Position,
  Ch,
  Modifiers,
  ModificationType,
  Length,
  LinesAdded,
  Message,
  WParam,
  LParam,
  Line,
  FoldLevelNow,
  FoldLevelPrev,
  Margin,
  ListType,
  X,
  Y,
  Token,
  AnnotationLinesAdded,
  Updated,
  ModifiedText,  // the `length` bytes at `text`, as 8-bit text when the component is in UTF-8
  Text,          // a copy of the NUL-terminated `text`, unconverted
  Zero,
  One,
};

struct EventArguments {
  constexpr EventArguments(std::initializer_list<EventArgument> list) {
    for (EventArgument argument : list) items[count++] = argument;
  }
  constexpr bool Contains(EventArgument wanted) const {
    for (std::size_t i = 0; i < count; ++i)
      if (items[i] == wanted) return true;
    return false;
  }
  std::array<EventArgument, 10> items{};
  std::size_t count = 0;
};

struct NotificationEvent {
  platform::UINT source;
  int event;
  EventArguments arguments;
};

namespace event_table {
using enum EventArgument;
using namespace platform;
using namespace scintilla;

// Notifications that the container turns into events; every other code is passed on.
inline constexpr NotificationEvent NotificationEvents[] = {
    {SCN_STYLENEEDED, EditorEventStyleNeeded, {Position}},
    {SCN_CHARADDED, EditorEventCharAdded, {Ch}},
    {SCN_SAVEPOINTREACHED, EditorEventSavePointReached, {}},
    {SCN_SAVEPOINTLEFT, EditorEventSavePointLeft, {}},
    {SCN_MODIFYATTEMPTRO, EditorEventModifyAttemptReadOnly, {}},
    {SCN_DOUBLECLICK, EditorEventDoubleClick, {Position, Modifiers}},
    {SCN_UPDATEUI, EditorEventUpdateUi, {Updated}},
    {SCN_MODIFIED,
     EditorEventModified,
     {Position, ModificationType, ModifiedText, Length, LinesAdded, Line, FoldLevelNow, FoldLevelPrev, Token,
      AnnotationLinesAdded}},
    {SCN_MACRORECORD, EditorEventMacroRecord, {Message, WParam, LParam}},
    {SCN_MARGINCLICK, EditorEventMarginClick, {Margin, Position, Modifiers}},
    {SCN_NEEDSHOWN, EditorEventNeedShown, {Position}},
    {SCN_PAINTED, EditorEventPainted, {}},
    {SCN_DWELLSTART, EditorEventDwell, {Position, X, Y, Zero}},
    {SCN_DWELLEND, EditorEventDwell, {Position, X, Y, One}},
    // EditorEventContextMenuCommand comes from WM_COMMAND at the editing window.
    {SCN_USERLISTSELECTION, EditorEventUserListSelection, {ListType, Text, Position}},
    {SCN_ZOOM, EditorEventZoom, {}},
    {SCN_HOTSPOTCLICK, EditorEventHotspotClick, {Position, Modifiers}},
    {SCN_HOTSPOTDOUBLECLICK, EditorEventHotspotDoubleClick, {Position, Modifiers}},
    {SCN_HOTSPOTRELEASECLICK, EditorEventHotspotReleaseClick, {}},
    {SCN_CALLTIPCLICK, EditorEventCallTipClick, {}},
    {SCN_AUTOCSELECTION, EditorEventAutoCSelection, {Text, Position}},
    {SCN_AUTOCCANCELLED, EditorEventAutoCCancelled, {}},
    {SCN_AUTOCCHARDELETED, EditorEventAutoCCharDeleted, {}},
    {SCN_INDICATORCLICK, EditorEventIndicatorClick, {Position, Modifiers}},
    {SCN_INDICATORRELEASE, EditorEventIndicatorRelease, {Position, Modifiers}},
};
}  // namespace event_table

const NotificationEvent* FindNotificationEvent(platform::UINT code);

// Window messages of the editing window that raise events: their handler receives wParam and
// lParam, wParam alone, or nothing. A result of exactly 1 swallows a swallowable message.
enum class MessageArguments { WParamLParam, WParamOnly, NoArguments };

struct MessageEvent {
  platform::UINT source;
  int event;
  MessageArguments arguments;
  bool swallowable;
};

namespace event_table {
using enum MessageArguments;

inline constexpr MessageEvent MessageEvents[] = {
    {WM_LBUTTONDOWN, EditorEventLeftButtonDown, WParamLParam, true},
    {WM_LBUTTONUP, EditorEventLeftButtonUp, WParamLParam, true},
    {WM_RBUTTONDOWN, EditorEventRightButtonDown, WParamLParam, true},
    {WM_RBUTTONUP, EditorEventRightButtonUp, WParamLParam, true},
    {WM_CHAR, EditorEventChar, WParamOnly, true},
    {WM_KEYDOWN, EditorEventKeyDown, WParamLParam, true},
    {WM_KEYUP, EditorEventKeyUp, WParamLParam, true},
    {WM_SETFOCUS, EditorEventSetFocus, NoArguments, false},
    {WM_KILLFOCUS, EditorEventKillFocus, NoArguments, false},
};
}  // namespace event_table

const MessageEvent* FindMessageEvent(platform::UINT message);
