// Loading shared libraries and binding their functions by name, over dlopen and dlsym.
#pragma once

#include <string>

#include "platform/win_types.h"

namespace platform {

struct HMODULE__;
using HMODULE = HMODULE__*;
using FARPROC = void (*)();

// A path with a slash is used as it stands, a bare name is searched as dlopen does. The name is
// in the code page and reaches the system in its own encoding, as the file routines hand over
// paths; one that cannot cross loads nothing, and nor does a file cut off before the parts its
// headers name (the loader would end the process on it). Loading a library that is loaded
// already returns the same handle and counts one more load.
HMODULE LoadLibraryA(const char* fileName);
// Null for an unknown name or handle, and for a function that the library only uses (one of
// another library it depends on). An ordinal ("#N", or a small number in place of the
// pointer) binds nothing: shared objects have no ordinals.
FARPROC GetProcAddress(HMODULE module, const char* procName);
// Undoes one load; the library goes when its last load is undone.
BOOL FreeLibrary(HMODULE module);

// Why the last LoadLibraryA or GetProcAddress of this thread that failed did, as GetLastError
// tells it on Windows: the system loader's own words (dlerror, which names the file), in the
// code page, or words of the same kind for what never reached the loader. A call that succeeds
// leaves it as it was.
std::string LastLibraryError();

}  // namespace platform
