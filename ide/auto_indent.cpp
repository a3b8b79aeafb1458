#include "ide/auto_indent.h"

#include <QCoreApplication>
#include <QMetaObject>

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

bool CaretAtStartOf(int line) {
  return Editor->GetCurrentLine() == line && Editor->GetCurrentPos() == Editor->PositionFromLine(line);
}

void IndentNewLine(int line) {
  int above = line - 1;
  while (above >= 0 && HoldsOnlyItsLineEnd(above)) --above;
  if (above < 0) return;
  const int indentation = Editor->GetLineIndentation(above);
  if (indentation > 0) SetLineIndentKeepSelection(line, indentation);
}

}  // namespace

// The window layer hands Enter's character message over before the component has acted on the
// key, so the line break is not in place yet: the new line is indented once the component has
// handled the key, and only when the line break is still where Enter made it (the caret at the
// start of the line after the selection's).
void AutoIndentOnNewline(const std::string& ch) {
  if (ch != "\r") return;
  int selectionStart = 0;
  Editor->GetSelection(&selectionStart);
  const int newLine = Editor->LineFromPosition(selectionStart) + 1;
  const platform::HWND editingWindow = Editor->GetEditorHandle();
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [newLine, editingWindow] {
        if (Editor == nullptr || Editor->GetEditorHandle() != editingWindow) return;
        if (CaretAtStartOf(newLine)) IndentNewLine(newLine);
      },
      Qt::QueuedConnection);
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
