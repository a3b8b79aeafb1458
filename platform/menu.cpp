// The menu calls over the menu models; showing a popup is the view's business.
#include "platform/menu.h"

#include <algorithm>
#include <cstring>

#include "platform/handle_id.h"
#include "platform/menu_model.h"
#include "platform/popup_menu_view.h"
#include "platform/system_metrics.h"
#include "platform/window.h"

namespace platform {
namespace {

constexpr UINT kNoItem = 0xFFFFFFFF;

PopupMenuAnswer& Answer() {
  static auto* answer = new PopupMenuAnswer;
  return *answer;
}

std::optional<UINT> Choose(HMENU menu, HWND owner, int x, int y) {
  if (!Answer()) return ShowPopupMenu(menu, owner, QPoint(x, y));
  const std::optional<UINT> chosen = Answer()(menu);
  if (!chosen || !IsChoosable(menu, *chosen)) return std::nullopt;
  return chosen;
}

// The item that the flags describe, to go into target; nothing when it cannot be shown there.
std::optional<MenuItem> NewItem(HMENU target, UINT flags, std::uintptr_t idOrPopup, const char* text) {
  if (flags & (MF_BITMAP | MF_OWNERDRAW)) return std::nullopt;
  MenuItem item;
  item.flags = flags & kMenuItemFlags;
  item.text = text == nullptr || (flags & MF_SEPARATOR) ? "" : text;
  if (flags & MF_POPUP) {
    item.submenu = HandleFromId<HMENU>(idOrPopup);
    if (FindMenu(item.submenu) == nullptr || MenuContains(item.submenu, target)) return std::nullopt;
    item.id = kNoItem;
  } else {
    item.id = static_cast<UINT>(idOrPopup);
  }
  return item;
}

// Where InsertMenuA puts its item: before the item named, or at the end of menu.
std::optional<MenuItemPlace> InsertionPlace(HMENU menu, UINT position, UINT flags) {
  if (const std::optional<MenuItemPlace> named = FindMenuItemPlace(menu, position, flags)) return named;
  MenuModel* model = FindMenu(menu);
  if (model == nullptr) return std::nullopt;
  return MenuItemPlace{menu, model, model->items.size()};
}

// Takes the item out of its menu; nothing when there is none.
std::optional<MenuItem> TakeItem(HMENU menu, UINT item, UINT flags) {
  const std::optional<MenuItemPlace> place = FindMenuItemPlace(menu, item, flags);
  if (!place) return std::nullopt;
  MenuItem taken = std::move(place->Item());
  place->model->items.erase(place->model->items.begin() + static_cast<std::ptrdiff_t>(place->position));
  return taken;
}

bool IsInRadioRange(const MenuItem& item, std::size_t position, UINT first, UINT last, UINT flags) {
  if (item.flags & MF_SEPARATOR) return false;
  if (flags & MF_BYPOSITION) return position >= first && position <= last;
  return item.submenu == nullptr && item.id >= first && item.id <= last;
}

void SetChecked(MenuItem& item, bool checked) {
  item.flags = checked ? item.flags | MF_CHECKED : item.flags & ~MF_CHECKED;
}

}  // namespace

HMENU CreatePopupMenu() { return NewMenu(); }

HMENU CreateMenu() { return NewMenu(); }

BOOL DestroyMenu(HMENU menu) { return DropMenu(menu) ? TRUE : FALSE; }

BOOL IsMenu(HMENU menu) { return FindMenu(menu) != nullptr ? TRUE : FALSE; }

BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text) {
  return InsertMenuA(menu, kNoItem, flags | MF_BYPOSITION, idOrPopup, text);
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup, const char* text) {
  const std::optional<MenuItemPlace> place = InsertionPlace(menu, position, flags);
  if (!place) return FALSE;
  std::optional<MenuItem> item = NewItem(place->menu, flags, idOrPopup, text);
  if (!item) return FALSE;
  place->model->items.insert(place->model->items.begin() + static_cast<std::ptrdiff_t>(place->position),
                             std::move(*item));
  return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, std::uintptr_t idOrPopup, const char* text) {
  const std::optional<MenuItemPlace> place = FindMenuItemPlace(menu, position, flags);
  if (!place) return FALSE;
  std::optional<MenuItem> item = NewItem(place->menu, flags, idOrPopup, text);
  if (!item) return FALSE;
  MenuItem& old = place->Item();
  const HMENU oldSubmenu = old.submenu;
  if (oldSubmenu != nullptr && item->submenu != oldSubmenu && MenuContains(oldSubmenu, item->submenu)) return FALSE;
  item->uncheckedBitmap = old.uncheckedBitmap;
  item->checkedBitmap = old.checkedBitmap;
  old = std::move(*item);
  if (oldSubmenu != old.submenu) DropMenu(oldSubmenu);
  return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT item, UINT flags) {
  const std::optional<MenuItem> taken = TakeItem(menu, item, flags);
  if (!taken) return FALSE;
  if (taken->submenu != nullptr) DropMenu(taken->submenu);
  return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT item, UINT flags) { return TakeItem(menu, item, flags) ? TRUE : FALSE; }

