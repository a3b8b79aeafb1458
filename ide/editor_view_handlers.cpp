#include "ide/editor_view_handlers.h"

#include <string>

#include "framework/list_view.h"
#include "framework/status_bar.h"
#include "ide/app_globals.h"
#include "ide/completion_list.h"
#include "ide/editing_commands.h"
#include "ide/editor_margins.h"
#include "ide/enclosing_bracket.h"
#include "ide/main_menu.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/window_menu.h"
#include "platform/input.h"

namespace {

constexpr int kPixelsPerDigit = 7;

// Wide enough for the line count's digits and one more.
void FitLineNumberMargin() {
  const auto digits = static_cast<int>(std::to_string(Editor->GetLineCount()).size());
  Editor->SetMarginWidthN(kLineNumberMargin, (digits + 1) * kPixelsPerDigit);
}

void ShowCaretInStatusBar() {
  auto* statusBar = MainWindow->Find<framework::StatusBar>(kMainStatusBar);
  statusBar->SetPartText(kCaretLinePart, std::to_string(Editor->GetCurrentLine()));
  statusBar->SetPartText(kCaretColumnPart, std::to_string(Editor->GetCurrentColumn()));
  statusBar->SetPartText(kTextLengthPart, std::to_string(Editor->GetTextLength()));
}

}  // namespace

int OnEditorUpdateUi() {
  HideCompletionListOffTheWordsLine();
  FitLineNumberMargin();
  HighlightEnclosingBracket();
  ShowCaretInStatusBar();
  return 0;
}

// A line with another marker besides the bookmark gets the bookmark added, not removed.
int OnEditorMarginClick(int margin, int position) {
  if (margin != kBookmarkMargin) return 0;
  const int line = Editor->LineFromPosition(position);
  if (Editor->MarkerGet(line) == kBookmarkMask) {
    Editor->MarkerDelete(line, kBookmarkMarker);
  } else {
    Editor->MarkerAdd(line, kBookmarkMarker);
  }
  return 0;
}

int OnEditorLeftButtonUp() {
  MainWindow->Find<framework::ListView>(kCompletionList)->SetVisible(false);
  HighlightEnclosingBracket();
  return 0;
}

// Before the menu bar has been built there is no Edit menu to show.
int OnEditorRightButtonUp() {
  if (MenuHandles.size() <= kEditMenuPosition) return 0;
  platform::POINT mouse{};
  platform::GetCursorPos(&mouse);
  MainMenu->TrackPopup(MenuHandles[kEditMenuPosition], mouse.x, mouse.y, 0);
  return 0;
}

int OnEditorKeyUp() { return 0; }
