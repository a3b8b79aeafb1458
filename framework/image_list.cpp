#include "framework/image_list.h"

#include <QPixmap>

#include "framework/picture_file.h"

namespace framework {

ImageList::ImageList(const std::vector<std::string>& files) {
  bool sized = false;
  for (const std::string& file : files) {
    const QPixmap picture(PictureFilePath(file));
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
