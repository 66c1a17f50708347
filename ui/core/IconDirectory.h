#pragma once
// The directory of an icon file (.ico) read with bounds checks, and the choice of its image for a size.
// The file: ICONDIR (reserved 0, type 1, count), then per image a 16-byte entry (width, height, colours,
// reserved, planes, bit count, bytes in resource, offset) and the image data: a PNG, or a DIB without its
// file header (BITMAPINFOHEADER with twice the height: colour and mask). An image is only listed when its
// data lies wholly inside the file and starts as a PNG or a DIB header says; its size is what that header
// says (the entry's own bytes may disagree).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tonvel::ui {

struct ICON_IMAGE {
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t BitCount = 0; // of a DIB; 32 for a PNG
    uint32_t Offset = 0;   // of the image data in the file
    uint32_t Length = 0;
    bool Png = false;
};

// The usable images of an icon file, in directory order; empty when the header is not an icon's or no
// image is usable.
std::vector<ICON_IMAGE> ReadIconDirectory(const uint8_t* bytes, size_t size);
inline std::vector<ICON_IMAGE> ReadIconDirectory(const std::vector<uint8_t>& bytes) {
    return ReadIconDirectory(bytes.data(), bytes.size());
}

// The index of the image to draw at a square size: one of exactly that size if there is one, else the
// smallest larger one (scaled down looks better than scaled up), else the largest; among images of the
// same size the one with more colours. -1 for no images.
int32_t PickIconImage(const std::vector<ICON_IMAGE>& images, int32_t size);

} // namespace tonvel::ui
