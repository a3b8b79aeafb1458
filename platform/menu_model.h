// The menus behind menu handles: items with their ids, state flags, texts and submenus, kept
// apart from the QMenu or QMenuBar that shows them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/win_types.h"

namespace platform {

struct MenuItem {
  UINT id = 0;
  UINT flags = 0;  // the kept MF_ bits: kMenuItemFlags, and MF_HILITE from HiliteMenuItem
  std::string text;
  HMENU submenu = nullptr;  // MF_POPUP items
  bool radioCheck = false;  // its check shows as a radio mark
  // Pictures in place of the check mark; both null: the usual check mark.
  HBITMAP uncheckedBitmap = nullptr;
  HBITMAP checkedBitmap = nullptr;
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

// Where an item lives: the menu that holds it directly and its position there.
struct MenuItemPlace {
  HMENU menu = nullptr;
  MenuModel* model = nullptr;
  std::size_t position = 0;

  MenuItem& Item() const { return model->items[position]; }
};

// MF_BYPOSITION in flags: the item at that position; otherwise the first item with that
// command id in the menu or, depth first, its submenus.
std::optional<MenuItemPlace> FindMenuItemPlace(HMENU menu, UINT item, UINT flags);
MenuItem* FindMenuItem(HMENU menu, UINT item, UINT flags);  // null when there is none
bool MenuContains(HMENU menu, HMENU other);  // other is menu or one of its submenus, at any depth
// The id names an enabled command item that a user could reach through enabled popups.
bool IsChoosable(HMENU menu, UINT id);

}  // namespace platform
