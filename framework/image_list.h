// The pictures of a toolbar or list view, loaded from files and addressed by index.
#pragma once

#include <QIcon>
#include <QSize>
#include <string>
#include <vector>

namespace framework {

class ImageList {
 public:
  // Relative paths are taken from the program file's directory. A file that cannot be read
  // leaves its index without a picture.
  explicit ImageList(const std::vector<std::string>& files);

  // An empty icon for an index out of range or without a picture.
  QIcon Icon(int index) const;
  // The size of the first picture that could be read; 16 by 16 when there is none.
  QSize PictureSize() const;

 private:
  std::vector<QIcon> icons_;
  QSize pictureSize_{16, 16};
};

}  // namespace framework
