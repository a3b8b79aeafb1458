#include "ide/shell_open.h"

#include "platform/shell_execute.h"

std::intptr_t ShellOpen(platform::HWND owner, const std::string& fileOrAddress, const std::string& parameters,
                        int showMode, bool showModeGiven) {
  platform::SHELLEXECUTEINFO info;
  info.cbSize = sizeof(info);
  info.fMask = platform::SEE_MASK_NOCLOSEPROCESS;
  info.hwnd = owner;
  info.lpVerb = "open";
  info.lpFile = fileOrAddress;
  info.lpParameters = parameters;
  info.nShow = showModeGiven ? showMode : platform::SW_SHOWNORMAL;
  platform::ShellExecuteEx(&info);
  return info.hInstApp;
}
