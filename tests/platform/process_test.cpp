#include "platform/process.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/message_pump.h"
#include "tests/support/shell_child.h"

namespace {

using namespace platform;
using shell_child::MakePipe;
using shell_child::Pipe;
using shell_child::Start;

constexpr DWORD kUntouched = 77;

std::string ReadAll(HANDLE pipe) {
  std::string text;
  char buffer[256];
  DWORD count = 0;
  while (ReadFile(pipe, buffer, sizeof(buffer), &count, nullptr)) text.append(buffer, count);
  EXPECT_EQ(count, 0u);
  return text;
}

DWORD WaitForExit(const PROCESS_INFORMATION& info) {
  DWORD code = STILL_ACTIVE;
  while (GetExitCodeProcess(info.hProcess, &code) && code == STILL_ACTIVE) {
    WaitForPipeProcessOrMessage(nullptr, info.hProcess, 1000);
  }
  return code;
}

// Runs a command to its end and returns what it printed.
std::string Capture(const std::string& command, DWORD* exitCode = nullptr, const char* directory = nullptr) {
  const Pipe pipe = MakePipe();
  const PROCESS_INFORMATION info = Start(command, pipe.write, directory);
  CloseHandle(pipe.write);
  std::string text = ReadAll(pipe.read);
  const DWORD code = WaitForExit(info);
  if (exitCode) *exitCode = code;
  CloseHandle(pipe.read);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return text;
}

TEST(Process, OutputAndErrorShareThePipeInTheOrderWritten) {
  DWORD code = 0;
  EXPECT_EQ(Capture("echo out; echo err >&2; echo more", &code), "out\nerr\nmore\n");
  EXPECT_EQ(code, 0u);
}

TEST(Process, ExitCodeIsStillActiveUntilTheChildEnds) {
  const Pipe pipe = MakePipe();
  const PROCESS_INFORMATION info = Start("sleep 0.2; exit 4", pipe.write);
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeProcess(info.hProcess, &code));
  EXPECT_EQ(code, STILL_ACTIVE);
  EXPECT_EQ(WaitForExit(info), 4u);
  ASSERT_TRUE(GetExitCodeProcess(info.hProcess, &code));  // the reaped child keeps its code
  EXPECT_EQ(code, 4u);
  for (HANDLE handle : {pipe.read, pipe.write, info.hProcess, info.hThread}) EXPECT_TRUE(CloseHandle(handle));
}

TEST(Process, ChildEndedBySignalReportsTheSignal) {
  DWORD code = 0;
  Capture("kill -TERM $$", &code);
  EXPECT_EQ(code, 128u + 15u);
}

// The pipe breaks only once the sleep the shell started has ended as well.
TEST(Process, TerminateEndsTheChildWithWhatItStarted) {
  const Pipe pipe = MakePipe();
  const PROCESS_INFORMATION info = Start("sleep 30 & sleep 30; echo late", pipe.write);
  CloseHandle(pipe.write);
  ASSERT_TRUE(TerminateProcess(info.hProcess, 9));
  EXPECT_EQ(ReadAll(pipe.read), "");
  EXPECT_EQ(WaitForExit(info), 9u);
  EXPECT_TRUE(TerminateProcess(info.hProcess, 5));  // an ended child keeps its code
  EXPECT_EQ(WaitForExit(info), 9u);
  EXPECT_FALSE(TerminateProcess(pipe.read, 1));
  for (HANDLE handle : {pipe.read, info.hProcess, info.hThread}) CloseHandle(handle);
}

TEST(Process, TerminateRunningChildrenEndsOpenAndClosedHandles) {
  const Pipe open = MakePipe();
  const Pipe closed = MakePipe();
  const PROCESS_INFORMATION kept = Start("sleep 30", open.write);
  const PROCESS_INFORMATION dropped = Start("sleep 30", closed.write);
  for (HANDLE handle : {open.write, closed.write, dropped.hProcess, dropped.hThread}) CloseHandle(handle);
  TerminateRunningChildren();
  EXPECT_EQ(ReadAll(open.read), "");
  EXPECT_EQ(ReadAll(closed.read), "");
  EXPECT_NE(WaitForExit(kept), STILL_ACTIVE);
  for (HANDLE handle : {open.read, closed.read, kept.hProcess, kept.hThread}) CloseHandle(handle);
}

TEST(Process, ChildInputIsTheNullDevice) {
  EXPECT_EQ(Capture("readlink /proc/self/fd/0"), "/dev/null\n");
}

TEST(Process, ChildStartsInTheGivenDirectory) {
  EXPECT_EQ(Capture("pwd", nullptr, "/"), "/\n");
}

