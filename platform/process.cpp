#include "platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/code_page.h"
#include "platform/console_script.h"
#include "platform/kernel_objects.h"

extern char** environ;

namespace platform {
namespace {

constexpr char kShell[] = "/bin/sh";
constexpr char kNullDevice[] = "/dev/null";

// Children whose handle was closed while they still ran; reaped later so none stays a zombie.
std::mutex orphansMutex;
std::vector<pid_t> orphans;

void ReapOrphans() {
  std::lock_guard lock(orphansMutex);
  std::erase_if(orphans, [](pid_t pid) { return ::waitpid(pid, nullptr, WNOHANG) != 0; });
}

// Reaps the child if it has ended; true once it has.
bool PollChild(ChildProcess& child) {
  if (child.ended) return true;
  int status = 0;
  pid_t reaped = 0;
  do {
    reaped = ::waitpid(child.pid, &status, WNOHANG);
  } while (reaped < 0 && errno == EINTR);
  if (reaped == 0) return false;
  child.ended = true;
  if (reaped < 0) {
    child.exitCode = 1;  // reaped behind our back: it has ended, with an unknown status
  } else if (WIFEXITED(status)) {
    child.exitCode = static_cast<DWORD>(WEXITSTATUS(status));
  } else {
    child.exitCode = 128 + static_cast<DWORD>(WTERMSIG(status));
  }
  return true;
}

// Points the child's descriptor target at the pipe end behind handle, or at /dev/null.
int AddStandardHandle(posix_spawn_file_actions_t* actions, HANDLE handle, int target, int mode) {
  const int fd = PipeDescriptor(handle);
  if (fd >= 0) return posix_spawn_file_actions_adddup2(actions, fd, target);
  return posix_spawn_file_actions_addopen(actions, target, kNullDevice, mode, 0);
}

int AddStandardHandles(posix_spawn_file_actions_t* actions, const STARTUPINFOA& startup) {
  int error = 0;
  // Outputs first: should a pipe end sit on descriptor 0, it is copied before 0 is reopened.
  if (startup.dwFlags & STARTF_USESTDHANDLES) {
    error = AddStandardHandle(actions, startup.hStdOutput, STDOUT_FILENO, O_WRONLY);
    if (!error) error = AddStandardHandle(actions, startup.hStdError, STDERR_FILENO, O_WRONLY);
    if (!error) error = AddStandardHandle(actions, startup.hStdInput, STDIN_FILENO, O_RDONLY);
  } else {
    error = posix_spawn_file_actions_addopen(actions, STDIN_FILENO, kNullDevice, O_RDONLY, 0);
  }
  return error;
}

// A caller that ignores SIGPIPE must not pass that on to the commands the shell runs. Each child
// leads a process group of its own, so ending it ends whatever its shell started too.
int SetSpawnAttributes(posix_spawnattr_t* attributes) {
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  sigset_t unblocked;
  sigemptyset(&unblocked);
  int error = posix_spawnattr_setsigdefault(attributes, &defaults);
  if (!error) error = posix_spawnattr_setsigmask(attributes, &unblocked);
  if (!error) error = posix_spawnattr_setpgroup(attributes, 0);
  if (!error) {
    error = posix_spawnattr_setflags(attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
  }
  return error;
}

// Starts the program (searched on PATH when it names no folder); -1 when it cannot be started.
pid_t Spawn(const std::vector<std::string>& arguments, const STARTUPINFOA& startup, const char* currentDirectory) {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  posix_spawn_file_actions_init(&actions);
  posix_spawnattr_init(&attributes);
  int error = AddStandardHandles(&actions, startup);
  if (!error && currentDirectory) error = posix_spawn_file_actions_addchdir_np(&actions, currentDirectory);
  if (!error) error = SetSpawnAttributes(&attributes);
  pid_t pid = -1;
  if (!error) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ) != 0) pid = -1;
  }
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// What runs a line of the command interpreter: the shell for "cmd.exe /c", the console window
// for "cmd.exe /k". The line is in the code page; the programs and the files it names see the
// system's encoding. Nothing for any other line.
std::optional<std::vector<std::string>> InterpreterArguments(std::string_view line) {
  if (line.starts_with(kInterpreterPrefix)) {
    return std::vector<std::string>{kShell, "-c", AnsiToNative(std::string(line.substr(std::strlen(kInterpreterPrefix))))};
  }
  if (line.starts_with(kConsolePrefix)) {
    return ConsoleArguments(AnsiToNative(std::string(line.substr(std::strlen(kConsolePrefix)))));
  }
  return std::nullopt;
}

// A descriptor that turns readable when the child ends, or -1 on a kernel without pidfds.
int OpenProcessEndDescriptor(pid_t pid) {
  return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));  // glibc 2.36's wrapper is not C++-ready
}

void KillProcessGroup(pid_t leader) { ::kill(-leader, SIGKILL); }

