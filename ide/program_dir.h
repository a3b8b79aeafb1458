// ProgramDir: the directory of the program file, without a trailing '/', read at each use.
#pragma once

#include <optional>
#include <string>

std::string ProgramDir();

// Test seam: while set, ProgramDir answers this directory instead.
void OverrideProgramDir(std::optional<std::string> directory);
