// The objects behind process, thread and pipe handles, shared by the process calls and the
// message pump's wait.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <variant>

#include "platform/handle_table.h"
#include "platform/unique_fd.h"
#include "platform/win_types.h"

namespace platform {

struct PipeEnd {
  UniqueFd fd;
};

struct ChildProcess {
  pid_t pid = 0;
  UniqueFd endFd;  // a pidfd, readable once the child has ended; invalid where the kernel has none
  bool ended = false;
  std::uint32_t exitCode = 0;
};

struct ChildThread {
  pid_t pid = 0;
};

using KernelObject = std::variant<PipeEnd, ChildProcess, ChildThread>;

HandleTable<HANDLE, KernelObject>& KernelObjects();

// The descriptor of a pipe end, or -1 when the handle is not one.
int PipeDescriptor(HANDLE handle);
// A descriptor that becomes readable when the process ends, or -1 when there is none.
int ProcessEndDescriptor(HANDLE handle);

}  // namespace platform
