// Menu handles over QMenu, with the Windows flags, by-command and by-position addressing.
// The chosen command reaches the owner window as WM_COMMAND (wParam the id, lParam 0).
// By command, an item is looked for in the menu and then, depth first, in its submenus.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/win_types.h"

namespace platform {

HMENU CreatePopupMenu();
BOOL DestroyMenu(HMENU menu);  // its submenus go with it
BOOL IsMenu(HMENU menu);       // safe for any value
// MF_STRING, MF_SEPARATOR, MF_POPUP (idOrPopup a live menu that does not hold this one),
// with MF_GRAYED, MF_DISABLED and MF_CHECKED. Item bitmaps and owner-drawn items are refused.
BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text);
// Returns the previous state (MF_ENABLED, MF_GRAYED or MF_DISABLED), or -1 when there is no such item.
int EnableMenuItem(HMENU menu, UINT item, UINT flags);
// Sends WM_INITMENUPOPUP (wParam the menu) to owner, shows the menu at x, y (screen) and
// waits for a choice. With TPM_RETURNCMD the chosen id is returned (0 for none); otherwise the
// choice is sent to owner as WM_COMMAND after the menu has closed and the result is non-zero
// when the menu was shown. 0 when the menu or the owner is not valid.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);

int GetMenuItemCount(HMENU menu);              // -1 for an invalid menu
UINT GetMenuItemID(HMENU menu, int position);  // 0xFFFFFFFF for a popup or no item
// The item's MF_ flags; for a popup the low byte holds them and the high byte the submenu's
// item count. 0xFFFFFFFF when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Copies at most size - 1 bytes of the item's text and a NUL; returns the bytes copied, or
// with a null buffer the text's length. 0 when there is no such item.
int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags);

// Test seam: while set, TrackPopupMenu does not show the menu; it asks this instead, which
// returns the id to choose (std::nullopt for none). As for a user, an id that is not an
// enabled command of the menu is no choice. Clear it with an empty function.
using PopupMenuAnswer = std::function<std::optional<UINT>(HMENU menu)>;
void SetPopupMenuAnswer(PopupMenuAnswer answer);

}  // namespace platform
