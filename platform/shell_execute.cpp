#include "platform/shell_execute.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/code_page.h"

namespace platform {

namespace {

DesktopOpener& InstalledOpener() {
  static DesktopOpener opener;
  return opener;
}

// A text with a scheme is an address; anything else is a path, relative ones taken from the
// working directory.
bool OpenOnDesktop(const std::string& fileOrAddress) {
  if (InstalledOpener()) return InstalledOpener()(fileOrAddress);
  const QUrl url = QUrl::fromUserInput(AnsiToQString(fileOrAddress), QStringLiteral("."), QUrl::AssumeLocalFile);
  return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace

BOOL ShellExecuteEx(SHELLEXECUTEINFO* info) {
  const bool opened = info->lpVerb == "open" && !info->lpFile.empty() && OpenOnDesktop(info->lpFile);
  info->hInstApp = opened ? kShellOpened : SE_ERR_NOASSOC;
  return opened ? TRUE : FALSE;
}

void SetDesktopOpener(DesktopOpener opener) { InstalledOpener() = std::move(opener); }

}  // namespace platform
