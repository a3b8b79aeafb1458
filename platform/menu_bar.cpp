// The menu-bar calls: which menu a window shows as its bar, and the bar as drawn.
#include "platform/menu.h"
#include "platform/menu_bar_view.h"
#include "platform/menu_model.h"
#include "platform/window.h"
#include "platform/window_placement.h"

namespace platform {

BOOL SetMenu(HWND window, HMENU menu) { return ShowMenuBar(window, menu) ? TRUE : FALSE; }

HMENU GetMenu(HWND window) { return MenuBarOf(window); }

BOOL DrawMenuBar(HWND window) {
  MenuBarView* bar = ShownMenuBar(window, MenuBarOf(window));
  if (bar == nullptr) return FALSE;
  bar->Rebuild();
  return TRUE;
}

BOOL HiliteMenuItem(HWND window, HMENU menu, UINT item, UINT flags) {
  const std::optional<MenuItemPlace> place = FindMenuItemPlace(menu, item, flags);
  if (!IsWindow(window) || !place) return FALSE;
  const bool highlighted = (flags & MF_HILITE) != 0;
  MenuItem& found = place->Item();
  found.flags = highlighted ? found.flags | MF_HILITE : found.flags & ~MF_HILITE;
  if (MenuBarView* bar = ShownMenuBar(window, place->menu)) bar->SetHighlighted(place->position, highlighted);
  return TRUE;
}

BOOL GetMenuItemRect(HWND window, HMENU menu, UINT item, RECT* rect) {
  const MenuBarView* bar = ShownMenuBar(window, menu);
  const std::optional<QRect> shown = bar == nullptr ? std::nullopt : bar->ItemScreenRect(item);
  if (rect == nullptr || !shown) return FALSE;
  *rect = RectOf(*shown);
  return TRUE;
}

HMENU GetSystemMenu(HWND, BOOL) { return nullptr; }

}  // namespace platform
