#include "platform/bitmap_registry.h"

#include <unordered_map>

#include "platform/handle_id.h"

namespace platform {
namespace {

// Never destroyed: pixmaps must not outlive the application object at static destruction.
std::unordered_map<std::uintptr_t, QPixmap>& Bitmaps() {
  static auto* bitmaps = new std::unordered_map<std::uintptr_t, QPixmap>;
  return *bitmaps;
}

}  // namespace

HBITMAP AddBitmap(QPixmap pixmap) {
  const std::uintptr_t id = NewHandleId();
  Bitmaps().emplace(id, std::move(pixmap));
  return HandleFromId<HBITMAP>(id);
}

QPixmap FindBitmap(HBITMAP bitmap) {
  const auto found = Bitmaps().find(IdOfHandle(bitmap));
  return found == Bitmaps().end() ? QPixmap() : found->second;
}

}  // namespace platform
