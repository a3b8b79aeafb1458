// Hand-written operations of the scrolling, context-menu, line-spacing and caret groups.
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"
#include "platform/menu.h"

using namespace scintilla;

// kind: 0 no bars, 1 horizontal, 2 vertical, 3 both; any other kind changes nothing.
void SciEditor::SetScrollBars(std::optional<int> kind) {
  const int bars = kind.value_or(0);
  if (bars < 0 || bars > 3) return;
  DirectCall(SCI_SETHSCROLLBAR, (bars & 1) != 0 ? 1 : 0);
  DirectCall(SCI_SETVSCROLLBAR, (bars & 2) != 0 ? 1 : 0);
}

// The coding SetScrollBars takes.
int SciEditor::GetScrollBars() {
  const auto horizontal = static_cast<int>(DirectCall(SCI_GETHSCROLLBAR));
  const auto vertical = static_cast<int>(DirectCall(SCI_GETVSCROLLBAR));
  return horizontal + 2 * vertical;
}

// 0 shows no context menu, 1 the built-in one, any other value is the handle of a menu to show.
bool SciEditor::SetPopupMenu(std::optional<std::intptr_t> mode) {
  if (!HasComponent()) return false;
  PopupMenuSetting = mode.value_or(0);
  return platform::IsMenu(reinterpret_cast<platform::HMENU>(PopupMenuSetting)) != 0;
}

int SciEditor::SetExtraSpacing(std::optional<int> extra) {
  SetExtraAscent(extra);
  return SetExtraDescent(extra);
}

// A period of 0 or less would stop the caret blinking: it becomes the usual 500 ms.
int SciEditor::SetCaretPeriod(std::optional<int> milliseconds) {
  const int period = milliseconds.value_or(0) > 0 ? *milliseconds : 500;
  return static_cast<int>(DirectCall(SCI_SETCARETPERIOD, period));
}
