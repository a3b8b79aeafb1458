#include "platform/handle_id.h"

namespace platform {

std::uintptr_t NewHandleId() {
  static std::uintptr_t next = 0x10000;
  next += 4;
  return next;
}

}  // namespace platform
