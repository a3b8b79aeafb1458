// Windows virtual-key codes and key-message lParams for Qt's key events.
#pragma once

#include "platform/win_types.h"

namespace platform {

// 0 for a key that has no virtual-key code here.
int VirtualKeyFromQtKey(int qtKey);
// The Qt key of a virtual key; 0 for one that has none here.
int QtKeyFromVirtualKey(int virtualKey);
// The character a digit or punctuation key types on a US keyboard, with Shift or without; 0
// for any other key. Qt's codes of these keys are the characters themselves.
int CharacterOfQtKey(int qtKey, bool shift);

// Repeat count 1; bit 30 the previous key state (down for a repeat and for every release),
// bit 31 set for a release.
LPARAM KeyMessageLParam(bool release, bool autoRepeat);

}  // namespace platform
