#pragma once
// What a picture file says about itself without decoding its pixels: its size and whether it carries an
// alpha channel, after a check of its structure. A backend that decodes a picture only when it is first
// drawn checks it here when it is loaded, so that a damaged file is still reported then:
// - PNG: the signature, IHDR first, every chunk complete with its CRC, an IDAT and IEND;
// - BMP: the file and info headers, a known bit depth, and the pixel rows inside the file;
// - ICO: the directory and its first image's bounds (that image's own header for its depth).

#include "ui/core/Picture.h"

#include <cstdint>
#include <vector>

namespace tonvel::ui {

// False when the bytes are not a sound file of that kind; `info` then is not touched.
bool ReadPictureHeader(const std::vector<uint8_t>& bytes, PictureFormat format, PICTURE_INFO& info);

} // namespace tonvel::ui
