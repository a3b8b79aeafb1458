// The editor object: construction, creation of its two windows and their binding to it.
#include "editor/sci_editor.h"

#include <algorithm>

#include "editor/editor_component.h"
#include "editor/editor_window_routes.h"
#include "editor/scintilla_messages.h"
#include "platform/window.h"
#include "platform/window_subclass.h"

using namespace platform;

namespace {

constexpr int DefaultWidth = 400;
constexpr int DefaultHeight = 350;
constexpr int ModificationEventMask = 0x7FFFF;

}  // namespace

SciEditor::SciEditor() { LoadEditorComponent(); }

SciEditor::~SciEditor() {
  EditorDestroyHook();
  UnbindWindows();
}

SciEditor::SciEditor(const SciEditor&) = default;

void SciEditor::EditorDestroyHook() {}

bool SciEditor::Create(HWND parent, std::optional<int> x, std::optional<int> y, std::optional<int> width,
                       std::optional<int> height, std::optional<bool> tabOverrideOff) {
  TabOverrideOff = tabOverrideOff.value_or(false);
  UnbindWindows();  // windows of an earlier Create go back to their own procedures
  const int w = width.value_or(DefaultWidth);
  const int h = height.value_or(DefaultHeight);

  ContainerWindow =
      CreateWindowExA(0, "static", "", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VISIBLE, x.value_or(0),
                      y.value_or(0), w, h, parent, nullptr, EditorComponentModule, nullptr);
  if (!ContainerWindow) return false;
  EditorWindow = CreateWindowExA(0, "Scintilla", "Script", WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, w,
                                 h, ContainerWindow, nullptr, EditorComponentModule, nullptr);
  if (!EditorWindow) return false;

  DirectFunction = reinterpret_cast<decltype(DirectFunction)>(
      SendMessageA(EditorWindow, scintilla::SCI_GETDIRECTFUNCTION, 0, 0));
  DirectPointer = SendMessageA(EditorWindow, scintilla::SCI_GETDIRECTPOINTER, 0, 0);
  if (!HasComponent()) return false;

  if (!BindWindows()) return false;
  SetModEventMask(ModificationEventMask);
  return true;
}

// Each window's user data names its object, so the shared routes reach only the object that
// created the window.
bool SciEditor::BindWindows() {
  SetWindowLongA(EditorWindow, GWL_USERDATA, reinterpret_cast<std::intptr_t>(this));
  SetWindowLongA(ContainerWindow, GWL_USERDATA, reinterpret_cast<std::intptr_t>(this));
  OriginalWndProcs[EditorProcEntry] = SubclassWindow(EditorWindow, &EditorWindowRoute);
  OriginalWndProcs[ContainerProcEntry] = SubclassWindow(ContainerWindow, &ContainerWindowRoute);
  return std::ranges::all_of(OriginalWndProcs, [](WNDPROC procedure) { return procedure != nullptr; });
}

// Puts back the previous procedure of each window that still routes to this object.
void SciEditor::UnbindWindows() {
  const auto release = [this](HWND window, WNDPROC route, WNDPROC& original) {
    if (!IsWindow(window) || GetWindowLongA(window, GWL_USERDATA) != reinterpret_cast<std::intptr_t>(this))
      return;
    RemoveSubclass(window, route, original);
    SetWindowLongA(window, GWL_USERDATA, 0);
    original = nullptr;
  };
  release(EditorWindow, &EditorWindowRoute, OriginalWndProcs[EditorProcEntry]);
  release(ContainerWindow, &ContainerWindowRoute, OriginalWndProcs[ContainerProcEntry]);
}

bool SciEditor::IsCreated() const { return ContainerWindow != nullptr; }

void SciEditor::SetEventHandler(int eventId, EditorEventHandler handler) {
  if (const auto index = EditorEventIndex(eventId)) EventHandlers[*index] = std::move(handler);
}

LRESULT SciEditor::SendWindowMessage(UINT message, std::optional<WPARAM> wParam,
                                     std::optional<LPARAM> lParam) {
  return SendMessageA(ContainerWindow, message, wParam.value_or(0), lParam.value_or(0));
}

bool SciEditor::HasComponent() const { return DirectFunction != nullptr && DirectPointer != 0; }

LRESULT SciEditor::DirectCall(UINT message, std::optional<WPARAM> wParam, std::optional<LPARAM> lParam) {
  if (!HasComponent()) return 0;
  return DirectFunction(DirectPointer, message, wParam.value_or(0), lParam.value_or(0));
}

LRESULT SciEditor::SendToEditor(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!HasComponent()) return 0;
  return SendMessageA(EditorWindow, message, wParam, lParam);
}

HWND SciEditor::GetContainerHandle() const { return ContainerWindow; }

HWND SciEditor::GetEditorHandle() const { return EditorWindow; }
