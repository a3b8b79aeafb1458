#include "ide/compiler_runner.h"

#include "framework/program_end.h"
#include "ide/data_files.h"
#include "linker/build_resource.h"
#include "platform/dynamic_library.h"
#include "platform/process.h"

namespace {

// The runner of the compiler: BuildResource of liblinker.so, bound at the first build and kept.
// BuildWaiting is set while a build waits in it: the wait dispatches messages, so F5 and the
// compile and link commands can arrive meanwhile, and the runner would answer them with "no
// output", which would run whatever Debug/temp.exe still holds.
struct CompilerRunnerState {
  BuildResourceFunction BoundBuildResource = nullptr;
  bool BuildWaiting = false;
};

CompilerRunnerState CompilerRunner;

constexpr char kBuildResourceExport[] = "BuildResource";

}  // namespace

bool LoadCompilerRunner() {
  BuildResourceFunction& bound = CompilerRunner.BoundBuildResource;
  if (bound != nullptr) return true;
  if (platform::HMODULE library = platform::LoadLibraryA(DataPath(data_file::LinkerLibrary).c_str())) {
    bound = reinterpret_cast<BuildResourceFunction>(platform::GetProcAddress(library, kBuildResourceExport));
  }
  if (bound == nullptr) {
    framework::FatalStop(std::string("无法找到指定DLL库文件“") + data_file::LinkerLibrary.path + "”中的输出命令“" + kBuildResourceExport +
                         "”");
  }
  return bound != nullptr;
}

bool BuildWaiting() { return CompilerRunner.BuildWaiting; }

const char* RunCompiler(const std::string& sourceArgs, const std::string& compilerPath, const std::string& outputPath) {
  CompilerRunner.BuildWaiting = true;
  const char* printed = CompilerRunner.BoundBuildResource(sourceArgs.c_str(), compilerPath.c_str(), outputPath.c_str());
  CompilerRunner.BuildWaiting = false;
  return printed;
}

void EndWaitingBuild() {
  if (CompilerRunner.BuildWaiting) platform::TerminateRunningChildren();
}

void ResetCompilerRunner() { CompilerRunner = {}; }
