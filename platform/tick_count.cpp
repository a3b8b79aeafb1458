#include "platform/tick_count.h"

#include <chrono>

namespace platform {

unsigned GetTickCount() {
  const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<unsigned>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

}  // namespace platform