TEST(Process, PeekCountsWaitingBytesAndFailsOnceThePipeIsBrokenAndEmpty) {
  const Pipe pipe = MakePipe();
  const PROCESS_INFORMATION info = Start("printf abc", pipe.write);
  CloseHandle(pipe.write);
  WaitForExit(info);
  DWORD available = kUntouched;
  ASSERT_TRUE(PeekNamedPipe(pipe.read, nullptr, 0, nullptr, &available, nullptr));
  EXPECT_EQ(available, 3u);
  char buffer[8] = {};
  EXPECT_FALSE(PeekNamedPipe(pipe.read, buffer, sizeof(buffer), nullptr, &available, nullptr));
  EXPECT_EQ(ReadAll(pipe.read), "abc");
  available = kUntouched;
  EXPECT_FALSE(PeekNamedPipe(pipe.read, nullptr, 0, nullptr, &available, nullptr));
  EXPECT_EQ(available, kUntouched);
  for (HANDLE handle : {pipe.read, info.hProcess, info.hThread}) CloseHandle(handle);
}

// A child started later must not hold an earlier pipe open: its ends are close-on-exec. (Until
// its exec completes it still may, so the test waits for the break.)
TEST(Process, PipeBreaksWhenItsOwnChildEndsWhileAnotherRuns) {
  const Pipe quickPipe = MakePipe();
  const Pipe slowPipe = MakePipe();
  const PROCESS_INFORMATION slow = Start("sleep 2", slowPipe.write);
  const PROCESS_INFORMATION quick = Start("true", quickPipe.write);
  CloseHandle(quickPipe.write);
  WaitForExit(quick);
  DWORD available = kUntouched;
  while (PeekNamedPipe(quickPipe.read, nullptr, 0, nullptr, &available, nullptr)) {
    WaitForPipeProcessOrMessage(quickPipe.read, nullptr, 100);
  }
  DWORD code = 0;
  ASSERT_TRUE(GetExitCodeProcess(slow.hProcess, &code));
  EXPECT_EQ(code, STILL_ACTIVE);
  // Closing a running child's handle leaves the child running; it is reaped later.
  for (HANDLE handle : {quickPipe.read, slowPipe.read, slowPipe.write, quick.hProcess, quick.hThread,
                        slow.hProcess, slow.hThread}) {
    EXPECT_TRUE(CloseHandle(handle));
  }
}

TEST(Process, ClosedAndForeignHandlesFail) {
  const Pipe pipe = MakePipe();
  const PROCESS_INFORMATION info = Start("true", pipe.write);
  DWORD value = kUntouched;
  EXPECT_FALSE(GetExitCodeProcess(pipe.read, &value));
  EXPECT_FALSE(GetExitCodeProcess(info.hThread, &value));
  EXPECT_FALSE(PeekNamedPipe(info.hProcess, nullptr, 0, nullptr, &value, nullptr));
  char byte = 0;
  EXPECT_FALSE(ReadFile(info.hProcess, &byte, 1, &value, nullptr));
  EXPECT_EQ(value, 0u);
  WaitForExit(info);
  for (HANDLE handle : {pipe.read, pipe.write, info.hProcess, info.hThread}) {
    EXPECT_TRUE(CloseHandle(handle));
    EXPECT_FALSE(CloseHandle(handle));
  }
  EXPECT_FALSE(ReadFile(pipe.read, &byte, 1, &value, nullptr));
  EXPECT_FALSE(GetExitCodeProcess(info.hProcess, &value));
  EXPECT_FALSE(CloseHandle(reinterpret_cast<HANDLE>(0x7fff0000)));
}

TEST(Process, OnlyInterpreterAndConsoleCommandLinesStart) {
  STARTUPINFOA startup;
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info;
  for (std::string line : {"sh -c true", "cmd.exe /q true", "cmd.exe"}) {
    EXPECT_FALSE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, 1, 0, nullptr, nullptr, &startup, &info))
        << line;
  }
  std::string line = std::string(kInterpreterPrefix) + "true";
  EXPECT_FALSE(CreateProcessA("/bin/true", line.data(), nullptr, nullptr, 1, 0, nullptr, nullptr, &startup, &info));
  EXPECT_EQ(info.hProcess, nullptr);
}

TEST(Process, VersionIsTheNtFamily) {
  OSVERSIONINFOA version;
  version.dwOSVersionInfoSize = sizeof(version);
  ASSERT_TRUE(GetVersionExA(&version));
  EXPECT_EQ(version.dwPlatformId, VER_PLATFORM_WIN32_NT);
}

}  // namespace
