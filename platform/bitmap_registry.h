// The pictures behind bitmap handles. Handles are not reused, so a stale one is simply not found.
#pragma once

#include <QPixmap>

#include "platform/win_types.h"

namespace platform {

HBITMAP AddBitmap(QPixmap pixmap);
QPixmap FindBitmap(HBITMAP bitmap);  // a null pixmap for an unknown handle

}  // namespace platform
