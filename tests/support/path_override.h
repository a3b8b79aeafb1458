// PATH while one lives: by default the test console of tests/fixtures/console (a stand-in for
// xterm that needs no display) comes first; a PATH without it and without the system's
// folders leaves no console program to find.
#pragma once

#include <stdlib.h>

#include <string>

inline constexpr char kTestConsoleFolder[] = TAVO_TEST_FIXTURES "/console";

class PathOverride {
 public:
  explicit PathOverride(const std::string& path = std::string(kTestConsoleFolder) + ":" + getenv("PATH"))
      : saved_(getenv("PATH")) {
    setenv("PATH", path.c_str(), 1);
  }
  ~PathOverride() { setenv("PATH", saved_.c_str(), 1); }
  PathOverride(const PathOverride&) = delete;
  PathOverride& operator=(const PathOverride&) = delete;

 private:
  std::string saved_;
};
