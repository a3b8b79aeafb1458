// The non-client part of a window: its border styles drawn as a QFrame's lines, and the client
// area inside them. As on Windows, child windows are placed in their parent's client area, so
// their Qt positions are offset by the parent's frame.
#pragma once

#include <QPoint>
#include <QRect>

#include "platform/win_types.h"

class QWidget;

namespace platform {

// Shows WS_BORDER, WS_EX_CLIENTEDGE, WS_EX_STATICEDGE and WS_EX_DLGMODALFRAME as frame lines
// of the widget (when it is a QFrame); child widgets keep their client positions.
void ApplyFrameStyle(QWidget* widget, std::uint32_t style, std::uint32_t exStyle);

QRect ClientArea(const QWidget* widget);  // in the widget's own coordinates
QPoint ClientOrigin(const QWidget* widget);

}  // namespace platform
