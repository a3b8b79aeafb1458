#include "platform/kernel_objects.h"

namespace platform {
namespace {

template <typename Object>
int DescriptorOf(HANDLE handle, UniqueFd Object::*member) {
  int fd = -1;
  KernelObjects().Visit(handle, [&](KernelObject& object) {
    if (auto* found = std::get_if<Object>(&object)) fd = (found->*member).Get();
  });
  return fd;
}

}  // namespace

HandleTable<HANDLE, KernelObject>& KernelObjects() {
  static HandleTable<HANDLE, KernelObject> table;
  return table;
}

int PipeDescriptor(HANDLE handle) { return DescriptorOf(handle, &PipeEnd::fd); }

int ProcessEndDescriptor(HANDLE handle) { return DescriptorOf(handle, &ChildProcess::endFd); }

}  // namespace platform
