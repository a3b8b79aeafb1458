// A new folder under TMPDIR (or /tmp), for tests and benchmarks that make their own files.
#pragma once

#include <stdlib.h>

#include <string>

// Empty when no folder could be made.
inline std::string MakeTemporaryFolder(const std::string& prefix) {
  const char* base = getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "-XXXXXX";
  return mkdtemp(pattern.data()) ? pattern : std::string();
}
