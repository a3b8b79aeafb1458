#include "ide/completion_list.h"

#include <string_view>
#include <utility>

#include "editor/code_page_conversion.h"
#include "framework/list_view.h"
#include "ide/app_globals.h"
#include "ide/auto_indent.h"
#include "ide/completion_index.h"
#include "ide/documents.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/pinyin_abbreviation.h"
#include "ide/program_dir.h"
#include "ide/regex_wrapper.h"
#include "platform/ansi_text.h"
#include "platform/ini_file.h"
#include "platform/input.h"
#include "platform/window.h"

namespace {

using platform::VK_BACK;
using platform::VK_DOWN;
using platform::VK_LEFT;
using platform::VK_RETURN;
using platform::VK_RIGHT;
using platform::VK_SPACE;
using platform::VK_UP;

// The curly quotes are double-byte characters: of them only their lead byte 0xA1 separates.
constexpr std::string_view kSeparators = "“+-\t*/><(){}=,; %&#!”\r\n";
constexpr int kListBelowCaret = 70;
constexpr int kRowsBeforeTheScrollBar = 14;
constexpr int kNarrowColumn = 143;
constexpr int kWideColumn = 160;
constexpr int kTipHighlightBytes = 6;

// Set when Enter has just accepted an entry from the editor: its line break is about to be
// taken back by the simulated Backspace, so the new line must not be indented first, or the
// Backspace would only eat a blank of that indentation.
bool EnterAcceptedEntry = false;

framework::ListView* CompletionList() { return MainWindow->Find<framework::ListView>(kCompletionList); }

bool IsSeparator(char byte) { return platform::AnsiFind(kSeparators, std::string_view(&byte, 1)) != std::string_view::npos; }

// The word before the caret, with the typed character, back to the last separator. An ASCII
// separator is the same byte in the editor's UTF-8 as in the code page and no byte of a
// double-byte character there, so only the part of the line after the last one is read.
std::string WordBeforeCaret(int ch) {
  const int caret = Editor->GetCurrentPos();
  const int lineStart = Editor->PositionFromLine(Editor->GetCurrentLine());
  int start = caret;
  for (; start > lineStart; --start) {
    const int byte = Editor->GetCharAt(start - 1);
    if (byte >= 0 && byte < 0x80 && IsSeparator(static_cast<char>(byte))) break;
  }
  std::string text = Editor->GetTextRange(start, caret);
  if (ch != VK_BACK) text += static_cast<char>(ch);
  text = platform::AnsiReplaceAll(text, "\r\n", "");
  std::size_t i = text.size();
  while (i > 0 && !IsSeparator(text[i - 1])) --i;
  return text.substr(i);
}

// Under the caret, or above it when there is no room below; never beyond the window's right edge.
void PlaceUnderCaret(framework::ListView* list) {
  const int caret = Editor->GetCurrentPos();
  const int x = Editor->PointXFromPosition(caret);
  const int y = Editor->PointYFromPosition(caret);
  const int rightmost = MainWindow->ClientWidth() - list->Width();
  const int lowest = MainWindow->ClientHeight() - list->Height();
  list->SetLeft(x > rightmost ? rightmost : x);
  list->SetTop(y + kListBelowCaret > lowest ? y - list->Height() : y + kListBelowCaret);
}

// The selection from the start of the typed word to the caret gives way to the current row's
// word, without the CR its row ends with.
void ReplaceTypedWord(int p) {
  framework::ListView* list = CompletionList();
  Editor->SetSel(p - Utf8LengthOfAnsiText(CompletionPrefix), Editor->GetCurrentPos());
  Editor->Clear();
  const std::string word = list->Cell(list->SelectedRow(), 0);
  const int utf8Length = static_cast<int>(AnsiToUtf8(word).size()) - 2;  // without the terminators
  if (utf8Length > 0) Editor->AddText(word, utf8Length - 1);
  list->SetVisible(false);
}

void AcceptFromList() {
  Editor->GrabFocus();
  Editor->SetCurrentPos(CompletionAnchorPos);
  ReplaceTypedWord(Editor->GetCurrentPos());
}

// The component goes on to type the Enter or Space itself; the simulated Backspace, queued,
// takes it back afterwards.
void AcceptFromEditor(int key) {
  ReplaceTypedWord(Editor->GetCurrentPos());
  EnterAcceptedEntry = key == VK_RETURN;
  platform::SimulateKeyPress(VK_BACK);
}

void FocusListOnRow(framework::ListView* list, int row) {
  platform::SetFocus(list->Handle());
  list->SelectRow(row);
}

}  // namespace

