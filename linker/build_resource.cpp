#include "linker/build_resource.h"

#include <array>
#include <cfenv>
#include <optional>
#include <string>

#include "platform/message_pump.h"
#include "platform/process.h"
#include "platform/window.h"

namespace {

constexpr platform::DWORD kChunkBytes = 1023;
// A compiler that prints without end must not take all the memory: past this much the child is
// ended and the output says why.
constexpr std::size_t kOutputBound = 16 * 1024 * 1024;
constexpr char kOutputBoundNote[] = "\nTavo: error: 编译器输出超过 16 MB，已停止编译器。\n";
constexpr platform::UINT kStoppedExitCode = 1;
// The longest wait of one turn while the compiler runs. The wait ends sooner on output, on the
// compiler's end and on any window event, so this bound only caps a turn that sees none.
constexpr platform::UINT kWaitTurnMilliseconds = 10;

platform::SECURITY_ATTRIBUTES pipeAttributes;
platform::HANDLE pipeRead = nullptr;
platform::HANDLE pipeWrite = nullptr;
platform::STARTUPINFOA startupInfo;
platform::PROCESS_INFORMATION processInfo;
platform::DWORD bytesAvailable = 0;  // shared by the peek and the read
std::array<char, kChunkBytes + 1> readBuffer{};
platform::DWORD exitCode = 0;
std::optional<std::string> lastResult;
bool buildRunning = false;

void LibraryInit() { std::fesetenv(FE_DFL_ENV); }

void ReleaseLibraryGlobals() { lastResult.reset(); }

// Defined after the globals, so it is made after them when the library is loaded and goes
// before them when it is unloaded.
struct LibraryLifetime {
  LibraryLifetime() { LibraryInit(); }
  ~LibraryLifetime() { ReleaseLibraryGlobals(); }
} libraryLifetime;

std::string TextOrEmpty(const char* text) { return text ? text : ""; }

std::string InterpreterPrefix() {
  platform::OSVERSIONINFOA version;
  version.dwOSVersionInfoSize = sizeof(version);
  platform::GetVersionExA(&version);
  if (version.dwPlatformId == platform::VER_PLATFORM_WIN32_NT) return platform::kInterpreterPrefix;
  return "command.com /c ";
}

bool StartCompiler(const std::string& sourceArgs, const std::string& compilerPath,
                   const std::string& outputPath) {
  startupInfo.cb = sizeof(startupInfo);
  startupInfo.dwFlags = platform::STARTF_USESHOWWINDOW | platform::STARTF_USESTDHANDLES;
  startupInfo.wShowWindow = platform::SW_HIDE;
  startupInfo.hStdOutput = pipeWrite;
  startupInfo.hStdError = pipeWrite;
  std::string commandLine = InterpreterPrefix() + compilerPath + " " + sourceArgs + "  -o   " + outputPath;
  return platform::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, 1, 0, nullptr,
                                  nullptr, &startupInfo, &processInfo);
}

// One read of at most kChunkBytes, taken as text up to its first zero byte. Nothing is put
// between chunks: a chunk ends wherever the pipe had no more, often inside a line.
void AppendChunk(std::string& collectedOutput) {
  readBuffer.fill('\0');
  platform::ReadFile(pipeRead, readBuffer.data(), kChunkBytes, &bytesAvailable, nullptr);
  collectedOutput += readBuffer.data();
}

void StopAtBound(std::string& collectedOutput) {
  platform::TerminateProcess(processInfo.hProcess, kStoppedExitCode);
  collectedOutput += kOutputBoundNote;
}

std::string CollectUntilEnded() {
  std::string collectedOutput;  // appended in place: linear in the size of the output
  for (;;) {
    // A failed peek (the pipe is broken and empty) leaves bytesAvailable as it was.
    platform::PeekNamedPipe(pipeRead, nullptr, 0, nullptr, &bytesAvailable, nullptr);
    if (bytesAvailable != 0) {
      AppendChunk(collectedOutput);
      if (collectedOutput.size() > kOutputBound) {
        StopAtBound(collectedOutput);
        return collectedOutput;
      }
      platform::DispatchPendingMessages();
      continue;
    }
    platform::GetExitCodeProcess(processInfo.hProcess, &exitCode);
    if (exitCode != platform::STILL_ACTIVE) return collectedOutput;
    // Sleeps until there is something to do, instead of spinning a whole core for the build.
    platform::WaitForPipeProcessOrMessage(pipeRead, processInfo.hProcess, kWaitTurnMilliseconds);
  }
}

std::optional<std::string> RunAndCapture(const std::string& sourceArgs, const std::string& compilerPath,
                                         const std::string& outputPath) {
  pipeAttributes = {sizeof(pipeAttributes), nullptr, 1};
  if (!platform::CreatePipe(&pipeRead, &pipeWrite, &pipeAttributes, 0)) return std::nullopt;
  if (!StartCompiler(sourceArgs, compilerPath, outputPath)) {
    platform::CloseHandle(pipeRead);
    platform::CloseHandle(pipeWrite);
    return std::nullopt;
  }
  platform::CloseHandle(pipeWrite);  // the child holds its own copy
  std::string collectedOutput = CollectUntilEnded();
  platform::CloseHandle(pipeRead);
  platform::CloseHandle(processInfo.hProcess);
  platform::CloseHandle(processInfo.hThread);
  if (collectedOutput.empty()) return std::nullopt;
  return "\r\n" + collectedOutput;
}

}  // namespace

const char* BuildResource(const char* sourceArgs, const char* compilerPath, const char* outputPath) {
  // The wait dispatches the caller's messages, which may ask for another build meanwhile.
  if (buildRunning) return nullptr;
  buildRunning = true;
  std::optional<std::string> result =
      RunAndCapture(TextOrEmpty(sourceArgs), TextOrEmpty(compilerPath), TextOrEmpty(outputPath));
  buildRunning = false;
  lastResult = std::move(result);
  return lastResult ? lastResult->c_str() : nullptr;
}
