#include "ide/completion_list.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "editor/code_page_conversion.h"
#include "editor/range_bytes.h"
#include "framework/list_view.h"
#include "ide/app_globals.h"
#include "ide/auto_indent.h"
#include "ide/completion_index.h"
#include "ide/data_files.h"
#include "ide/main_window.h"
#include "ide/main_window_definition.h"
#include "ide/pinyin_abbreviation.h"
#include "ide/regex_wrapper.h"
#include "ide/tips_txt.h"
#include "platform/ansi_text.h"
#include "platform/ini_file.h"
#include "platform/input.h"
#include "platform/window.h"

namespace {

// What completion remembers between one key and the next.
struct CompletionTypingState {
  // Set when Enter has accepted an entry from the editor, until the simulated Backspace has
  // taken its line break back: the new line must not be indented first (the Backspace would
  // only eat a blank of the indentation), the Backspace must not bring the list back for the
  // accepted word, and the acceptance with its line break and the Backspace is one step to undo.
  bool AcceptanceAwaitsBackspace = false;
  // The first byte of a double-byte character whose second byte is still to come: the component
  // types the character only once both have come, and the word is read with it whole.
  char PendingLeadByte = 0;
};

CompletionTypingState CompletionTyping;

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

framework::ListView* CompletionList() { return MainWindow->Find<framework::ListView>(kCompletionList); }

bool IsSeparator(char byte) { return platform::AnsiFind(kSeparators, std::string_view(&byte, 1)) != std::string_view::npos; }

// A character ends the word when one of its bytes is a separator; the word then begins after the
// whole character, never inside it.
bool IsSeparatorCharacter(std::string_view character) { return std::any_of(character.begin(), character.end(), IsSeparator); }

bool IsUtf8ContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The length of a code-page text in the editor's UTF-8.
int Utf8Length(const std::string& text) { return static_cast<int>(Utf8Of(text).size()); }

// The characters typed by this character message: none for Backspace, which the component has
// carried out already; both bytes of a double-byte character.
std::string TypedCharacter(int ch) {
  if (ch == VK_BACK) return {};
  std::string typed;
  if (CompletionTyping.PendingLeadByte != 0) typed += std::exchange(CompletionTyping.PendingLeadByte, 0);
  return typed + static_cast<char>(ch);
}

// Where the word before the caret begins in the caret's line (the editor's UTF-8 up to the caret):
// after the last character that separates. ASCII is the same byte in both forms; any other
// character is taken whole and seen in the code page.
std::size_t WordStartInLine(std::string_view line) {
  std::size_t start = line.size();
  while (start > 0) {
    std::size_t character = start - 1;
    while (character > 0 && IsUtf8ContinuationByte(line[character])) --character;
    const std::string_view bytes = line.substr(character, start - character);
    if (IsSeparatorCharacter(static_cast<unsigned char>(bytes[0]) < 0x80 ? std::string(bytes) : Utf8ToAnsi(ByteSet(bytes)))) break;
    start = character;
  }
  return start;
}

// The typed word, back to the last separator, and its length in the editor once the typed
// characters are in place. Only the bytes back to the word's start are read and converted.
void TakeTypedWord(const std::string& typed) {
  CompletionPrefix.clear();
  CompletionPrefixLength = 0;
  if (IsSeparatorCharacter(typed)) return;
  const int caret = Editor->GetCurrentPos();
  const std::string_view line = RangeBytes(*Editor, Editor->PositionFromLine(Editor->GetCurrentLine()), caret);
  const std::string_view word = line.substr(WordStartInLine(line));
  CompletionPrefix = Utf8ToAnsi(ByteSet(word)) + typed;
  CompletionPrefixLength = static_cast<int>(word.size()) + Utf8Length(typed);
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

// The typed word before p gives way to the current row's word, without the CR its row ends with,
// as one step to undo.
void ReplaceTypedWord(int p) {
  framework::ListView* list = CompletionList();
  Editor->BeginUndoAction();
  Editor->SetSel(p - CompletionPrefixLength, Editor->GetCurrentPos());
  Editor->Clear();
  const std::string word = list->Cell(list->SelectedRow(), 0);
  const int length = Utf8Length(word);
  if (length > 0) Editor->AddText(word, length - 1);
  Editor->EndUndoAction();
  list->SetVisible(false);
}

void AcceptFromList() {
  Editor->GrabFocus();
  Editor->SetCurrentPos(CompletionAnchorPos);
  ReplaceTypedWord(Editor->GetCurrentPos());
}

// The component goes on to type the Enter itself; the simulated Backspace, queued, takes its
// line break back afterwards. Until then everything is one step to undo.
void AcceptFromEditor() {
  Editor->BeginUndoAction();
  ReplaceTypedWord(Editor->GetCurrentPos());
  CompletionTyping.AcceptanceAwaitsBackspace = true;
  platform::SimulateKeyPress(VK_BACK);
}

void EndAcceptanceFromEditor() {
  if (!std::exchange(CompletionTyping.AcceptanceAwaitsBackspace, false)) return;
  Editor->EndUndoAction();
}

// Enter after a word that the list holds as it stands is a line break, not a choice.
bool ListHoldsTypedWord(framework::ListView* list) {
  for (int row = 0; row < list->RowCount(); ++row) {
    const std::string word = list->Cell(row, 0);
    if (std::string_view(word).substr(0, word.size() - 1) == CompletionPrefix) return true;
  }
  return false;
}

void FocusListOnRow(framework::ListView* list, int row) {
  platform::SetFocus(list->Handle());
  list->SelectRow(row);
}

}  // namespace

int OnEditorChar(int ch) {
  if (ch >= 0x80 && CompletionTyping.PendingLeadByte == 0) {
    CompletionTyping.PendingLeadByte = static_cast<char>(ch);
    return 0;
  }
  if (!CompletionTyping.AcceptanceAwaitsBackspace) AutoIndentOnNewline(std::string(1, static_cast<char>(ch)));
  const std::string typed = TypedCharacter(ch);
  CompletionAnchorPos = Editor->GetCurrentPos() + Utf8Length(typed);
  TakeTypedWord(typed);
  framework::ListView* list = CompletionList();
  PlaceUnderCaret(list);
  list->Clear();
  const bool acceptanceEnds = CompletionTyping.AcceptanceAwaitsBackspace && ch == VK_BACK;
  if (acceptanceEnds) EndAcceptanceFromEditor();
  if (!CompletionPrefix.empty() && !acceptanceEnds) {
    FillCompletionList(MakePinyinAbbreviation(CompletionPrefix), CompletionIndexWide, list);
  }
  if (list->RowCount() > 0) {
    list->SelectRow(0);
    list->SetVisible(true);
  } else {
    list->SetVisible(false);
  }
  return 0;
}

int OnEditorKeyDown(int key, int) {
  CompletionTyping.PendingLeadByte = 0;
  if (key != VK_BACK) EndAcceptanceFromEditor();
  framework::ListView* list = CompletionList();
  if (!list->Visible()) return 0;
  const int row = list->SelectedRow();
  switch (key) {
    case VK_RETURN:
      if (ListHoldsTypedWord(list)) {
        list->SetVisible(false);
      } else {
        AcceptFromEditor();
      }
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
    case VK_SPACE:
    case VK_LEFT:
    case VK_RIGHT:
      list->SetVisible(false);
      break;
    default:
      break;
  }
  return 0;
}

void HideCompletionListOffTheWordsLine() {
  framework::ListView* list = CompletionList();
  if (!list->Visible() || platform::GetFocus() == list->Handle()) return;
  if (Editor->LineFromPosition(Editor->GetCurrentPos()) != Editor->LineFromPosition(CompletionAnchorPos)) {
    list->SetVisible(false);
  }
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

void FillCompletionList(const std::string& abbreviation, const std::u16string& index, framework::ListView* list) {
  RegexWrapper regex;
  const std::string pattern =
      ExpandTextPlaceholders("\\b" + abbreviation + ".*" + kCompletionIndexMark + "(.*)\\s");
  if (!regex.RegexCreate(pattern, true, false, true)) return;
  const int matches = regex.RegexExecute(index);
  if (matches == 0) return;
  for (int i = 1; i <= matches; ++i) list->AddRow({regex.RegexSubMatch(i, 1)}, 0);
  list->SetColumnWidth(0, list->RowCount() > kRowsBeforeTheScrollBar ? kNarrowColumn : kWideColumn);
}

// A dwell that ends away from the text (position -1: past a line's end, or the pointer has left
// the editor) ends the tip as well.
int OnEditorDwell(int position, int, int, int kind) {
  if (kind == 1) {
    Editor->CallTipCancel();
    return 0;
  }
  if (position == -1) return 0;
  const std::string word =
      Editor->GetTextRange(Editor->WordStartPosition(position, true), Editor->WordEndPosition(position, true));
  if (word.empty()) return 0;
  const std::string tip = platform::GetPrivateProfileStringA(word, kTipKey, "", DataPath(data_file::TipsTxt));
  Editor->CallTipShow(position, AnsiToUtf8(word + "\r\n" + tip).c_str());
  Editor->CallTipSetHlt(0, kTipHighlightBytes);
  return 0;
}

void ResetCompletionTyping() { CompletionTyping = {}; }
