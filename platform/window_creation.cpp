// Creating, destroying and looking up windows.
#include <QPointer>
#include <QWidget>
#include <vector>

#include "platform/code_page.h"
#include "platform/event_translation.h"
#include "platform/window_class.h"
#include "platform/window_frame.h"
#include "platform/window_placement.h"
#include "platform/window_registry.h"

namespace platform {
namespace {

HWND AdoptWidget(QWidget* widget, WNDPROC classProcedure, std::uint32_t style, std::uint32_t exStyle,
                 std::uintptr_t id) {
  const HWND window = RegisterWindow(widget, classProcedure);
  WindowRecord* record = FindWindowRecord(window);
  record->style = style;
  record->exStyle = exStyle;
  record->id = id;
  record->reportedClientSize = ClientArea(widget).size();
  InstallEventTranslation(widget);
  return window;
}

// The window and its descendant windows, parents first, as DestroyWindow takes them down.
std::vector<HWND> WindowTree(HWND window, QWidget* widget) {
  std::vector<HWND> tree{window};
  for (QWidget* child : widget->findChildren<QWidget*>()) {
    if (const HWND childWindow = FindWindowHandle(child)) tree.push_back(childWindow);
  }
  return tree;
}

}  // namespace

HWND CreateWindowExA(std::uint32_t exStyle, const char* className, const char* title, std::uint32_t style,
                     int x, int y, int width, int height, HWND parent, HMENU menu, void*, void*) {
  const WindowClass* windowClass = FindWindowClass(className == nullptr ? "" : className);
  if (windowClass == nullptr) return nullptr;
  QWidget* parentWidget = WidgetFromWindow(parent);
  if (parent != nullptr && parentWidget == nullptr) return nullptr;
  QWidget* widget = windowClass->factory(parentWidget);
  if (widget == nullptr) return nullptr;
  // A child window's menu argument is its control id.
  const std::uintptr_t id = (style & WS_CHILD) ? reinterpret_cast<std::uintptr_t>(menu) : 0;
  widget->setWindowTitle(AnsiToQString(title == nullptr ? "" : title));
  widget->setEnabled(!(style & WS_DISABLED));
  ApplyFrameStyle(widget, style, exStyle);
  Place(widget, QRect(x, y, width, height));
  const HWND window = AdoptWidget(widget, windowClass->procedure, style, exStyle, id);
  widget->setVisible((style & WS_VISIBLE) != 0);
  return window;
}

// WM_DESTROY reaches the window, then each descendant window, while they still exist; the
// handles die at once and the widgets go when control is back in the event loop, so a
// procedure may destroy its own window.
BOOL DestroyWindow(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr || record->destroying) return FALSE;
  const QPointer<QWidget> widget = record->widget;
  const std::vector<HWND> tree = WindowTree(window, widget);
  for (const HWND member : tree) {
    if (WindowRecord* memberRecord = FindWindowRecord(member)) memberRecord->destroying = true;
  }
  for (const HWND member : tree) SendMessageA(member, WM_DESTROY, 0, 0);
  for (const HWND member : tree) DropWindow(member);
  if (widget != nullptr) {
    widget->hide();
    widget->deleteLater();
  }
  return TRUE;
}

BOOL IsWindow(HWND window) { return FindWindowRecord(window) != nullptr ? TRUE : FALSE; }

HWND WindowFromWidget(QWidget* widget) {
  if (widget == nullptr) return nullptr;
  if (const HWND window = FindWindowHandle(widget)) return window;
  const std::uint32_t style = widget->isWindow() ? 0 : WS_CHILD;
  return AdoptWidget(widget, &DefWindowProcA, style, 0, 0);
}

QWidget* WidgetFromWindow(HWND window) {
  const WindowRecord* record = FindWindowRecord(window);
  return record == nullptr ? nullptr : record->widget.data();
}

}  // namespace platform
