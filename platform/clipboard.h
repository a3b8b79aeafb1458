// The clipboard as the program's texts use it.
#pragma once

#include <string>

namespace platform {

// Puts the 8-bit code-page text on the clipboard as text, replacing what it held.
void SetClipboardText(const std::string& text);

}  // namespace platform
