// Conversion between the program's 8-bit code page and the component's UTF-8, both through
// UTF-16. Both directions end at the first NUL of their input.
#pragma once

#include <string>

// A counted run of bytes that may hold zero bytes; its size counts every byte.
using ByteSet = std::string;

// The UTF-8 bytes of the text followed by its converted terminator and one further zero byte
// (the UTF-8 length plus 2). An absent (null) text gives a single zero byte.
ByteSet AnsiToUtf8(const char* text);
ByteSet AnsiToUtf8(const std::string& text);
// The UTF-8 bytes of the text alone, without the two zero bytes after them.
ByteSet Utf8Of(const std::string& text);
// The 8-bit text of UTF-8 bytes that need not carry a terminator of their own.
std::string Utf8ToAnsi(const ByteSet& bytes);
