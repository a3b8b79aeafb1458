// The column the component gives the end of a line's text in UTF-8, counted without asking it:
// its own count steps from the line start one character at a time, which on a line of
// megabytes costs more than the rest of a caret move.
#pragma once

#include <optional>
#include <string_view>

// One column per character and a tab to the next multiple of tabWidth. Nothing for a text
// holding a line end or a byte sequence that is no well-formed character (nor U+FFFE or
// U+FFFF), which the component counts its own way, and for a tab width below 1.
std::optional<int> Utf8Column(std::string_view text, int tabWidth);
