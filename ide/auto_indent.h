// Automatic indentation: a new line made with Enter gets the indentation of the nearest line
// above it that holds more than its line end.
#pragma once

#include <string>

// ch is the typed character as a one-byte text; only CR (Enter) acts.
void AutoIndentOnNewline(const std::string& ch);
// Sets the line's indentation and moves the selection's ends so they stay on the same text;
// an end inside indentation that goes away moves to the indentation's new end. The anchor goes
// to the selection's start and the caret to its end.
void SetLineIndentKeepSelection(int line, int indentation);
