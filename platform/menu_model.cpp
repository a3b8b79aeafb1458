#include "platform/menu_model.h"

#include <unordered_map>

#include "platform/handle_id.h"

namespace platform {
namespace {

std::unordered_map<std::uintptr_t, MenuModel>& Menus() {
  static auto* menus = new std::unordered_map<std::uintptr_t, MenuModel>;
  return *menus;
}

bool IsEnabled(const MenuItem& item) { return (item.flags & (MF_GRAYED | MF_DISABLED)) == 0; }

}  // namespace

HMENU NewMenu() {
  const std::uintptr_t id = NewHandleId();
  Menus().emplace(id, MenuModel{});
  return HandleFromId<HMENU>(id);
}

bool DropMenu(HMENU menu) {
  const auto found = Menus().find(IdOfHandle(menu));
  if (found == Menus().end()) return false;
  const MenuModel model = std::move(found->second);
  Menus().erase(found);
  for (const MenuItem& item : model.items) {
    if (item.submenu != nullptr) DropMenu(item.submenu);
  }
  return true;
}

MenuModel* FindMenu(HMENU menu) {
  const auto found = Menus().find(IdOfHandle(menu));
  return found == Menus().end() ? nullptr : &found->second;
}

std::optional<MenuItemPlace> FindMenuItemPlace(HMENU menu, UINT item, UINT flags) {
  MenuModel* model = FindMenu(menu);
  if (model == nullptr) return std::nullopt;
  if (flags & MF_BYPOSITION) {
    if (item >= model->items.size()) return std::nullopt;
    return MenuItemPlace{menu, model, item};
  }
  for (std::size_t position = 0; position < model->items.size(); ++position) {
    const MenuItem& candidate = model->items[position];
    if (candidate.submenu != nullptr) {
      if (auto inside = FindMenuItemPlace(candidate.submenu, item, flags)) return inside;
    } else if (candidate.id == item) {
      return MenuItemPlace{menu, model, position};
    }
  }
  return std::nullopt;
}

MenuItem* FindMenuItem(HMENU menu, UINT item, UINT flags) {
  const std::optional<MenuItemPlace> place = FindMenuItemPlace(menu, item, flags);
  return place ? &place->Item() : nullptr;
}

bool MenuContains(HMENU menu, HMENU other) {
  if (menu == other) return true;
  const MenuModel* model = FindMenu(menu);
  if (model == nullptr) return false;
  for (const MenuItem& item : model->items) {
    if (item.submenu != nullptr && MenuContains(item.submenu, other)) return true;
  }
  return false;
}

bool IsChoosable(HMENU menu, UINT id) {
  const MenuModel* model = FindMenu(menu);
  if (model == nullptr) return false;
  for (const MenuItem& item : model->items) {
    if (!IsEnabled(item)) continue;
    if (item.submenu != nullptr ? IsChoosable(item.submenu, id)
                                : !(item.flags & MF_SEPARATOR) && item.id == id) {
      return true;
    }
  }
  return false;
}

}  // namespace platform
