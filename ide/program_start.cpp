#include "ide/program_start.h"

#include <string>

#include "framework/message_box.h"
#include "framework/message_loop.h"
#include "framework/program_end.h"
#include "ide/app_globals.h"
#include "ide/main_window.h"
#include "ide/main_window_start.h"
#include "platform/file_system.h"

namespace {

void ModuleInit1Body() {}

// Every path of the program is built on these folders: one the code page cannot hold would
// leave the settings unread and the libraries unfound. False, after a message naming it, for
// such a folder.
bool FolderCrosses(const std::string& native, const char* role) {
  if (platform::PathFromNative(native)) return true;
  framework::ShowPathMessage(
      std::string(role) + "的路径中有系统编码无法表示的字符，Tavo不能在这里运行。请换一个路径中只有中文、英文字母和数字的文件夹：",
      native);
  return false;
}

bool FoldersCross() {
  return FolderCrosses(platform::NativeProgramDirectory(), "Tavo所在的文件夹") &&
         FolderCrosses(platform::NativeWorkingDirectory(), "启动Tavo的工作文件夹");
}

}  // namespace

int ModuleInit1() {
  ModuleInit1Body();
  return 0;
}

int ModuleInit2() { return 0; }
int ModuleInit3() { return 0; }
int ModuleInit4() { return 0; }

int ProgramStart() {
  if (!FoldersCross()) {
    framework::EndProgram(framework::kFatalStopExitCode);
    return 0;
  }
  InitAppGlobals();
  framework::SetExitRoutine(OnProgramExit);
  ModuleInit1();
  ModuleInit2();
  ModuleInit3();
  ModuleInit4();
  if (CreateMainWindow() == nullptr) {
    framework::FatalStop("载入启动窗口失败");
    return 0;
  }
  MainWindow->Load();
  framework::RunMessageLoop();
  return 0;
}
