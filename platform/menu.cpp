// The menu calls over the menu models; showing a popup is the view's business.
#include "platform/menu.h"

#include <algorithm>
#include <cstring>

#include "platform/handle_id.h"
#include "platform/menu_model.h"
#include "platform/popup_menu_view.h"
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

}  // namespace

HMENU CreatePopupMenu() { return NewMenu(); }

BOOL DestroyMenu(HMENU menu) { return DropMenu(menu) ? TRUE : FALSE; }

BOOL IsMenu(HMENU menu) { return FindMenu(menu) != nullptr ? TRUE : FALSE; }

BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char* text) {
  MenuModel* model = FindMenu(menu);
  if (model == nullptr || (flags & (MF_BITMAP | MF_OWNERDRAW))) return FALSE;
  MenuItem item;
  item.flags = flags & kMenuItemFlags;
  item.text = text == nullptr || (flags & MF_SEPARATOR) ? "" : text;
  if (flags & MF_POPUP) {
    item.submenu = HandleFromId<HMENU>(idOrPopup);
    if (FindMenu(item.submenu) == nullptr || MenuContains(item.submenu, menu)) return FALSE;
    item.id = kNoItem;
  } else {
    item.id = static_cast<UINT>(idOrPopup);
  }
  model->items.push_back(std::move(item));
  return TRUE;
}

int EnableMenuItem(HMENU menu, UINT item, UINT flags) {
  MenuItem* found = FindMenuItem(menu, item, flags);
  if (found == nullptr) return -1;
  const int previous = static_cast<int>(found->flags & (MF_GRAYED | MF_DISABLED));
  found->flags = (found->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
  return previous;
}

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
