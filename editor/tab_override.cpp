// The Tab override: a plain Tab in a focused editor puts one tab unit in place of the
// selection. It acts on the Tab key's character message, whose key-down has already reached
// the application's handler. Everything goes through the direct function, never back through
// EditorWndProc.
#include <algorithm>
#include <string>

#include "editor/editor_component.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"
#include "platform/input.h"

using namespace platform;

namespace {

bool IsDown(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool IsUp(int virtualKey) { return GetAsyncKeyState(virtualKey) == 0; }

}  // namespace

bool SciEditor::IsTabCharacter(UINT message, WPARAM wParam) { return message == WM_CHAR && wParam == '\t'; }

bool SciEditor::TabOverrideApplies() {
  return IsDown(VK_TAB) && GetFocus() && IsUp(VK_CONTROL) && IsUp(VK_MENU) && IsUp(VK_SHIFT) &&
         !TabOverrideOff;
}

void SciEditor::InsertTabUnit() {
  DirectCall(scintilla::SCI_REPLACESEL, 0, reinterpret_cast<LPARAM>(""));
  const std::string unit = GetUseTabs()
                               ? std::string("\t")
                               : std::string(static_cast<std::size_t>(std::max(GetTabWidth(), 0)), ' ');
  DirectCall(scintilla::SCI_ADDTEXT, unit.size(), reinterpret_cast<LPARAM>(unit.data()));
}
