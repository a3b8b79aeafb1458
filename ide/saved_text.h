// What a save writes for the editor's text: the text with its last line ended.
#pragma once

#include <string>

// The text with CR LF added when it does not end in a line break (CR LF, LF or CR) already, so
// a file saved any number of times ends in exactly one. An empty text stays empty: it has no
// line to end, and an empty file opened and saved again stays as it was.
std::string WithFinalLineBreak(std::string text);
// The editor's whole text, so ended.
std::string EditorTextToSave();
