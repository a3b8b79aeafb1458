#include "platform/connected_state.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace platform {

namespace {

std::function<bool()>& InstalledProbe() {
  static std::function<bool()> probe;
  return probe;
}

bool IsNetworkAddress(const ifaddrs& entry) {
  if (entry.ifa_addr == nullptr) return false;
  const int family = entry.ifa_addr->sa_family;
  const bool up = (entry.ifa_flags & IFF_UP) != 0 && (entry.ifa_flags & IFF_RUNNING) != 0;
  return up && (entry.ifa_flags & IFF_LOOPBACK) == 0 && (family == AF_INET || family == AF_INET6);
}

bool AnyInterfaceUp() {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return false;
  bool found = false;
  for (const ifaddrs* entry = list; entry != nullptr && !found; entry = entry->ifa_next) found = IsNetworkAddress(*entry);
  freeifaddrs(list);
  return found;
}

}  // namespace

bool InternetGetConnectedState() { return InstalledProbe() ? InstalledProbe()() : AnyInterfaceUp(); }

void SetConnectedStateProbe(std::function<bool()> probe) { InstalledProbe() = std::move(probe); }

}  // namespace platform
