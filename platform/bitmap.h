// Bitmap handles: pictures loaded from files, for menu items.
#pragma once

#include "platform/dynamic_library.h"
#include "platform/win_types.h"

namespace platform {

constexpr UINT IMAGE_BITMAP = 0;
constexpr UINT LR_LOADFROMFILE = 0x0010;

// With LR_LOADFROMFILE, name is the path of a picture file (BMP, PNG and the other formats Qt
// reads), scaled to width x height; a size of 0 keeps that side as the file has it. Without it
// the picture would come from the module's resources, which programs here do not have. Only
// IMAGE_BITMAP is supported. Null when nothing could be loaded.
HBITMAP LoadImageA(HMODULE instance, const char* name, UINT type, int width, int height, UINT flags);

}  // namespace platform
