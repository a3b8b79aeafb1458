// Starting shell commands through the process stand-ins.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/process.h"

namespace shell_child {

struct Pipe {
  platform::HANDLE read = nullptr;
  platform::HANDLE write = nullptr;
};

inline Pipe MakePipe() {
  Pipe pipe;
  platform::SECURITY_ATTRIBUTES attributes{sizeof(platform::SECURITY_ATTRIBUTES), nullptr, 1};
  EXPECT_TRUE(platform::CreatePipe(&pipe.read, &pipe.write, &attributes, 0));
  return pipe;
}

// Starts a shell command with its output and error on the pipe's write end.
inline platform::PROCESS_INFORMATION Start(const std::string& command, platform::HANDLE output,
                                           const char* directory = nullptr) {
  platform::STARTUPINFOA startup;
  startup.cb = sizeof(startup);
  startup.dwFlags = platform::STARTF_USESHOWWINDOW | platform::STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  std::string line = platform::kInterpreterPrefix + command;
  platform::PROCESS_INFORMATION info;
  EXPECT_TRUE(platform::CreateProcessA(nullptr, line.data(), nullptr, nullptr, 1, 0, nullptr, directory,
                                       &startup, &info));
  return info;
}

}  // namespace shell_child
