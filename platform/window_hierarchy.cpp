// Parent and child windows.
#include <QWidget>

#include "platform/window.h"
#include "platform/window_placement.h"
#include "platform/window_registry.h"

namespace platform {

HWND GetParent(HWND window) {
  const QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr || widget->isWindow()) return nullptr;
  return WindowFromWidget(widget->parentWidget());
}

// The window keeps its position in client coordinates, now those of the new parent, and its
// visibility; a null parent makes it a top-level window.
HWND SetParent(HWND window, HWND newParent) {
  QWidget* widget = WidgetFromWindow(window);
  QWidget* parentWidget = WidgetFromWindow(newParent);
  if (widget == nullptr || (newParent != nullptr && parentWidget == nullptr)) return nullptr;
  if (parentWidget == widget || (parentWidget != nullptr && widget->isAncestorOf(parentWidget)))
    return nullptr;
  const HWND previous = GetParent(window);
  const QRect placement = PlacementOf(widget);
  const bool shown = !widget->isHidden();
  widget->setParent(parentWidget);
  Place(widget, placement);
  widget->setVisible(shown);
  return previous;
}

}  // namespace platform
