// Menu handles over QMenu, with the Windows flags, by-command and by-position addressing.
// The chosen command reaches the owner window as WM_COMMAND (wParam the id, lParam 0).
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/win_types.h"

namespace platform {

HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text);
// Returns the previous state (MF_ENABLED, MF_GRAYED or MF_DISABLED), or -1 when there is no such item.
int EnableMenuItem(HMENU menu, UINT item, UINT flags);
// Shows the menu at x, y (screen) and waits for a choice. With TPM_RETURNCMD the chosen id is
// returned (0 for none); otherwise the choice is sent to owner as WM_COMMAND and the result is
// non-zero when the menu was shown.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);

// Test seam: while set, TrackPopupMenu does not show the menu; it asks this instead, which
// returns the id to choose (std::nullopt for none). Clear it with an empty function.
using PopupMenuAnswer = std::function<std::optional<UINT>(HMENU menu)>;
void SetPopupMenuAnswer(PopupMenuAnswer answer);

}  // namespace platform