int OnEditorChar(int ch) {
  MarkDocumentChanged();
  if (!std::exchange(EnterAcceptedEntry, false) || ch != '\r') {
    AutoIndentOnNewline(std::string(1, static_cast<char>(ch)));
  }
  CompletionAnchorPos = Editor->GetCurrentPos() + (ch == VK_BACK ? 0 : 1);
  CompletionPrefix = WordBeforeCaret(ch);
  framework::ListView* list = CompletionList();
  PlaceUnderCaret(list);
  list->Clear();
  if (!CompletionPrefix.empty()) FillCompletionList(MakePinyinAbbreviation(CompletionPrefix), CompletionIndex, list);
  if (list->RowCount() > 0) {
    list->SelectRow(0);
    list->SetVisible(true);
  } else {
    list->SetVisible(false);
  }
  MarkDocumentChanged();
  return 0;
}

int OnEditorKeyDown(int key, int) {
  MarkDocumentChanged();
  framework::ListView* list = CompletionList();
  if (!list->Visible()) return 0;
  const int row = list->SelectedRow();
  switch (key) {
    case VK_SPACE:
    case VK_RETURN:
      AcceptFromEditor(key);
      break;
    case VK_UP:
      if (row != 0) FocusListOnRow(list, row - 1);
      break;
    case VK_DOWN:
      if (list->RowCount() == 1) {
        FocusListOnRow(list, 0);
      } else if (row != list->RowCount() - 1) {
        FocusListOnRow(list, row + 1);
      }
      break;
    case VK_LEFT:
    case VK_RIGHT:
      list->SetVisible(false);
      break;
    default:
      break;
  }
  return 0;
}

bool OnMainWindowCompletionListKeyDown(int key, int) {
  framework::ListView* list = CompletionList();
  if (!list->Visible()) return true;
  const int row = list->SelectedRow();
  switch (key) {
    case VK_RETURN:
    case VK_SPACE:
      AcceptFromList();
      break;
    case VK_UP:
      if (row != 0) list->SelectRow(row - 1);
      break;
    case VK_DOWN:
      if (row != list->RowCount() - 1) list->SelectRow(row + 1);
      break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_BACK:
      break;
    default:
      Editor->GrabFocus();
      Editor->SetCurrentPos(CompletionAnchorPos);
      Editor->SetSel(CompletionAnchorPos, CompletionAnchorPos);
      platform::SimulateKeyPress(key);
      list->SetVisible(false);
      break;
  }
  return false;
}

void OnMainWindowCompletionListItemActivate() { AcceptFromList(); }

void FillCompletionList(const std::string& abbreviation, const std::string& index, framework::ListView* list) {
  RegexWrapper regex;
  const std::string pattern =
      ExpandTextPlaceholders("\\b" + abbreviation + ".*" + kCompletionIndexMark + "(.*)\\s");
  if (!regex.RegexCreate(pattern, true, false, true)) return;
  const int matches = regex.RegexExecute(index);
  if (matches == 0) return;
  for (int i = 1; i <= matches; ++i) list->AddRow({regex.RegexSubMatch(i, 1)}, 0);
  list->SetColumnWidth(0, list->RowCount() > kRowsBeforeTheScrollBar ? kNarrowColumn : kWideColumn);
}

int Utf8LengthOfAnsiText(const std::string& text) {
  int halves = 0;
  for (const char byte : text) halves += static_cast<unsigned char>(byte) < 0x80 ? 2 : 3;
  return halves / 2;
}

int OnEditorDwell(int position, int, int, int kind) {
  if (position == -1) return 0;
  if (kind == 1) {
    Editor->CallTipCancel();
    return 0;
  }
  const std::string word =
      Editor->GetTextRange(Editor->WordStartPosition(position, true), Editor->WordEndPosition(position, true));
  if (word.empty()) return 0;
  const std::string tip = platform::GetPrivateProfileStringA(word, "tip", "", ProgramDir() + "/Syntax/Tips.txt");
  Editor->CallTipShow(position, AnsiToUtf8(word + "\r\n" + tip).c_str());
  Editor->CallTipSetHlt(0, kTipHighlightBytes);
  return 0;
}
