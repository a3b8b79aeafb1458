// ShellExecuteEx with the verb "open": a document or web address opens in the desktop's default
// program (the browser for an address) through QDesktopServices. Tests install an opener that
// sees each request instead, so no test ever starts a browser.
#pragma once

#include <functional>
#include <string>

#include "platform/win_types.h"

namespace platform {

constexpr UINT SEE_MASK_NOCLOSEPROCESS = 0x00000040;

// The value Windows returns in hInstApp: above 32 on success.
constexpr std::intptr_t kShellOpened = 42;
constexpr std::intptr_t SE_ERR_NOASSOC = 31;

struct SHELLEXECUTEINFO {
  UINT cbSize = 0;
  UINT fMask = 0;
  HWND hwnd = nullptr;
  std::string lpVerb;
  std::string lpFile;        // a path or an address, 8-bit code-page text
  // The desktop opens a document or address as it stands, in the way its program shows
  // itself: parameters and the show mode have no counterpart there and are not used.
  std::string lpParameters;
  int nShow = 0;
  std::intptr_t hInstApp = 0;
};

// Opens lpFile when the verb is "open" and sets hInstApp to kShellOpened; any other verb, an
// empty file, or a desktop that cannot open it sets SE_ERR_NOASSOC and returns FALSE.
BOOL ShellExecuteEx(SHELLEXECUTEINFO* info);

// Sees every address or path the desktop would be asked to open and answers whether it opened.
// An empty function brings the desktop back.
using DesktopOpener = std::function<bool(const std::string& fileOrAddress)>;
void SetDesktopOpener(DesktopOpener opener);

}  // namespace platform
