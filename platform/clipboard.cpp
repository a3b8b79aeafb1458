#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/code_page.h"

namespace platform {

std::string ClipboardText() { return QStringToAnsi(QGuiApplication::clipboard()->text()); }

void SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(AnsiToQString(text)); }

}  // namespace platform
