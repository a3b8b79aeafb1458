#include "platform/dynamic_library.h"

#include <dlfcn.h>
#include <link.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/handle_table.h"
#include "platform/shared_object_extent.h"

namespace platform {
namespace {

struct LoadedLibrary {
  void* library = nullptr;
  int loads = 0;
};

HandleTable<HMODULE, LoadedLibrary>& Libraries() {
  static HandleTable<HMODULE, LoadedLibrary> table;
  return table;
}

thread_local std::string lastError;

// Null, as the failing call returns it.
std::nullptr_t Failed(std::string reason) {
  lastError = std::move(reason);
  return nullptr;
}

// What the loader said of the call that has just failed; the fallback when it said nothing.
std::string LoaderError(std::string fallback) {
  const char* said = ::dlerror();
  return said ? NativeToAnsi(said) : std::move(fallback);
}

// Windows passes an ordinal as a number below 0x10000 in place of the name.
bool IsOrdinal(const char* procName) {
  return reinterpret_cast<std::uintptr_t>(procName) < 0x10000 || procName[0] == '#';
}

// dlsym also searches the libraries that this one uses, so a plug-in would otherwise "export"
// every function of the C library (puts, system). Only a symbol that the library itself
// defines counts.
bool DefinedBy(void* library, void* symbol) {
  link_map* own = nullptr;
  if (::dlinfo(library, RTLD_DI_LINKMAP, &own) != 0) return false;
  Dl_info info{};
  link_map* definer = nullptr;
  return ::dladdr1(symbol, &info, reinterpret_cast<void**>(&definer), RTLD_DL_LINKMAP) != 0 && definer == own;
}

}  // namespace

HMODULE LoadLibraryA(const char* fileName) {
  if (!fileName || !*fileName) return Failed("no file name given");
  const std::optional<std::string> native = NativePath(fileName);
  if (!native) return Failed(std::string(fileName) + ": the name cannot be spelled in the file system's encoding");
  if (native->find('/') != std::string::npos) {  // a bare name is searched for, not opened here
    if (const std::optional<std::string> cutOff = CutOffSharedObject(*native)) return Failed(std::string(fileName) + ": " + *cutOff);
  }
  void* library = ::dlopen(native->c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) return Failed(LoaderError(std::string(fileName) + ": cannot be loaded"));
  const HMODULE known = Libraries().FindIf([&](const LoadedLibrary& loaded) { return loaded.library == library; });
  if (!known) return Libraries().Insert(LoadedLibrary{library, 1});
  Libraries().Visit(known, [](LoadedLibrary& loaded) { ++loaded.loads; });
  return known;
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
  if (IsOrdinal(procName)) return Failed("ordinals name no function of a shared object");
  void* symbol = nullptr;
  std::string reason = "no library loaded under this handle";
  Libraries().Visit(module, [&](LoadedLibrary& loaded) {
    ::dlerror();  // dlsym reports its failure only there
    symbol = ::dlsym(loaded.library, procName);
    if (!symbol) {
      reason = LoaderError(std::string("undefined symbol: ") + procName);
    } else if (!DefinedBy(loaded.library, symbol)) {
      symbol = nullptr;
      reason = std::string("undefined symbol: ") + procName + " (only a library that this one uses defines it)";
    }
  });
  if (!symbol) return Failed(std::move(reason));
  return reinterpret_cast<FARPROC>(symbol);
}

BOOL FreeLibrary(HMODULE module) {
  bool lastLoad = false;
  const bool known = Libraries().Visit(module, [&](LoadedLibrary& loaded) {
    ::dlclose(loaded.library);
    lastLoad = --loaded.loads == 0;
  });
  if (lastLoad) Libraries().Erase(module);
  return known ? 1 : 0;
}

std::string LastLibraryError() { return lastError; }

}  // namespace platform
