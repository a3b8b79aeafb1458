#include "platform/bitmap.h"

#include <optional>
#include <string>

#include "platform/bitmap_registry.h"
#include "platform/file_system.h"

namespace platform {
namespace {

QPixmap PictureFromFile(const char* path) {
  QPixmap picture;
  if (const std::optional<std::string> bytes = ReadWholeFile(path)) {
    picture.loadFromData(reinterpret_cast<const uchar*>(bytes->data()), static_cast<uint>(bytes->size()));
  }
  return picture;
}

QPixmap Scaled(const QPixmap& picture, int width, int height) {
  const QSize size(width > 0 ? width : picture.width(), height > 0 ? height : picture.height());
  if (size == picture.size()) return picture;
  return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

HBITMAP LoadImageA(HMODULE, const char* name, UINT type, int width, int height, UINT flags) {
  if (type != IMAGE_BITMAP || name == nullptr || !(flags & LR_LOADFROMFILE)) return nullptr;
  const QPixmap picture = PictureFromFile(name);
  if (picture.isNull()) return nullptr;
  return AddBitmap(Scaled(picture, width, height));
}

}  // namespace platform
