// Hand-written operations of the length, line, selection and caret groups.
#include "editor/range_bytes.h"
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"
#include "editor/utf8_column.h"

using namespace scintilla;

// The component's length with room for a terminator.
int SciEditor::GetTextLength() {
  if (!HasComponent()) return 0;
  return static_cast<int>(DirectCall(SCI_GETTEXTLENGTH)) + 1;
}

std::string SciEditor::GetCurLine() {
  const platform::LRESULT length = SendToEditor(SCI_GETCURLINE, 0, 0);
  return ReadTextOfLength(SCI_GETCURLINE, static_cast<platform::WPARAM>(length), length);
}

int SciEditor::GetSelection(int* start, int* end) {
  if (!HasComponent()) return 0;
  const auto first = static_cast<int>(DirectCall(SCI_GETSELECTIONSTART));
  const auto last = static_cast<int>(DirectCall(SCI_GETSELECTIONEND));
  if (start) *start = first;
  if (end) *end = last;
  return last;
}

std::string SciEditor::GetSelText() { return ReadTextLengthFirst(SCI_GETSELTEXT, 0); }

bool SciEditor::HasSelection() { return !GetSelText().empty(); }

int SciEditor::GetCurrentLine() {
  return static_cast<int>(DirectCall(SCI_LINEFROMPOSITION, DirectCall(SCI_GETCURRENTPOS)));
}

// Counted here when the line before the caret is plain UTF-8, which the component would step
// through one character at a time; any other line it counts itself.
int SciEditor::GetCurrentColumn() {
  const int caret = static_cast<int>(DirectCall(SCI_GETCURRENTPOS));
  if (DirectCall(SCI_GETCODEPAGE) == SC_CP_UTF8) {
    const int lineStart = static_cast<int>(DirectCall(SCI_POSITIONFROMLINE, DirectCall(SCI_LINEFROMPOSITION, caret)));
    const int tabWidth = static_cast<int>(DirectCall(SCI_GETTABWIDTH));
    if (const auto column = Utf8Column(RangeBytes(*this, lineStart, caret), tabWidth)) return *column;
  }
  return static_cast<int>(DirectCall(SCI_GETCOLUMN, static_cast<platform::WPARAM>(caret)));
}
