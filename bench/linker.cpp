// Measures BuildResource against running the same command directly: the wall time of a real
// compile and of 10 MB of output, and the caller's processor time while the compiler sleeps.
// Prints medians of several runs.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "linker/build_resource.h"
#include "platform/dynamic_library.h"
#include "tests/support/temporary_folder.h"

extern char** environ;

namespace {

constexpr int kRuns = 21;
constexpr char kTenMegabytes[] = "head -c 10000000 /dev/zero | tr '\\000' a #";

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) { return std::chrono::duration<double>(duration).count(); }

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double WallTime(const std::function<void()>& run) {
  const auto start = Clock::now();
  run();
  return Seconds(Clock::now() - start);
}

// The command line BuildResource gives the interpreter, run by hand: its output read from a pipe
// in large blocks until the end, then the child reaped.
std::size_t RunDirectly(const std::string& line) {
  int fds[2];
  if (pipe(fds) != 0) std::abort();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  char* argv[] = {const_cast<char*>("/bin/sh"), const_cast<char*>("-c"), const_cast<char*>(line.c_str()), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, "/bin/sh", &actions, nullptr, argv, environ) != 0) std::abort();
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  std::string output;
  char buffer[65536];
  for (ssize_t count; (count = read(fds[0], buffer, sizeof buffer)) > 0;) output.append(buffer, count);
  close(fds[0]);
  waitpid(pid, nullptr, 0);
  return output.size();
}

struct Command {
  const char* sourceArgs;
  std::string compiler;
  const char* outputPath;

  std::string Line() const { return compiler + " " + sourceArgs + "  -o   " + outputPath; }
};

// The two ways take turns, so that caches and the machine's load treat them alike.
void CompareWallTimes(const char* label, BuildResourceFunction build, const Command& command, const char* target) {
  std::vector<double> viaLibrary;
  std::vector<double> direct;
  for (int i = 0; i < kRuns; ++i) {
    viaLibrary.push_back(WallTime([&] { build(command.sourceArgs, command.compiler.c_str(), command.outputPath); }));
    direct.push_back(WallTime([&] { RunDirectly(command.Line()); }));
  }
  const double library = Median(viaLibrary);
  const double itself = Median(direct);
  std::printf("%-24s BuildResource %7.1f ms   direct %7.1f ms   ratio %.3f   (%s)\n", label, library * 1e3,
              itself * 1e3, library / itself, target);
}

void MeasureWaitingProcessorTime(BuildResourceFunction build) {
  std::vector<double> shares;
  for (int i = 0; i < 3; ++i) {
    const double processorBefore = ProcessorSeconds();
    const auto start = Clock::now();
    build("", "sleep 1 #", "");
    shares.push_back((ProcessorSeconds() - processorBefore) / Seconds(Clock::now() - start));
  }
  std::printf("%-24s %.2f %% of a core   (target at most 5 %%)\n", "processor while waiting", Median(shares) * 100);
}

std::string WriteHelloSource() {
  const std::string folder = MakeTemporaryFolder("tavo-bench");
  if (folder.empty()) std::abort();
  const std::string source = folder + "/hello.c";
  std::ofstream(source) << "#include <stdio.h>\nint main(void) { printf(\"hello\\n\"); return 0; }\n";
  return source;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // the caller's event loop, as in the IDE
  const platform::HMODULE library = platform::LoadLibraryA(TAVO_DIST_DIR "/liblinker.so");
  const auto build = reinterpret_cast<BuildResourceFunction>(platform::GetProcAddress(library, "BuildResource"));
  if (!build) {
    std::fprintf(stderr, "cannot bind BuildResource in %s/liblinker.so\n", TAVO_DIST_DIR);
    return 1;
  }
  const std::string source = WriteHelloSource();
  const std::string program = source + ".exe";
  std::printf("medians of %d runs\n", kRuns);
  CompareWallTimes("compile hello.c", build, {source.c_str(), TAVO_DIST_DIR "/Compiler/gcc", program.c_str()},
                   "target ratio at most 1.05");
  CompareWallTimes("10 MB of output", build, {"", kTenMegabytes, ""}, "target under 1000 ms");
  std::printf("%-24s %zu bytes, the leading CR LF included\n", "captured", std::strlen(build("", kTenMegabytes, "")));
  MeasureWaitingProcessorTime(build);
  std::filesystem::remove_all(std::filesystem::path(source).parent_path());
  return 0;
}
