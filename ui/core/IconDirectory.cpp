#include "ui/core/IconDirectory.h"

#include "ui/core/ByteOrder.h"

#include <algorithm>
#include <cstring>

namespace tonvel::ui {
namespace {

constexpr size_t IconDirHeaderSize = 6;
constexpr size_t IconDirEntrySize = 16;
constexpr uint16_t IconResourceType = 1;
constexpr size_t DibHeaderSize = 40;
constexpr uint32_t DibRgb = 0;       // BI_RGB
constexpr uint32_t DibBitFields = 3; // BI_BITFIELDS
// Signature, IHDR length and type, width and height.
constexpr size_t PngHeaderSize = 24;
// Larger images than this are not icon images (the format's own limit is 256).
constexpr int32_t MaxIconSide = 1024;

bool SideOk(int64_t side) {
    return side > 0 && side <= MaxIconSide;
}

bool ReadPngImage(const uint8_t* data, ICON_IMAGE& image) {
    if (image.Length < PngHeaderSize || std::memcmp(data, PngSignature, sizeof PngSignature) != 0 ||
        std::memcmp(data + 12, "IHDR", 4) != 0)
        return false;
    const int64_t width = ReadBe32(data + 16), height = ReadBe32(data + 20);
    if (!SideOk(width) || !SideOk(height)) return false;
    image.Png = true;
    image.Width = static_cast<int32_t>(width);
    image.Height = static_cast<int32_t>(height);
    image.BitCount = 32;
    return true;
}

// The bytes a DIB icon image needs: header, colour table, colour rows and mask rows (rows padded to four
// bytes); 0 when the header asks for something an icon image cannot be.
uint64_t DibBytesNeeded(const uint8_t* data, int64_t width, int64_t height, uint32_t bitCount) {
    const uint64_t header = ReadLe32(data);
    const uint32_t compression = ReadLe32(data + 16);
    const uint64_t coloursUsed = ReadLe32(data + 32);
    uint64_t table = 0;
    if (bitCount <= 8) {
        const uint64_t full = uint64_t{1} << bitCount;
        if (coloursUsed > full) return 0;
        table = 4 * (coloursUsed != 0 ? coloursUsed : full);
    }
    if (compression == DibBitFields && header == DibHeaderSize)
        table += 12; // the three masks
    else if (compression != DibRgb && compression != DibBitFields)
        return 0;
    const uint64_t colourRow = ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
    const uint64_t maskRow = ((static_cast<uint64_t>(width) + 31) / 32) * 4;
    return header + table + (colourRow + maskRow) * static_cast<uint64_t>(height);
}

bool ReadDibImage(const uint8_t* data, ICON_IMAGE& image) {
    if (image.Length < DibHeaderSize || ReadLe32(data) < DibHeaderSize || ReadLe32(data) > image.Length)
        return false;
    const int64_t width = static_cast<int32_t>(ReadLe32(data + 4));
    const int64_t doubled = static_cast<int32_t>(ReadLe32(data + 8));
    const uint32_t bitCount = ReadLe16(data + 14);
    if (!SideOk(width) || doubled % 2 != 0 || !SideOk(doubled / 2)) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return false;
    const uint64_t needed = DibBytesNeeded(data, width, doubled / 2, bitCount);
    if (needed == 0 || needed > image.Length) return false;
    image.Width = static_cast<int32_t>(width);
    image.Height = static_cast<int32_t>(doubled / 2);
    image.BitCount = static_cast<uint16_t>(bitCount);
    return true;
}

// How far an image is from the wanted size: exact first, then larger ones by their size, then smaller
// ones, largest first.
int64_t Distance(const ICON_IMAGE& image, int32_t size) {
    const int32_t side = std::max(image.Width, image.Height);
    if (side == size) return 0;
    if (side > size) return side - size;
    return int64_t{MaxIconSide} + (size - side);
}

} // namespace

std::vector<ICON_IMAGE> ReadIconDirectory(const uint8_t* bytes, size_t size) {
    std::vector<ICON_IMAGE> images;
    if (!bytes || size < IconDirHeaderSize || ReadLe16(bytes) != 0 || ReadLe16(bytes + 2) != IconResourceType)
        return images;
    const size_t count = ReadLe16(bytes + 4);
    if (count > (size - IconDirHeaderSize) / IconDirEntrySize) return images;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = bytes + IconDirHeaderSize + i * IconDirEntrySize;
        ICON_IMAGE image;
        image.Length = ReadLe32(entry + 8);
        image.Offset = ReadLe32(entry + 12);
        if (image.Offset > size || image.Length > size - image.Offset) continue;
        const uint8_t* data = bytes + image.Offset;
        if (ReadPngImage(data, image) || ReadDibImage(data, image)) images.push_back(image);
    }
    return images;
}

int32_t PickIconImage(const std::vector<ICON_IMAGE>& images, int32_t size) {
    int32_t best = -1;
    for (size_t i = 0; i < images.size(); ++i) {
        if (best < 0) {
            best = static_cast<int32_t>(i);
            continue;
        }
        const ICON_IMAGE& chosen = images[static_cast<size_t>(best)];
        const int64_t distance = Distance(images[i], size), chosenDistance = Distance(chosen, size);
        if (distance < chosenDistance || (distance == chosenDistance && images[i].BitCount > chosen.BitCount))
            best = static_cast<int32_t>(i);
    }
    return best;
}

} // namespace tonvel::ui
