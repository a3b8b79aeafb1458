#include "platform/host_name.h"

#include <unistd.h>

#include <climits>
#include <cstring>

namespace platform {

namespace {

std::function<std::string()>& InstalledSource() {
  static std::function<std::string()> source;
  return source;
}

std::string SystemName() {
  char name[HOST_NAME_MAX + 1] = {};
  return ::gethostname(name, sizeof(name)) == 0 ? std::string(name) : std::string();
}

}  // namespace

int gethostname(char* name, std::size_t length) {
  const std::string machine = InstalledSource() ? InstalledSource()() : SystemName();
  if (machine.empty() || machine.size() + 1 > length) return -1;
  std::memcpy(name, machine.c_str(), machine.size() + 1);
  return 0;
}

void SetMachineNameSource(std::function<std::string()> source) { InstalledSource() = std::move(source); }

}  // namespace platform