HMENU GetSubMenu(HMENU menu, int position) {
  if (position < 0) return nullptr;
  const MenuItem* item = FindMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return item == nullptr ? nullptr : item->submenu;
}

int EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  MenuItem* found = FindMenuItem(menu, item, flags);
  if (found == nullptr) return -1;
  const int previous = static_cast<int>(found->flags & (MF_GRAYED | MF_DISABLED));
  found->flags = (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return previous;
}

int CheckMenuItem(HMENU menu, UINT item, UINT flags) {
  MenuItem* found = FindMenuItem(menu, item, flags);
  if (found == nullptr) return -1;
  const int previous = static_cast<int>(found->flags & MF_CHECKED);
  SetChecked(*found, (flags & MF_CHECKED) != 0);
  return previous;
}

BOOL CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
  const std::optional<MenuItemPlace> checked = FindMenuItemPlace(menu, check, flags);
  if (!checked || !IsInRadioRange(checked->Item(), checked->position, first, last, flags)) return FALSE;
  std::vector<MenuItem>& items = checked->model->items;
  for (std::size_t position = 0; position < items.size(); ++position) {
    if (IsInRadioRange(items[position], position, first, last, flags)) SetChecked(items[position], false);
  }
  SetChecked(checked->Item(), true);
  checked->Item().radioCheck = true;
  return TRUE;
}

BOOL SetMenuItemBitmaps(HMENU menu, UINT item, UINT flags, HBITMAP unchecked, HBITMAP checked) {
  MenuItem* found = FindMenuItem(menu, item, flags);
  if (found == nullptr) return FALSE;
  found->uncheckedBitmap = unchecked;
  found->checkedBitmap = checked;
  return TRUE;
}

int GetMenuCheckMarkDimensions() {
  return static_cast<int>(MAKELPARAM(GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)));
}

HMENU LoadMenuA(HMODULE, const char*) { return nullptr; }

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
  if (!IsMenu(menu) || !IsWindow(owner)) return FALSE;
  SendMessageA(owner, WM_INITMENUPOPUP, IdOfHandle(menu), 0);
  if (!IsMenu(menu) || !IsWindow(owner)) return FALSE;  // the owner took them down meanwhile
  const std::optional<UINT> chosen = Choose(menu, owner, x, y);
  if (flags & TPM_RETURNCMD) return chosen ? static_cast<BOOL>(*chosen) : 0;
  if (chosen) SendMessageA(owner, WM_COMMAND, *chosen, 0);
  return TRUE;
}

void SetPopupMenuAnswer(PopupMenuAnswer answer) { Answer() = std::move(answer); }

int GetMenuItemCount(HMENU menu) {
  const MenuModel* model = FindMenu(menu);
  return model == nullptr ? -1 : static_cast<int>(model->items.size());
}

UINT GetMenuItemID(HMENU menu, int position) {
  if (position < 0) return kNoItem;
  const MenuItem* item = FindMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return item == nullptr || item->submenu != nullptr ? kNoItem : item->id;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  const MenuItem* found = FindMenuItem(menu, item, flags);
  if (found == nullptr) return kNoItem;
  if (found->submenu == nullptr) return found->flags;
  const int count = std::max(GetMenuItemCount(found->submenu), 0);
  return (static_cast<UINT>(count) << 8) | (found->flags & 0xFF);
}

int GetMenuStringA(HMENU menu, UINT item, char* buffer, int size, UINT flags) {
  const MenuItem* found = FindMenuItem(menu, item, flags);
  if (found == nullptr) return 0;
  const int length = static_cast<int>(found->text.size());
  if (buffer == nullptr) return length;
  if (size <= 0) return 0;
  const int copied = std::min(length, size - 1);
  std::memcpy(buffer, found->text.data(), static_cast<std::size_t>(copied));
  buffer[copied] = '\0';
  return copied;
}

}  // namespace platform
