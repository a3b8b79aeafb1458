#include "ide/saved_text.h"

#include "ide/app_globals.h"

std::string WithFinalLineBreak(std::string text) {
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
  return text;
}

std::string EditorTextToSave() { return WithFinalLineBreak(Editor->GetTextRange(0, Editor->GetLength())); }
