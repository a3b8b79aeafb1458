// Keyboard and mouse state as the Windows calls report it.
#pragma once

#include "platform/win_types.h"

namespace platform {

// High bit (0x8000) set while the key is down. The state follows the key events the
// application has received, and Qt's own modifier state for Shift, Control and Alt (VK_MENU).
short GetAsyncKeyState(int virtualKey);
BOOL GetCursorPos(POINT* point);  // screen coordinates

// A press and release of the key, queued as keyboard input: they reach the window that has the
// focus when they arrive, after the message being handled now. Letters type lower case unless
// Shift is down; a key without a Qt key here (0 among them) does nothing.
void SimulateKeyPress(int virtualKey);

}  // namespace platform
