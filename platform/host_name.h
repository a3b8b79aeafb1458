// gethostname with the result the Windows sockets call gives: the machine's name and its NUL
// written into the buffer and 0, or -1 and nothing written when they do not fit.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace platform {

int gethostname(char* name, std::size_t length);

// Tests give the machine a name of their own; an empty function asks the system again.
void SetMachineNameSource(std::function<std::string()> source);

}  // namespace platform
