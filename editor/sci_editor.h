// SciEditor: the one object through which the IDE drives the editing component. It owns a
// "static" container window in a parent of the caller's choosing and, filling it, the
// "Scintilla" editing window; window operations act on the container, component operations
// reach the editing window.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "editor/code_page_conversion.h"
#include "editor/editor_events.h"
#include "platform/win_types.h"

// The arguments of one editor event, in the order its table gives; unused ones are 0.
// A text argument is a const char* (valid during the call) cast to std::intptr_t.
using EditorEventArgs = std::array<std::intptr_t, 10>;
using EditorEventHandler = std::function<int(const EditorEventArgs&)>;

class SciEditor {
 public:
  SciEditor();
  // Windows that still exist get their previous procedures back, so no message reaches a
  // destroyed object.
  ~SciEditor();
  // The copy refers to the same windows, whose messages still reach the original.
  SciEditor(const SciEditor& other);
  SciEditor& operator=(const SciEditor&) = delete;

  // The window procedures of the container and of the editing window.
  platform::LRESULT ContainerWndProc(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                     platform::LPARAM lParam);
  platform::LRESULT EditorWndProc(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                  platform::LPARAM lParam);

  // Makes the container (default 400 x 350 at 0, 0) in parent and the editing window inside it,
  // and binds both to this object. What was made before a failing step stays.
  bool Create(platform::HWND parent, std::optional<int> x = std::nullopt, std::optional<int> y = std::nullopt,
              std::optional<int> width = std::nullopt, std::optional<int> height = std::nullopt,
              std::optional<bool> tabOverrideOff = std::nullopt);
  bool IsCreated() const;
  // A null handler clears the event's entry; an id that is no editor event is ignored.
  void SetEventHandler(int eventId, EditorEventHandler handler);

  // Window operations on the container. A property given a value writes it and returns 0;
  // without one it reads. Positions are in the parent's client coordinates.
  void GetScreenRect(int* left = nullptr, int* top = nullptr, int* right = nullptr, int* bottom = nullptr);
  int Left(std::optional<int> value = std::nullopt);
  int Top(std::optional<int> value = std::nullopt);
  int Width(std::optional<int> value = std::nullopt);
  int Height(std::optional<int> value = std::nullopt);
  void Move(std::optional<int> left = std::nullopt, std::optional<int> top = std::nullopt,
            std::optional<int> width = std::nullopt, std::optional<int> height = std::nullopt);
  // Border types 0 to 5; setting one returns the result of refitting the editing window.
  int Border(std::optional<int> type = std::nullopt);
  int Visible(std::optional<int> flag = std::nullopt);
  void NoOpMethod();
  platform::BOOL SetZOrder(platform::HWND insertAfter);
  platform::HWND SetParentWindow(platform::HWND newParent);
  // Goes to the container, not to the component.
  platform::LRESULT SendWindowMessage(platform::UINT message,
                                      std::optional<platform::WPARAM> wParam = std::nullopt,
                                      std::optional<platform::LPARAM> lParam = std::nullopt);

  // Generic call of the component's direct function; 0 when the editor has no component.
  platform::LRESULT DirectCall(platform::UINT message, std::optional<platform::WPARAM> wParam = std::nullopt,
                               std::optional<platform::LPARAM> lParam = std::nullopt);
  platform::HWND GetContainerHandle() const;
  platform::HWND GetEditorHandle() const;

  // Component message operations: one thin operation per component message.
#include "editor/sci_editor_operations.inc"

 private:
  // True once Create has read the direct function and pointer; component operations do
  // nothing before that.
  bool HasComponent() const;
  // The window-message route: SendMessageA to the editing window (through EditorWndProc);
  // 0 when the editor has no component.
  platform::LRESULT SendToEditor(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

  // Runs before the object's state is released; a place for the application's own clean-up.
  void EditorDestroyHook();
  bool BindWindows();
  void UnbindWindows();

  struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
  };
  Geometry ContainerGeometry() const;
  int GeometryProperty(int Geometry::*field, std::optional<int> value);
  void MoveContainer(const Geometry& geometry);
  platform::BOOL FitEditorToContainer();
  void ApplyBorder(int type);

  // The registered handler's result; none when the event has no handler.
  std::optional<int> RaiseEvent(int eventId, const EditorEventArgs& arguments);
  platform::LRESULT RaiseNotificationEvent(const NotificationEvent& event,
                                           const scintilla::SCNotification& notification);
  std::string NotificationText(const NotificationEvent& event, const scintilla::SCNotification& notification);

  platform::LRESULT ShowContextMenu(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                    platform::LPARAM lParam);
  platform::HMENU RebuildBuiltInMenu();
  void RunContextMenuCommand(platform::WPARAM command);

  static bool IsTabCharacter(platform::UINT message, platform::WPARAM wParam);
  bool TabOverrideApplies();
  void InsertTabUnit();

  platform::LRESULT PassOnToContainer(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                      platform::LPARAM lParam);
  platform::LRESULT PassOnToEditor(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                                   platform::LPARAM lParam);

  platform::LRESULT (*DirectFunction)(std::intptr_t, unsigned int, platform::WPARAM,
                                      platform::LPARAM) = nullptr;
  std::intptr_t DirectPointer = 0;
  int BorderStyle = 0;
  int IsVisible = 0;
  platform::HWND ContainerWindow = nullptr;
  platform::HWND EditorWindow = nullptr;
  std::intptr_t PopupMenuSetting = 0;
  // The windows' procedures before Create replaced them.
  static constexpr std::size_t EditorProcEntry = 0;
  static constexpr std::size_t ContainerProcEntry = 1;
  std::array<platform::WNDPROC, 2> OriginalWndProcs{};
  std::array<EditorEventHandler, EditorEventOrder.size()> EventHandlers{};
};
