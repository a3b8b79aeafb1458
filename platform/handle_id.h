// Window and menu handles are numbers drawn from one counter, never pointers: a handle of one
// kind is never a valid handle of the other, none is reused, and none collides with the small
// values that some calls give a meaning of their own (HWND_BOTTOM, HWND_TOPMOST).
#pragma once

#include <cstdint>

namespace platform {

std::uintptr_t NewHandleId();

template <typename Handle>
Handle HandleFromId(std::uintptr_t id) {
  return reinterpret_cast<Handle>(id);
}

template <typename Handle>
std::uintptr_t IdOfHandle(Handle handle) {
  return reinterpret_cast<std::uintptr_t>(handle);
}

}  // namespace platform
