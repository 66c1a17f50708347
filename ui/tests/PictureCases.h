#pragma once
// The small picture files of every kind in tests/data, with the size and alpha they hold.

#include "ui/core/Picture.h"

#include <cstdint>

namespace tonvel::ui {

struct PICTURE_CASE {
    const char* file;
    PictureFormat format;
    int32_t width, height;
    bool alpha;
};

inline constexpr PICTURE_CASE PictureCases[] = {
    {"alpha.png", PictureFormat::Png, 8, 6, true},
    {"plain.bmp", PictureFormat::Bitmap, 5, 3, false},
    {"icon_png.ico", PictureFormat::Icon, 16, 16, true},
    {"icon_dib.ico", PictureFormat::Icon, 32, 32, true},
};

} // namespace tonvel::ui
