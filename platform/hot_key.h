// Hot keys. On Windows they are system-wide; X11 offers no portable system-wide grab, so here
// they are application-wide: a registered key pressed while any window of this program is
// active (the editor, a modeless window or a dialog included) posts WM_HOTKEY to the
// registering window and reaches no widget, ahead of every shortcut. While another program is
// in front the keys do nothing.
#pragma once

#include "platform/win_types.h"

namespace platform {

// Registers the key with exactly these modifiers (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN;
// MOD_NOREPEAT keeps a held key from firing again). WM_HOTKEY carries the id as wParam and
// the modifiers | virtualKey << 16 as lParam. Fails (FALSE) for an unknown window, a virtual
// key outside 1 to 255, and a key and modifiers that some window has registered already.
BOOL RegisterHotKey(HWND window, int id, UINT modifiers, UINT virtualKey);
// Frees what the window registered under the id; FALSE when there is nothing. A window's hot
// keys also go when it is destroyed.
BOOL UnregisterHotKey(HWND window, int id);

}  // namespace platform
