// Hand-written operations of the length, line, selection and caret groups.
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"

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

int SciEditor::GetCurrentColumn() {
  return static_cast<int>(DirectCall(SCI_GETCOLUMN, DirectCall(SCI_GETCURRENTPOS)));
}
