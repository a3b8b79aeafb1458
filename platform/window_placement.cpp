#include "platform/window_placement.h"

#include <QWidget>
#include <algorithm>

#include "platform/window_frame.h"

namespace platform {
namespace {

QPoint ParentClientOrigin(const QWidget* widget) {
  return widget->isWindow() ? QPoint() : ClientOrigin(widget->parentWidget());
}

}  // namespace

QRect PlacementOf(const QWidget* widget) {
  return QRect(widget->pos() - ParentClientOrigin(widget), widget->size());
}

void Place(QWidget* widget, const QRect& placement) {
  widget->move(placement.topLeft() + ParentClientOrigin(widget));
  widget->resize(std::max(0, placement.width()), std::max(0, placement.height()));
}

RECT RectOf(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

}  // namespace platform
