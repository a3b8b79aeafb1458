// Shows a menu model as a QMenu and waits for the user's choice. Each submenu is filled from
// its model when it opens, after WM_INITMENUPOPUP has let the owner change it.
#pragma once

#include <QPoint>
#include <optional>

#include "platform/win_types.h"

namespace platform {

// The chosen command id, or nothing when the menu closed without a choice.
std::optional<UINT> ShowPopupMenu(HMENU menu, HWND owner, QPoint at);

}  // namespace platform
