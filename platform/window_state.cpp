// Visibility, enabling, text and focus of windows.
#include <QApplication>
#include <QWidget>

#include "platform/code_page.h"
#include "platform/window.h"
#include "platform/window_registry.h"

namespace platform {

BOOL ShowWindow(HWND window, int command) {
  QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr) return FALSE;
  const BOOL wasShown = widget->isHidden() ? FALSE : TRUE;
  widget->setVisible(command != SW_HIDE);
  return wasShown;
}

// As on Windows: the window and every ancestor are shown.
BOOL IsWindowVisible(HWND window) {
  const QWidget* widget = WidgetFromWindow(window);
  return widget != nullptr && widget->isVisible() ? TRUE : FALSE;
}

// Returns whether the window itself was disabled before, as Windows does.
BOOL EnableWindow(HWND window, BOOL enable) {
  QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr) return FALSE;
  const BOOL wasDisabled = widget->testAttribute(Qt::WA_ForceDisabled) ? TRUE : FALSE;
  widget->setEnabled(enable != FALSE);
  return wasDisabled;
}

BOOL SetWindowTextA(HWND window, const std::string& text) {
  QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr) return FALSE;
  widget->setWindowTitle(AnsiToQString(text));
  return TRUE;
}

std::string GetWindowTextA(HWND window) {
  const QWidget* widget = WidgetFromWindow(window);
  return widget == nullptr ? std::string() : QStringToAnsi(widget->windowTitle());
}

HWND SetFocus(HWND window) {
  const HWND previous = GetFocus();
  if (window == nullptr) {
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    return previous;
  }
  QWidget* widget = WidgetFromWindow(window);
  if (widget == nullptr) return nullptr;
  widget->setFocus(Qt::OtherFocusReason);
  return previous;
}

HWND GetFocus() { return FindOwningWindow(QApplication::focusWidget()); }

}  // namespace platform
