// The Windows process and pipe calls over POSIX, with the record shapes the callers fill in.
//
// Handles are opaque numbers from a table (pipe ends, processes and their main threads); a
// closed or made-up handle is not found and the call fails. Every descriptor behind a handle is
// close-on-exec: a child gets only the standard handles its startup record names, so a pipe
// breaks once the child and everything it started have ended. The inherit flags of the
// security attributes and of CreateProcessA are therefore accepted and change nothing.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

namespace platform {

using DWORD = std::uint32_t;
using WORD = std::uint16_t;

struct SECURITY_ATTRIBUTES {
  DWORD nLength = 0;
  void* lpSecurityDescriptor = nullptr;
  BOOL bInheritHandle = 0;
};

struct STARTUPINFOA {
  DWORD cb = 0;
  char* lpReserved = nullptr;
  char* lpDesktop = nullptr;
  char* lpTitle = nullptr;
  DWORD dwX = 0;
  DWORD dwY = 0;
  DWORD dwXSize = 0;
  DWORD dwYSize = 0;
  DWORD dwXCountChars = 0;
  DWORD dwYCountChars = 0;
  DWORD dwFillAttribute = 0;
  DWORD dwFlags = 0;
  WORD wShowWindow = 0;
  WORD cbReserved2 = 0;
  unsigned char* lpReserved2 = nullptr;
  HANDLE hStdInput = nullptr;
  HANDLE hStdOutput = nullptr;
  HANDLE hStdError = nullptr;
};

struct PROCESS_INFORMATION {
  HANDLE hProcess = nullptr;
  HANDLE hThread = nullptr;
  DWORD dwProcessId = 0;
  DWORD dwThreadId = 0;
};

struct OSVERSIONINFOA {
  DWORD dwOSVersionInfoSize = 0;
  DWORD dwMajorVersion = 0;
  DWORD dwMinorVersion = 0;
  DWORD dwBuildNumber = 0;
  DWORD dwPlatformId = 0;
  char szCSDVersion[128] = {};
};

constexpr DWORD STARTF_USESHOWWINDOW = 0x00000001;
constexpr DWORD STARTF_USESTDHANDLES = 0x00000100;
constexpr DWORD STILL_ACTIVE = 259;
constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

// The command interpreter: a command line that begins with this runs the rest with /bin/sh -c.
inline constexpr char kInterpreterPrefix[] = "cmd.exe /c ";
// A command line that begins with this runs the rest in a console window of its own
// (platform/console_script.h), which takes the keyboard and shows the output.
inline constexpr char kConsolePrefix[] = "cmd.exe /k ";

// An anonymous pipe; the size is advisory and ignored.
BOOL CreatePipe(HANDLE* readEnd, HANDLE* writeEnd, SECURITY_ATTRIBUTES* attributes, DWORD size);

// Starts commandLine, which must begin with kInterpreterPrefix or kConsolePrefix (any other
// line, an application name or an environment block of its own fails, and so does a console
// whose program is missing). The line is in the code page; the shell or the console gets it
// in the system's encoding, as the file routines hand over paths. With STARTF_USESTDHANDLES
// the child's standard output and error are the pipe ends hStdOutput and hStdError, and its
// input hStdInput; a null or unknown handle there is /dev/null. Without it the child writes to
// the caller's own output and error. Its input is never the caller's terminal. The show-window
// field and the creation flags are accepted: a shell child has no window, a console always
// shows one. Thread handle and id name its main thread.
BOOL CreateProcessA(const char* applicationName, char* commandLine,
                    SECURITY_ATTRIBUTES* processAttributes, SECURITY_ATTRIBUTES* threadAttributes,
                    BOOL inheritHandles, DWORD creationFlags, void* environment,
                    const char* currentDirectory, STARTUPINFOA* startupInfo,
                    PROCESS_INFORMATION* processInformation);

// Only the counts: POSIX pipes cannot be peeked, so a call that asks for bytes fails. The count
// waiting goes to totalBytesAvailable. A pipe that is broken (no writer left) and empty fails
// and writes nothing, as on Windows.
BOOL PeekNamedPipe(HANDLE pipe, void* buffer, DWORD bufferSize, DWORD* bytesRead,
                   DWORD* totalBytesAvailable, DWORD* bytesLeftThisMessage);

// Blocks until at least one byte arrives. At the end of a broken pipe it fails with 0 bytes read.
BOOL ReadFile(HANDLE file, void* buffer, DWORD bytesToRead, DWORD* bytesRead, void* overlapped);

// STILL_ACTIVE while the child runs; afterwards its exit status (128 + the signal's number for
// a child ended by a signal). The child is reaped here.
BOOL GetExitCodeProcess(HANDLE process, DWORD* exitCode);

// Ends the child with everything it started (its process group) and reaps it; exitCode becomes
// its exit code. Fails for a handle that is no process; a child that has ended stays as it was.
BOOL TerminateProcess(HANDLE process, UINT exitCode);

// Ends every child started here that still runs, handle closed or not, with what it started:
// for a program that must end while a compiler or console of its own still runs.
void TerminateRunningChildren();

BOOL CloseHandle(HANDLE handle);

// Reports the NT family (VER_PLATFORM_WIN32_NT); the version numbers stay 0.
BOOL GetVersionExA(OSVERSIONINFOA* info);

}  // namespace platform
