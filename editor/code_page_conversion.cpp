// Placeholder, replaced by the real conversion routines.
#include "editor/code_page_conversion.h"

ByteSet AnsiToUtf8(const std::string& text) { return text + std::string(2, '\0'); }
std::string Utf8ToAnsi(const ByteSet& bytes) { return bytes.substr(0, bytes.find('\0')); }
