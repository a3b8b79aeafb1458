// Shows a menu model as a QMenu and waits for the user's choice. Each submenu is filled from
// its model when it opens, after WM_INITMENUPOPUP has let the owner change it.
#pragma once

#include <QPoint>
#include <optional>

#include "platform/win_types.h"

class QMenu;

namespace platform {

// The chosen command id, or nothing when the menu closed without a choice.
std::optional<UINT> ShowPopupMenu(HMENU menu, HWND owner, QPoint at);

// Fills the view with the menu's items as they are now, dropping what it showed before. A
// command item's action holds its id as data; a submenu is filled when it opens.
void FillMenuView(QMenu* view, HMENU menu, HWND owner);

}  // namespace platform
