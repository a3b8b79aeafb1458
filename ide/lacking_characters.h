// Characters the code page lacks. The editor and the edit boxes hold Unicode, but files, the
// compiler and the word lists get code-page text, in which each such character becomes "?".
#pragma once

#include <string>

// What the editor's text is about to become: a saved file, or the source a build compiles.
enum class EditorTextUse { Save, Build };

// Names the first such character of the editor's text with its line, and lets the user stop
// there (Cancel). True when the save or the build may go on.
bool AcceptCharactersTheCodePageLacks(EditorTextUse use = EditorTextUse::Save);

// "U+" and at least four hexadecimal digits, as character tables name a character.
std::string CodePointName(char32_t codePoint);
