// The records behind window handles. A record lives as long as its widget: DestroyWindow or
// the widget's deletion by Qt (for instance with its parent) drops it, and every call on the
// handle then fails harmlessly.
//
// A record pointer is valid only until the next call that can run a window procedure or
// delete a widget; look the handle up again after such a call.
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>

#include "platform/win_types.h"

namespace platform {

struct WindowRecord {
  QPointer<QWidget> widget;
  WNDPROC procedure = nullptr;       // the current one, GWL_WNDPROC
  WNDPROC classProcedure = nullptr;  // the last of every chain
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::intptr_t userData = 0;
  std::uintptr_t id = 0;     // a child's control id
  QSize reportedClientSize;  // the size the last WM_SIZE gave
  bool destroying = false;
};

// Gives the widget a new handle whose chain is the class procedure alone.
HWND RegisterWindow(QWidget* widget, WNDPROC classProcedure);
void DropWindow(HWND window);

WindowRecord* FindWindowRecord(HWND window);   // null for an unknown or dropped handle
HWND FindWindowHandle(const QWidget* widget);  // null when the widget has no handle
// The window a widget belongs to: its own handle or that of its nearest ancestor with one.
HWND FindOwningWindow(const QWidget* widget);

}  // namespace platform
