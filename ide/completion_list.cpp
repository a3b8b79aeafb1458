// Completion comes later; typing marks the document unsaved and Enter indents the new line.
#include "ide/completion_list.h"

#include <string>

#include "ide/app_globals.h"
#include "ide/auto_indent.h"
#include "ide/documents.h"

int OnEditorChar(int ch) {
  MarkDocumentChanged();
  AutoIndentOnNewline(std::string(1, static_cast<char>(ch)));
  return 0;
}

int OnEditorKeyDown(int, int) {
  MarkDocumentChanged();
  return 0;
}

int OnEditorDwell(int, int, int, int) { return 0; }
