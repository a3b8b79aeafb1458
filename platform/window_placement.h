// A window's outer rectangle in its parent's client coordinates (screen coordinates for a
// top-level window), the coordinates CreateWindowExA, MoveWindow and SetWindowPos take.
#pragma once

#include <QRect>

#include "platform/win_types.h"

class QWidget;

namespace platform {

QRect PlacementOf(const QWidget* widget);
void Place(QWidget* widget, const QRect& placement);  // negative sizes count as 0

// The same rectangle as the Windows calls report it: right and bottom just outside.
RECT RectOf(const QRect& rect);

}  // namespace platform
