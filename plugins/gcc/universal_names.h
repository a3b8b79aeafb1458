// gcc writes a character of #error's text that is no plain ASCII as a universal character name
// ("\U00004e2d" or "\u4e2d"), even in a UTF-8 locale.
#pragma once

#include <string>
#include <string_view>

// The text with each universal character name that the code page can hold turned back into that
// character; a name it cannot hold, or a malformed one, stays as written.
std::string WithUniversalNamesTurnedBack(std::string_view text);
