#pragma once
// The byte orders of the picture files the framework reads: little-endian (bitmaps, icons, metafiles) and
// big-endian (PNG), and the PNG signature both the header check and the icon directory look for.

#include <cstdint>

namespace tonvel::ui {

inline uint32_t ReadLe16(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8);
}
inline uint32_t ReadLe32(const uint8_t* p) {
    return ReadLe16(p) | (ReadLe16(p + 2) << 16);
}
inline uint32_t ReadBe32(const uint8_t* p) {
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}

inline constexpr uint8_t PngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

} // namespace tonvel::ui
