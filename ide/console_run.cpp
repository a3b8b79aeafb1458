#include "ide/console_run.h"

#include "framework/message_box.h"
#include "platform/console_script.h"
#include "platform/message_pump.h"
#include "platform/process.h"
#include "platform/window.h"

bool RunInConsole(const std::string& commands) {
  std::string commandLine = platform::kConsolePrefix + commands;
  platform::STARTUPINFOA startup;
  startup.cb = sizeof(startup);
  startup.dwFlags = platform::STARTF_USESHOWWINDOW;
  startup.wShowWindow = platform::SW_SHOWNORMAL;
  platform::PROCESS_INFORMATION process;
  if (!platform::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, 0, 0, nullptr, nullptr, &startup,
                                &process)) {
    framework::MessageBox(std::string("无法打开运行程序的控制台窗口：找不到程序“") + platform::kConsoleProgram + "”。",
                          std::string(), framework::MB_ICONERROR);
    return false;
  }
  platform::WaitForProcessEndWithoutInput(process.hProcess);
  platform::DWORD status = 0;
  platform::GetExitCodeProcess(process.hProcess, &status);
  platform::CloseHandle(process.hProcess);
  platform::CloseHandle(process.hThread);
  // The console ends with status 0 however the program inside it ended, and also when the user
  // closes its window; any other status is its own failure: no display to show on, a terminal
  // it could not open, its window lost.
  if (status == 0) return true;
  framework::MessageBox(std::string("运行程序的控制台窗口异常结束（") + platform::kConsoleProgram + "的退出状态为" +
                            std::to_string(status) + "），程序可能没有运行。请确认图形显示可用后再试。",
                        std::string(), framework::MB_ICONERROR);
  return false;
}
