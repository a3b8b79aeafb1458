// Conversion between the program's 8-bit code page and the component's UTF-8.
#pragma once

#include <string>

// A counted run of bytes that may hold zero bytes; its size counts every byte.
using ByteSet = std::string;

ByteSet AnsiToUtf8(const std::string& text);
std::string Utf8ToAnsi(const ByteSet& bytes);
