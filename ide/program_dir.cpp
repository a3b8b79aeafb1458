#include "ide/program_dir.h"

#include <utility>

#include "platform/file_system.h"

namespace {

std::optional<std::string>& Override() {
  static std::optional<std::string> directory;
  return directory;
}

}  // namespace

std::string ProgramDir() { return Override().value_or(platform::ProgramDirectory()); }

void OverrideProgramDir(std::optional<std::string> directory) { Override() = std::move(directory); }
