// The words of a window record behind SetWindowLongA and GetWindowLongA.
#include <QWidget>

#include "platform/window.h"
#include "platform/window_registry.h"

namespace platform {
namespace {

// WS_VISIBLE and WS_DISABLED follow the widget, whatever was stored.
std::uint32_t CurrentStyle(const WindowRecord& record) {
  std::uint32_t style = record.style & ~(WS_VISIBLE | WS_DISABLED);
  if (!record.widget->isHidden()) style |= WS_VISIBLE;
  if (record.widget->testAttribute(Qt::WA_ForceDisabled)) style |= WS_DISABLED;
  return style;
}

std::intptr_t ReadLong(const WindowRecord& record, int index) {
  switch (index) {
    case GWL_WNDPROC:
      return reinterpret_cast<std::intptr_t>(record.procedure);
    case GWL_STYLE:
      return CurrentStyle(record);
    case GWL_EXSTYLE:
      return record.exStyle;
    case GWL_USERDATA:
      return record.userData;
    case GWL_ID:
      return static_cast<std::intptr_t>(record.id);
    default:
      return 0;
  }
}

}  // namespace

// A null procedure is refused: the window could not take a message any more. New frame
// styles show after SetWindowPos with SWP_FRAMECHANGED, as on Windows.
std::intptr_t SetWindowLongA(HWND window, int index, std::intptr_t value) {
  WindowRecord* record = FindWindowRecord(window);
  if (record == nullptr) return 0;
  const std::intptr_t previous = ReadLong(*record, index);
  switch (index) {
    case GWL_WNDPROC:
      if (value == 0) return 0;
      record->procedure = reinterpret_cast<WNDPROC>(value);
      break;
    case GWL_STYLE:
      record->style = static_cast<std::uint32_t>(value);
      break;
    case GWL_EXSTYLE:
      record->exStyle = static_cast<std::uint32_t>(value);
      break;
    case GWL_USERDATA:
      record->userData = value;
      break;
    case GWL_ID:
      record->id = static_cast<std::uintptr_t>(value);
      break;
    default:
      return 0;
  }
  return previous;
}

std::intptr_t GetWindowLongA(HWND window, int index) {
  const WindowRecord* record = FindWindowRecord(window);
  return record == nullptr ? 0 : ReadLong(*record, index);
}

}  // namespace platform
