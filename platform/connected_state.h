// InternetGetConnectedState: the machine counts as connected while a network interface other
// than the loopback one is up and has an address.
#pragma once

#include <functional>

namespace platform {

bool InternetGetConnectedState();

// Tests answer the question themselves; an empty function asks the machine again.
void SetConnectedStateProbe(std::function<bool()> probe);

}  // namespace platform
