// The geometry calls of the window layer.
#include <QWidget>

#include "platform/client_size_report.h"
#include "platform/window.h"
#include "platform/window_frame.h"
#include "platform/window_placement.h"
#include "platform/window_registry.h"

namespace platform {
namespace {

// Insert-after: the window goes right below that one; HWND_TOP and HWND_TOPMOST raise it to
// the top of its siblings, HWND_BOTTOM lowers it.
void Restack(QWidget* widget, HWND insertAfter) {
  if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST) {
    widget->raise();
  } else if (insertAfter == HWND_BOTTOM) {
    widget->lower();
  } else if (QWidget* above = WidgetFromWindow(insertAfter);
             above != nullptr && above != widget && above->parentWidget() == widget->parentWidget()) {
    widget->stackUnder(above);
  }
}

void Reframe(HWND window) {
  if (const WindowRecord* record = FindWindowRecord(window)) {
    ApplyFrameStyle(record->widget, record->style, record->exStyle);
  }
}

}  // namespace

BOOL GetWindowRect(HWND window, RECT* rect) {
  const QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr || rect == nullptr) return FALSE;
  const QRect outer =
      widget->isWindow() ? widget->frameGeometry() : QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
  *rect = RectOf(outer);
  return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
  const QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr || rect == nullptr) return FALSE;
  *rect = RectOf(QRect(QPoint(0, 0), ClientArea(widget).size()));
  return TRUE;
}

BOOL ScreenToClient(HWND window, POINT* point) {
  const QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr || point == nullptr) return FALSE;
  const QPoint client = widget->mapFromGlobal(QPoint(point->x, point->y)) - ClientOrigin(widget);
  *point = {client.x(), client.y()};
  return TRUE;
}

BOOL ClientToScreen(HWND window, POINT* point) {
  const QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr || point == nullptr) return FALSE;
  const QPoint screen = widget->mapToGlobal(QPoint(point->x, point->y) + ClientOrigin(widget));
  *point = {screen.x(), screen.y()};
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL) {
  QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr) return FALSE;
  Place(widget, QRect(x, y, width, height));
  ReportClientSize(window);
  return TRUE;
}

BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr) return FALSE;
  const QRect current = PlacementOf(widget);
  const QPoint position = (flags & SWP_NOMOVE) ? current.topLeft() : QPoint(x, y);
  const QSize size = (flags & SWP_NOSIZE) ? current.size() : QSize(width, height);
  Place(widget, QRect(position, size));
  // Placing a shown widget runs WM_SIZE, whose procedure may have destroyed the window.
  widget = WidgetFromWindow(window);
  if (widget == nullptr) return TRUE;
  if (!(flags & SWP_NOZORDER)) Restack(widget, insertAfter);
  if (flags & SWP_FRAMECHANGED) Reframe(window);
  if (flags & SWP_SHOWWINDOW) ShowWindow(window, SW_SHOW);
  if (flags & SWP_HIDEWINDOW) ShowWindow(window, SW_HIDE);
  ReportClientSize(window);
  return TRUE;
}

}  // namespace platform
