#pragma once
// Icon files made in memory for the tests: DIB images of given sizes, each filled with one colour, in the
// order given; and the offsets of a file's fields, to damage them.

#include <cstdint>
#include <vector>

namespace tonvel::ui::testicons {

struct ICON_PLAN {
    int32_t Side = 16;
    uint16_t BitCount = 32;       // 32 or 24
    uint32_t Colour = 0x00FF0000; // 0x00RRGGBB
};

inline constexpr size_t DirectoryHeaderSize = 6;
inline constexpr size_t DirectoryEntrySize = 16;
// Field offsets inside a directory entry.
inline constexpr size_t EntryLength = 8;
inline constexpr size_t EntryOffset = 12;

inline void Put16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}
inline void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    Put16(bytes, at, value & 0xFFFF);
    Put16(bytes, at + 2, value >> 16);
}
inline uint32_t Get32(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}
inline size_t EntryAt(size_t index) {
    return DirectoryHeaderSize + index * DirectoryEntrySize;
}

// One DIB image: BITMAPINFOHEADER (twice the height), colour rows bottom up, an all-clear mask.
inline std::vector<uint8_t> DibImage(const ICON_PLAN& plan) {
    const size_t colourRow = ((static_cast<size_t>(plan.Side) * plan.BitCount + 31) / 32) * 4;
    const size_t maskRow = ((static_cast<size_t>(plan.Side) + 31) / 32) * 4;
    std::vector<uint8_t> image(40 + (colourRow + maskRow) * static_cast<size_t>(plan.Side), 0);
    Put32(image, 0, 40);
    Put32(image, 4, static_cast<uint32_t>(plan.Side));
    Put32(image, 8, static_cast<uint32_t>(2 * plan.Side));
    Put16(image, 12, 1);
    Put16(image, 14, plan.BitCount);
    const size_t pixelBytes = plan.BitCount / 8;
    for (int32_t y = 0; y < plan.Side; ++y)
        for (int32_t x = 0; x < plan.Side; ++x) {
            uint8_t* p =
                &image[40 + static_cast<size_t>(y) * colourRow + static_cast<size_t>(x) * pixelBytes];
            p[0] = static_cast<uint8_t>(plan.Colour);       // blue
            p[1] = static_cast<uint8_t>(plan.Colour >> 8);  // green
            p[2] = static_cast<uint8_t>(plan.Colour >> 16); // red
            if (pixelBytes == 4) p[3] = 0xFF;
        }
    return image;
}

inline std::vector<uint8_t> IconFile(const std::vector<ICON_PLAN>& plans) {
    std::vector<uint8_t> bytes(DirectoryHeaderSize + DirectoryEntrySize * plans.size(), 0);
    Put16(bytes, 2, 1);
    Put16(bytes, 4, static_cast<uint32_t>(plans.size()));
    for (size_t i = 0; i < plans.size(); ++i) {
        const std::vector<uint8_t> image = DibImage(plans[i]);
        const size_t entry = EntryAt(i);
        bytes[entry] = static_cast<uint8_t>(plans[i].Side >= 256 ? 0 : plans[i].Side);
        bytes[entry + 1] = bytes[entry];
        Put16(bytes, entry + 4, 1);
        Put16(bytes, entry + 6, plans[i].BitCount);
        Put32(bytes, entry + EntryLength, static_cast<uint32_t>(image.size()));
        Put32(bytes, entry + EntryOffset, static_cast<uint32_t>(bytes.size()));
        bytes.insert(bytes.end(), image.begin(), image.end());
    }
    return bytes;
}

} // namespace tonvel::ui::testicons
