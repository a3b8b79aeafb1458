// Whether a shared object's file holds all that its own headers place in it. The system loader
// maps the parts the headers name without comparing them with the file's length, and the first
// touch of a part past the end of the file ends the process (SIGBUS): what a plug-in copied or
// downloaded only in part would do to the program that loads it.
#pragma once

#include <optional>
#include <string>

namespace platform {

// Why the file (a path in the file system's encoding, with a folder) cannot be loaded when it is an ELF object
// of this machine's class that ends before the headers or segments it names; nothing for any
// other file, whole, missing or no ELF object at all, which the loader judges itself.
std::optional<std::string> CutOffSharedObject(const std::string& nativePath);

}  // namespace platform
