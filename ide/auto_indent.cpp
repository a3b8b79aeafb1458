#include "ide/auto_indent.h"

#include "ide/app_globals.h"

namespace {

bool HoldsOnlyItsLineEnd(int line) { return Editor->GetLineEndPosition(line) == Editor->PositionFromLine(line); }

// Where an end of the selection goes when the indentation in front of it changes from the one
// ending at before to the one ending at after.
int KeptPosition(int position, int before, int after) {
  if (position >= before) return position + (after - before);
  if (after < before && position >= after) return after;  // inside indentation that went away
  return position;
}

}  // namespace

// Enter's character comes after the component has put in the line break, so the caret's line
// is the new one.
void AutoIndentOnNewline(const std::string& ch) {
  if (ch != "\r") return;
  const int line = Editor->GetCurrentLine();
  int above = line - 1;
  while (above >= 0 && HoldsOnlyItsLineEnd(above)) --above;
  if (above < 0) return;
  const int indentation = Editor->GetLineIndentation(above);
  if (indentation > 0) SetLineIndentKeepSelection(line, indentation);
}

void SetLineIndentKeepSelection(int line, int indentation) {
  int start = 0;
  int end = 0;
  Editor->GetSelection(&start, &end);
  const int before = Editor->GetLineIndentPosition(line);
  Editor->SetLineIndentation(line, indentation);
  const int after = Editor->GetLineIndentPosition(line);
  Editor->SetSel(KeptPosition(start, before, after), KeptPosition(end, before, after));
}
