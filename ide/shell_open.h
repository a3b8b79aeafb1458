// The one way the windows open a document or web page in the desktop's default program.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win_types.h"

// Opens the file or address with the verb "open" for the owner window. Without showModeGiven
// the page shows normally. Returns the value the desktop reports (above 32 when it opened);
// a failure is not reported to the user.
std::intptr_t ShellOpen(platform::HWND owner, const std::string& fileOrAddress, const std::string& parameters = {},
                        int showMode = 0, bool showModeGiven = false);
