#include "framework/picture_file.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/code_page.h"

namespace framework {

QString PictureFilePath(const std::string& file) {
  return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(platform::AnsiToQString(file));
}

}  // namespace framework
