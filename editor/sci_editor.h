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
#include "platform/win_types.h"

// The arguments of one editor event, in the order its table gives; unused ones are 0.
// A text argument is a const char* (valid during the call) cast to std::intptr_t.
using EditorEventArgs = std::array<std::intptr_t, 10>;
using EditorEventHandler = std::function<int(const EditorEventArgs&)>;

class SciEditor {
 public:
  SciEditor();
  ~SciEditor();
  SciEditor(const SciEditor& other);
  SciEditor& operator=(const SciEditor&) = delete;

  // Component message operations: one thin operation per component message.
#include "editor/sci_editor_operations.inc"

  // Generic call of the component's direct function; 0 when the editor has no component.
  platform::LRESULT DirectCall(platform::UINT message, std::optional<platform::WPARAM> wParam = std::nullopt,
                               std::optional<platform::LPARAM> lParam = std::nullopt);

 private:
  // True once Create has read the direct function and pointer; component operations do
  // nothing before that.
  bool HasComponent() const;
  // The window-message route: SendMessageA to the editing window (through EditorWndProc);
  // 0 when the editor has no component.
  platform::LRESULT SendToEditor(platform::UINT message, platform::WPARAM wParam, platform::LPARAM lParam);

  platform::LRESULT (*DirectFunction)(std::intptr_t, unsigned int, platform::WPARAM, platform::LPARAM) = nullptr;
  std::intptr_t DirectPointer = 0;
  platform::HWND ContainerWindow = nullptr;
  platform::HWND EditorWindow = nullptr;
  std::intptr_t PopupMenuSetting = 0;
};
