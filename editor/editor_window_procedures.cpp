// The two window procedures: the container turns the component's notifications into editor
// events, the editing window its mouse, key, character and focus messages.
#include <string>

#include "editor/editor_window_routes.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_notification.h"
#include "platform/window.h"

using namespace platform;
using namespace scintilla;

namespace {

SciEditor* OwnerOf(HWND window) { return reinterpret_cast<SciEditor*>(GetWindowLongA(window, GWL_USERDATA)); }

std::intptr_t NotificationValue(const SCNotification& n, EventArgument argument, const std::string& text) {
  switch (argument) {
    case EventArgument::Position: return n.position;
    case EventArgument::Ch: return n.ch;
    case EventArgument::Modifiers: return n.modifiers;
    case EventArgument::ModificationType: return n.modificationType;
    case EventArgument::Length: return n.length;
    case EventArgument::LinesAdded: return n.linesAdded;
    case EventArgument::Message: return n.message;
    case EventArgument::WParam: return static_cast<std::intptr_t>(n.wParam);
    case EventArgument::LParam: return n.lParam;
    case EventArgument::Line: return n.line;
    case EventArgument::FoldLevelNow: return n.foldLevelNow;
    case EventArgument::FoldLevelPrev: return n.foldLevelPrev;
    case EventArgument::Margin: return n.margin;
    case EventArgument::ListType: return n.listType;
    case EventArgument::X: return n.x;
    case EventArgument::Y: return n.y;
    case EventArgument::Token: return n.token;
    case EventArgument::AnnotationLinesAdded: return n.annotationLinesAdded;
    case EventArgument::Updated: return n.updated;
    case EventArgument::ModifiedText:
    case EventArgument::Text: return reinterpret_cast<std::intptr_t>(text.c_str());
    case EventArgument::Zero: return 0;
    case EventArgument::One: return 1;
  }
  return 0;
}

EditorEventArgs MessageEventArguments(const MessageEvent& event, WPARAM wParam, LPARAM lParam) {
  EditorEventArgs arguments{};
  if (event.arguments != MessageArguments::NoArguments) arguments[0] = static_cast<std::intptr_t>(wParam);
  if (event.arguments == MessageArguments::WParamLParam) arguments[1] = lParam;
  return arguments;
}

}  // namespace

LRESULT ContainerWindowRoute(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SciEditor* editor = OwnerOf(window);
  return editor ? editor->ContainerWndProc(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT EditorWindowRoute(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SciEditor* editor = OwnerOf(window);
  return editor ? editor->EditorWndProc(window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT SciEditor::ContainerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) {
    FitEditorToContainer();
  } else if (message == WM_NOTIFY && lParam != 0) {
    // Every WM_NOTIFY that reaches the container is read as a component notification.
    const SCNotification notification = *reinterpret_cast<const SCNotification*>(lParam);
    if (const NotificationEvent* event = FindNotificationEvent(notification.nmhdr.code))
      return RaiseNotificationEvent(*event, notification);
  }
  return PassOnToContainer(window, message, wParam, lParam);
}

LRESULT SciEditor::EditorWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsTabCharacter(message, wParam) && TabOverrideApplies()) {
    // Not passed on: the component's own Tab handling would add a second unit or indent.
    InsertTabUnit();
    return 0;
  }
  if (message == WM_CONTEXTMENU) return ShowContextMenu(window, message, wParam, lParam);
  if (message == WM_COMMAND && lParam == 0) {
    RunContextMenuCommand(wParam);
  } else if (const MessageEvent* event = FindMessageEvent(message)) {
    const std::optional<int> result = RaiseEvent(event->event, MessageEventArguments(*event, wParam, lParam));
    if (event->swallowable && result == 1) return 1;
  }
  return PassOnToEditor(window, message, wParam, lParam);
}

std::optional<int> SciEditor::RaiseEvent(int eventId, const EditorEventArgs& arguments) {
  const auto index = EditorEventIndex(eventId);
  if (!index || !EventHandlers[*index]) return std::nullopt;
  // A copy, so that a handler may replace or clear its own entry while it runs.
  const EditorEventHandler handler = EventHandlers[*index];
  return handler(arguments);
}

LRESULT SciEditor::RaiseNotificationEvent(const NotificationEvent& event,
                                          const SCNotification& notification) {
  const auto index = EditorEventIndex(event.event);
  if (!index || !EventHandlers[*index]) return 0;
  const std::string text = NotificationText(event, notification);
  EditorEventArgs arguments{};
  for (std::size_t i = 0; i < event.arguments.count; ++i)
    arguments[i] = NotificationValue(notification, event.arguments.items[i], text);
  return RaiseEvent(event.event, arguments).value_or(0);
}

std::string SciEditor::NotificationText(const NotificationEvent& event, const SCNotification& notification) {
  if (!notification.text) return {};
  if (event.arguments.Contains(EventArgument::Text)) return notification.text;
  if (!event.arguments.Contains(EventArgument::ModifiedText) || notification.length <= 0) return {};
  const ByteSet bytes(notification.text, static_cast<std::size_t>(notification.length));
  return Utf8Mode() ? Utf8ToAnsi(bytes) : bytes;
}

LRESULT SciEditor::PassOnToContainer(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(OriginalWndProcs[ContainerProcEntry], window, message, wParam, lParam);
}

LRESULT SciEditor::PassOnToEditor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(OriginalWndProcs[EditorProcEntry], window, message, wParam, lParam);
}
