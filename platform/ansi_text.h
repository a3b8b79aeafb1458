// Characters of the program's 8-bit code page: a byte of 0x80 or more is taken together with
// the byte after it, and only ASCII letters have a case.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace platform {

// The length (1 or 2) of the character that starts at `pos`; a lead byte at the end is alone.
std::size_t AnsiCharLength(std::string_view text, std::size_t pos);
std::vector<std::string_view> AnsiCharacters(std::string_view text);

char AsciiLower(char c);
// Equal character by character; an ASCII letter matches either case, a double-byte character
// (whatever its trail byte) only itself.
bool AnsiEqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace platform
