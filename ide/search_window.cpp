#include "ide/search_window.h"

#include <string>

#include "editor/code_page_conversion.h"
#include "editor/scintilla_messages.h"
#include "editor/search_expression.h"
#include "framework/button.h"
#include "framework/check_box.h"
#include "framework/edit_box.h"
#include "framework/list_view.h"
#include "framework/message_box.h"
#include "framework/page_control.h"
#include "ide/app_globals.h"
#include "ide/ini_values.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/search_window_definition.h"
#include "platform/ansi_text.h"
#include "platform/clipboard.h"

framework::Form* SearchWindow = nullptr;

namespace {

using scintilla::SCFIND_MATCHCASE;
using scintilla::SCFIND_REGEXP;
using scintilla::SCFIND_WHOLEWORD;

constexpr int kHitsPage = 1;

framework::CheckBox* Option(const char* name) { return SearchWindow->Find<framework::CheckBox>(name); }

framework::ListView* HitList() { return MainWindow->Find<framework::ListView>(kFindResultsList); }

// A disabled box counts as well: only its check mark matters.
int SearchFlagsOfOptions() {
  int flags = 0;
  if (Option(kWholeWordBox)->Checked()) flags += SCFIND_WHOLEWORD;
  if (Option(kMatchCaseBox)->Checked()) flags += SCFIND_MATCHCASE;
  if (Option(kRegexBox)->Checked()) flags += SCFIND_REGEXP;
  return flags;
}

// The text's first bytes; a double-byte character that the cut halves keeps its lead byte.
std::string FirstBytes(const std::string& text, std::size_t count) { return text.substr(0, count); }

// As FirstBytes, but a halved double-byte character is dropped whole.
std::string FirstCharacters(const std::string& text, std::size_t bytes) {
  std::size_t end = 0;
  while (end < text.size() && end + platform::AnsiCharLength(text, end) <= bytes) {
    end += platform::AnsiCharLength(text, end);
  }
  return text.substr(0, end);
}

// The text of a line as a hit's row shows it. Hits come in document order, so the last line
// read is kept: a line with many hits is read and converted once.
class HitLineTexts {
 public:
  const std::string& Of(int line) {
    if (line != line_) {
      line_ = line;
      text_ = FirstCharacters(Utf8ToAnsi(Editor->GetLine(line)), kHitLineTextBytes);
    }
    return text_;
  }

 private:
  int line_ = -1;
  std::string text_;
};

// Where the search goes on after a hit: its end, or past a hit of no length, which a search
// from its end would find again.
int NextSearchStart(int start, int end) { return end > start ? end : Editor->PositionAfter(end); }

void ListEveryHit(const std::string& textUtf8, int flags) {
  const int length = Editor->GetLength();
  framework::ListView* list = HitList();
  list->Clear();
  if (textUtf8.empty()) return;
  HitLineTexts lines;
  int from = 0;
  int start = 0;
  int end = 0;
  while (Editor->FindText(flags, textUtf8, from, length, &start, &end)) {
    const int line = Editor->LineFromPosition(end);
    list->AddRow({std::to_string(line + 1), lines.Of(line), std::to_string(start), std::to_string(end)});
    from = NextSearchStart(start, end);
    if (from <= start) break;  // a hit of no length at the very end
  }
}

// A regular expression the component cannot compile finds nothing, like one without hits: the
// user is told which it was.
bool ExpressionCompiles(const std::string& textUtf8, int flags) {
  return (flags & SCFIND_REGEXP) == 0 || SearchExpressionCompiles(textUtf8, (flags & SCFIND_MATCHCASE) != 0);
}

}  // namespace

// One window at a time: opening it again brings the open one forward, with the clipboard's
// text in its box as at every opening.
void LoadSearchWindow() {
  if (SearchWindow != nullptr) {
    SearchWindow->BringToFront();
    OnSearchWindowCreated();
    return;
  }
  if (framework::Form::CreateHeld(SearchWindow, SearchWindowDefinition()) == nullptr) return;
  SearchWindow->OnCreated = OnSearchWindowCreated;
  Option(kRegexBox)->OnClick = OnSearchWindowRegexCheckBoxClick;
  SearchWindow->Find<framework::Button>(kFindButton)->OnClick = OnSearchWindowFindButtonClick;
  SearchWindow->Find<framework::Button>(kCloseButton)->OnClick = OnSearchWindowCloseButtonClick;
  SearchWindow->Load();
}

void OnSearchWindowCreated() {
  SearchWindow->Find<framework::EditBox>(kSearchBox)
      ->SetText(FirstBytes(platform::ClipboardText(), kSearchPrefillBytes));
}

void OnSearchWindowRegexCheckBoxClick() { Option(kWholeWordBox)->SetEnabled(!Option(kRegexBox)->Checked()); }

// The editor and the hit list live in the main window; once it has been closed there is nothing
// left to search, and the search window goes too.
void OnSearchWindowFindButtonClick() {
  if (MainWindow == nullptr) {
    SearchWindow->Close();
    return;
  }
  SearchText = SearchWindow->Find<framework::EditBox>(kSearchBox)->Text();
  const ByteSet converted = Utf8Of(SearchText);
  SearchTextUtf8 = {converted, converted};
  SearchFlags = SearchFlagsOfOptions();
  if (!ExpressionCompiles(SearchTextUtf8.Converted, SearchFlags)) {
    HitList()->Clear();
    framework::MessageBox("“" + SearchText + "”不是有效的正则表达式（写法有误或太长），没有查找。", "查找",
                          framework::MB_ICONWARNING, SearchWindow);
    return;
  }
  ListEveryHit(SearchTextUtf8.Converted, SearchFlags);
  MainWindow->Find<framework::PageControl>(kOutputPanel)->SetCurrentPage(kHitsPage);
  framework::MessageBox("查找完毕", "查找", framework::MB_OK, SearchWindow);
}

void OnSearchWindowCloseButtonClick() { SearchWindow->Destroy(); }

void OnMainWindowFindResultsListDoubleClick() {
  framework::ListView* list = HitList();
  const int row = list->SelectedRow();
  if (row < 0) return;
  Editor->SetFocus(false);
  Editor->GotoLine(DecimalTextValue(list->Cell(row, 0)) - 1);
  Editor->SetSel(DecimalTextValue(list->Cell(row, 2)), DecimalTextValue(list->Cell(row, 3)));
}
