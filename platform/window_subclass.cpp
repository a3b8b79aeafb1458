#include "platform/window_subclass.h"

#include <cstdint>

#include "platform/window.h"

namespace platform {

WNDPROC SubclassWindow(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<std::intptr_t>(procedure)));
}

bool RemoveSubclass(HWND window, WNDPROC procedure, WNDPROC previous) {
  if (previous == nullptr || !IsWindow(window)) return false;
  if (GetWindowLongA(window, GWL_WNDPROC) != reinterpret_cast<std::intptr_t>(procedure)) return false;
  SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<std::intptr_t>(previous));
  return true;
}

}  // namespace platform
