#include "framework/image_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>

#include "platform/code_page.h"

namespace framework {

namespace {

QString ResolvePictureFile(const std::string& file) {
  const QString path = platform::AnsiToQString(file);
  return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(path);
}

}  // namespace

ImageList::ImageList(const std::vector<std::string>& files) {
  bool sized = false;
  for (const std::string& file : files) {
    const QPixmap picture(ResolvePictureFile(file));
    if (!picture.isNull() && !sized) {
      pictureSize_ = picture.size();
      sized = true;
    }
    icons_.push_back(picture.isNull() ? QIcon() : QIcon(picture));
  }
}

QIcon ImageList::Icon(int index) const {
  if (index < 0 || index >= static_cast<int>(icons_.size())) return QIcon();
  return icons_[static_cast<std::size_t>(index)];
}

QSize ImageList::PictureSize() const { return pictureSize_; }

}  // namespace framework
