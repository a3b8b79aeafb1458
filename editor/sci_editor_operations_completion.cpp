// Hand-written operation of the completion group: the selected list item, read length first.
#include "editor/sci_editor.h"
#include "editor/scintilla_messages.h"

std::string SciEditor::AutoCGetCurrentText() {
  return ReadTextLengthFirst(scintilla::SCI_AUTOCGETCURRENTTEXT, 0);
}
