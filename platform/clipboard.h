// The clipboard's text as the program's 8-bit code-page text.
#pragma once

#include <string>

namespace platform {

// The empty text when the clipboard holds no text.
std::string ClipboardText();
// Puts the text on the clipboard as text, replacing what it held.
void SetClipboardText(const std::string& text);

}  // namespace platform
