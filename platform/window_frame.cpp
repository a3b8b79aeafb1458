#include "platform/window_frame.h"

#include <QFrame>

#include "platform/window_registry.h"

namespace platform {
namespace {

// Border widths of the Windows frame styles; several add up, as their edges nest.
int FrameWidth(std::uint32_t style, std::uint32_t exStyle) {
  int width = 0;
  if (style & WS_BORDER) width += 1;
  if (exStyle & WS_EX_DLGMODALFRAME) width += 3;
  if (exStyle & WS_EX_CLIENTEDGE) width += 2;
  if (exStyle & WS_EX_STATICEDGE) width += 1;
  return width;
}

QFrame::Shadow FrameShadow(std::uint32_t exStyle) {
  if (exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) return QFrame::Sunken;
  if (exStyle & WS_EX_DLGMODALFRAME) return QFrame::Raised;
  return QFrame::Plain;
}

// Moves the child windows along with the client area; the widget's own parts (a scroll
// area's viewport) are laid out by the widget itself.
void ShiftChildWindows(QWidget* widget, QPoint delta) {
  if (delta.isNull()) return;
  for (QObject* child : widget->children()) {
    auto* childWidget = qobject_cast<QWidget*>(child);
    if (childWidget != nullptr && !childWidget->isWindow() && FindWindowHandle(childWidget) != nullptr) {
      childWidget->move(childWidget->pos() + delta);
    }
  }
}

}  // namespace

void ApplyFrameStyle(QWidget* widget, std::uint32_t style, std::uint32_t exStyle) {
  auto* frame = qobject_cast<QFrame*>(widget);
  if (frame == nullptr) return;
  const QPoint oldOrigin = ClientOrigin(frame);
  const int width = FrameWidth(style, exStyle);
  if (width == 0) {
    frame->setFrameStyle(QFrame::NoFrame);
  } else {
    frame->setFrameStyle(QFrame::Panel | FrameShadow(exStyle));
    frame->setLineWidth(width);
  }
  ShiftChildWindows(frame, ClientOrigin(frame) - oldOrigin);
}

QRect ClientArea(const QWidget* widget) { return widget->contentsRect(); }

QPoint ClientOrigin(const QWidget* widget) { return ClientArea(widget).topLeft(); }

}  // namespace platform
