// Menu handles over QMenu and QMenuBar, with the Windows flags, by-command and by-position
// addressing. The chosen command reaches the owner window as WM_COMMAND (wParam the id,
// lParam 0). By command, an item is looked for in the menu and then, depth first, in its
// submenus. Captions keep their "&" mnemonics; text after a TAB shows right-aligned as the
// item's shortcut, and installs none.
#pragma once

#include <functional>
#include <optional>

#include "platform/dynamic_library.h"
#include "platform/win_types.h"

namespace platform {

HMENU CreatePopupMenu();
HMENU CreateMenu();            // a menu to show as a window's menu bar (SetMenu)
BOOL DestroyMenu(HMENU menu);  // its submenus go with it
BOOL IsMenu(HMENU menu);       // safe for any value
// MF_STRING, MF_SEPARATOR, MF_POPUP (idOrPopup a live menu that does not hold this one),
// with MF_GRAYED, MF_DISABLED and MF_CHECKED. Item bitmaps and owner-drawn items are refused.
BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text);
// The item made as AppendMenuA makes it goes before the item that position names: by position
// (past the end, or -1: at the end) or by command (in whichever submenu holds that item; at
// the end of menu when there is none).
BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup, const char* text);
// Replaces the item with one made as AppendMenuA makes it; its item bitmaps stay. A submenu it
// held is destroyed unless the new item holds the same one; one that holds the new item's
// submenu makes the call fail.
BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup, const char* text);
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);  // a submenu the item held is destroyed
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);  // a submenu the item held stays
HMENU GetSubMenu(HMENU menu, int position);          // null when that item holds none
// Returns the previous state (MF_ENABLED, MF_GRAYED or MF_DISABLED), or -1 when there is no such item.
int EnableMenuItem(HMENU menu, UINT item, UINT flags);
// Returns the previous check state (MF_CHECKED or MF_UNCHECKED), or -1 when there is no such item.
int CheckMenuItem(HMENU menu, UINT item, UINT flags);
// Checks `check` and shows its check as a radio mark; the other items of the range lose their
// check. By position the range is positions first to last of menu; by command, the items of
// the menu that holds `check` whose ids lie from first to last. Separators are left alone.
// TRUE when `check` was checked.
BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
// The pictures show in place of the check mark: unchecked while the item is not checked,
// checked while it is (a null one shows nothing); both null bring the check mark back.
BOOL SetMenuItemBitmaps(HMENU menu, UINT item, UINT flags, HBITMAP unchecked, HBITMAP checked);
int GetMenuCheckMarkDimensions();  // the width in the low word, the height in the high word
HMENU LoadMenuA(HMODULE instance, const char* name);  // programs here have no resources: null

// The menu bar of a top-level window: on its QMainWindow frame when it has one (the window
// being the frame or its central widget), where the client area shrinks by the bar as on
// Windows; otherwise on a bar placed across the top of the window's widget. Child windows
// take no menu. A null menu takes the bar away. The bar shows the menu's items as they were
// at SetMenu or the last DrawMenuBar; each popup is filled from its menu when it opens, after
// WM_INITMENUPOPUP (wParam the popup, lParam its position) has reached the window. A chosen
// command is posted to the window as WM_COMMAND. When the window goes, so does its menu.
BOOL SetMenu(HWND window, HMENU menu);
HMENU GetMenu(HWND window);
BOOL DrawMenuBar(HWND window);  // shows the bar's items anew
// MF_HILITE / MF_UNHILITE: draws an item of the window's menu bar highlighted, or not.
BOOL HiliteMenuItem(HWND window, HMENU menu, UINT item, UINT flags);
// The screen rectangle of the item at that position of the window's shown menu bar; FALSE
// when menu is not the bar shown there.
BOOL GetMenuItemRect(HWND window, HMENU menu, UINT item, RECT* rect);
// Frames here have no system menu: always null.
HMENU GetSystemMenu(HWND window, BOOL revert);
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
