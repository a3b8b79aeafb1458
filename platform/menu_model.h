// The menus behind menu handles: items with their ids, state flags, texts and submenus, kept
// apart from the QMenu that shows them (built anew each time a menu opens).
#pragma once

#include <string>
#include <vector>

#include "platform/win_types.h"

namespace platform {

struct MenuItem {
  UINT id = 0;
  UINT flags = 0;  // the kept MF_ bits: kMenuItemFlags
  std::string text;
  HMENU submenu = nullptr;  // MF_POPUP items
};

constexpr UINT kMenuStateFlags = MF_GRAYED | MF_DISABLED | MF_CHECKED;
constexpr UINT kMenuItemFlags = kMenuStateFlags | MF_POPUP | MF_SEPARATOR;

struct MenuModel {
  std::vector<MenuItem> items;
};

HMENU NewMenu();
// Drops the menu and, as DestroyMenu does, its submenus.
bool DropMenu(HMENU menu);
MenuModel* FindMenu(HMENU menu);  // null for any value that is not a live menu

// MF_BYPOSITION in flags: the item at that position; otherwise the first item with that
// command id in the menu or, depth first, its submenus.
MenuItem* FindMenuItem(HMENU menu, UINT item, UINT flags);
bool MenuContains(HMENU menu, HMENU other);  // other is menu or one of its submenus, at any depth
// The id names an enabled command item that a user could reach through enabled popups.
bool IsChoosable(HMENU menu, UINT id);

}  // namespace platform
