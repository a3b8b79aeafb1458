// Subclassing a window: its procedure replaced by one that passes what it does not handle on
// to the one it replaced.
#pragma once

#include "platform/win_types.h"

namespace platform {

// Installs the procedure; returns the one it replaced, null when the window is unknown.
WNDPROC SubclassWindow(HWND window, WNDPROC procedure);
// Puts the previous procedure back, but only while the window still exists and the given
// procedure is its current one: a later subclass on top keeps its place, and its previous
// procedure is not cut out of the chain. True when put back.
bool RemoveSubclass(HWND window, WNDPROC procedure, WNDPROC previous);

}  // namespace platform
