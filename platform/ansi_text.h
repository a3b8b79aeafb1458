// Characters of the program's 8-bit code page: a byte of 0x80 or more is taken together with
// the byte after it, and only ASCII letters have a case.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The length (1 or 2) of the character that starts at `pos`; a lead byte at the end is alone.
std::size_t AnsiCharLength(std::string_view text, std::size_t pos);
std::vector<std::string_view> AnsiCharacters(std::string_view text);
// The longest start of the text within maxBytes that halves no double-byte character.
std::string_view AnsiPrefix(std::string_view text, std::size_t maxBytes);

// The position of the first occurrence of `what` that begins at a character start, at or after
// `from` (itself a character start); npos when there is none.
std::size_t AnsiFind(std::string_view text, std::string_view what, std::size_t from = 0);
// The position of the last occurrence of `what` that begins at a character start; npos when
// there is none.
std::size_t AnsiFindLast(std::string_view text, std::string_view what);
// Every occurrence of `what` (matched at character starts, left to right) replaced by `with`.
std::string AnsiReplaceAll(std::string_view text, std::string_view what, std::string_view with);
// Pieces between separators matched at character starts: an empty piece for a separator at the
// start or right after another, and a last piece only when text follows the last separator.
std::vector<std::string_view> AnsiSplit(std::string_view text, std::string_view separator);
std::vector<std::string_view> AnsiSplit(std::string_view text, char separator);

char AsciiLower(char c);
// Equal character by character; an ASCII letter matches either case, a double-byte character
// (whatever its trail byte) only itself.
bool AnsiEqualsIgnoringCase(std::string_view a, std::string_view b);
// The text with the ASCII letters of its single-byte characters in lower case: two texts are
// AnsiEqualsIgnoringCase exactly when their folds are the same, so a fold can key a map.
std::string AnsiFoldCase(std::string_view text);

}  // namespace platform
