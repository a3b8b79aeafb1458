#include "ide/program_start.h"

#include "framework/message_loop.h"
#include "framework/program_end.h"
#include "ide/app_globals.h"
#include "ide/main_window.h"
#include "ide/main_window_start.h"

namespace {

void ModuleInit1Body() {}

}  // namespace

int ModuleInit1() {
  ModuleInit1Body();
  return 0;
}

int ModuleInit2() { return 0; }
int ModuleInit3() { return 0; }
int ModuleInit4() { return 0; }

int ProgramStart() {
  InitAppGlobals();
  framework::SetExitRoutine(OnProgramExit);
  ModuleInit1();
  ModuleInit2();
  ModuleInit3();
  ModuleInit4();
  MainWindow = CreateMainWindow();
  if (MainWindow == nullptr) {
    framework::FatalStop("载入启动窗口失败");
    return 0;
  }
  MainWindow->Load();
  framework::RunMessageLoop();
  return 0;
}