// Ends the child and everything it started, and reaps it.
void EndChild(ChildProcess& child, DWORD exitCode) {
  if (PollChild(child)) return;
  KillProcessGroup(child.pid);
  while (::waitpid(child.pid, nullptr, 0) < 0 && errno == EINTR) {
  }
  child.ended = true;
  child.exitCode = exitCode;
}

bool IsBrokenAndEmpty(int fd) {
  pollfd state{fd, POLLIN, 0};
  return ::poll(&state, 1, 0) == 1 && (state.revents & POLLHUP) && !(state.revents & POLLIN);
}

}  // namespace

BOOL CreatePipe(HANDLE* readEnd, HANDLE* writeEnd, SECURITY_ATTRIBUTES*, DWORD) {
  if (!readEnd || !writeEnd) return 0;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return 0;
  *readEnd = KernelObjects().Insert(PipeEnd{UniqueFd(fds[0])});
  *writeEnd = KernelObjects().Insert(PipeEnd{UniqueFd(fds[1])});
  return 1;
}

BOOL CreateProcessA(const char* applicationName, char* commandLine, SECURITY_ATTRIBUTES*,
                    SECURITY_ATTRIBUTES*, BOOL, DWORD, void* environment,
                    const char* currentDirectory, STARTUPINFOA* startupInfo,
                    PROCESS_INFORMATION* processInformation) {
  ReapOrphans();
  if (applicationName || environment || !commandLine || !startupInfo || !processInformation) return 0;
  const auto arguments = InterpreterArguments(commandLine);
  if (!arguments) return 0;
  const pid_t pid = Spawn(*arguments, *startupInfo, currentDirectory);
  if (pid < 0) return 0;
  ChildProcess child{pid, UniqueFd(OpenProcessEndDescriptor(pid))};
  processInformation->hProcess = KernelObjects().Insert(std::move(child));
  processInformation->hThread = KernelObjects().Insert(ChildThread{pid});
  processInformation->dwProcessId = static_cast<DWORD>(pid);
  processInformation->dwThreadId = static_cast<DWORD>(pid);
  return 1;
}

BOOL PeekNamedPipe(HANDLE pipe, void* buffer, DWORD bufferSize, DWORD* bytesRead,
                   DWORD* totalBytesAvailable, DWORD* bytesLeftThisMessage) {
  const int fd = PipeDescriptor(pipe);
  if (fd < 0 || (buffer && bufferSize > 0)) return 0;
  int waiting = 0;
  if (::ioctl(fd, FIONREAD, &waiting) != 0) return 0;
  if (waiting == 0 && IsBrokenAndEmpty(fd)) return 0;
  if (bytesRead) *bytesRead = 0;
  if (totalBytesAvailable) *totalBytesAvailable = static_cast<DWORD>(waiting);
  if (bytesLeftThisMessage) *bytesLeftThisMessage = 0;
  return 1;
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, void*) {
  if (bytesRead) *bytesRead = 0;
  const int fd = PipeDescriptor(file);
  if (fd < 0 || (!buffer && bytesToRead > 0)) return 0;
  if (bytesToRead == 0) return 1;
  ssize_t count = 0;
  do {
    count = ::read(fd, buffer, bytesToRead);
  } while (count < 0 && errno == EINTR);
  if (count <= 0) return 0;  // 0: no writer is left, the pipe is broken
  if (bytesRead) *bytesRead = static_cast<DWORD>(count);
  return 1;
}

BOOL GetExitCodeProcess(HANDLE process, DWORD* exitCode) {
  if (!exitCode) return 0;
  bool isProcess = false;
  KernelObjects().Visit(process, [&](KernelObject& object) {
    auto* child = std::get_if<ChildProcess>(&object);
    if (!child) return;
    isProcess = true;
    *exitCode = PollChild(*child) ? child->exitCode : STILL_ACTIVE;
  });
  return isProcess ? 1 : 0;
}

BOOL TerminateProcess(HANDLE process, UINT exitCode) {
  bool isProcess = false;
  KernelObjects().Visit(process, [&](KernelObject& object) {
    auto* child = std::get_if<ChildProcess>(&object);
    if (!child) return;
    isProcess = true;
    EndChild(*child, exitCode);
  });
  return isProcess ? 1 : 0;
}

void TerminateRunningChildren() {
  KernelObjects().ForEach([](KernelObject& object) {
    if (auto* child = std::get_if<ChildProcess>(&object)) EndChild(*child, 1);
  });
  std::lock_guard lock(orphansMutex);
  for (const pid_t orphan : orphans) KillProcessGroup(orphan);
}

BOOL CloseHandle(HANDLE handle) {
  KernelObjects().Visit(handle, [](KernelObject& object) {
    auto* child = std::get_if<ChildProcess>(&object);
    if (child && !PollChild(*child)) {
      std::lock_guard lock(orphansMutex);
      orphans.push_back(child->pid);
    }
  });
  const bool closed = KernelObjects().Erase(handle);
  ReapOrphans();
  return closed ? 1 : 0;
}

BOOL GetVersionExA(OSVERSIONINFOA* info) {
  if (!info) return 0;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  return 1;
}

}  // namespace platform
