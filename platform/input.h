// Keyboard and mouse state as the Windows calls report it.
#pragma once

#include "platform/win_types.h"

namespace platform {

// High bit (0x8000) set while the key is down. The state follows the key events the
// application has received, and Qt's own modifier state for Shift, Control and Alt (VK_MENU).
short GetAsyncKeyState(int virtualKey);
BOOL GetCursorPos(POINT* point);  // screen coordinates

}  // namespace platform
