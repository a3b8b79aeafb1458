// A text, buffer or record handed to the component as a message argument: its address.
#pragma once

#include "platform/win_types.h"

inline platform::LPARAM MessageAddress(const void* address) {
  return reinterpret_cast<platform::LPARAM>(address);
}
