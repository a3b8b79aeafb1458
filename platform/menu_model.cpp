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

MenuItem* FindMenuItem(HMENU menu, UINT item, UINT flags) {
  MenuModel* model = FindMenu(menu);
  if (model == nullptr) return nullptr;
  if (flags & MF_BYPOSITION) return item < model->items.size() ? &model->items[item] : nullptr;
  for (MenuItem& candidate : model->items) {
    if (candidate.submenu != nullptr) {
      if (MenuItem* inside = FindMenuItem(candidate.submenu, item, flags)) return inside;
    } else if (candidate.id == item) {
      return &candidate;
    }
  }
  return nullptr;
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
