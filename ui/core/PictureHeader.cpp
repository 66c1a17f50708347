#include "ui/core/PictureHeader.h"

#include "ui/core/ByteOrder.h"

#include <array>
#include <cstring>

namespace tonvel::ui {
namespace {

constexpr size_t PngIhdrLength = 13;
constexpr uint8_t PngGreyAlpha = 4;
constexpr uint8_t PngColourAlpha = 6;
constexpr size_t BmpFileHeader = 14;
constexpr size_t BmpCoreHeader = 12;
constexpr size_t BmpInfoHeader = 40;
constexpr size_t BmpV4Header = 108;
constexpr uint32_t BmpRgb = 0;
constexpr uint32_t BmpBitFields = 3;
constexpr int32_t MaxSide = 0x7FFF;

const std::array<uint32_t, 256>& CrcTable() {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

// The CRC of a chunk's type and data, as PNG stores it.
uint32_t ChunkCrc(const uint8_t* typeAndData, size_t length) {
    const std::array<uint32_t, 256>& table = CrcTable();
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < length; ++i)
        c = table[(c ^ typeAndData[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

bool SideFits(int64_t side) {
    return side > 0 && side <= MaxSide;
}

bool ReadPng(const std::vector<uint8_t>& bytes, PICTURE_INFO& info) {
    const size_t n = bytes.size();
    if (n < sizeof(PngSignature) || std::memcmp(bytes.data(), PngSignature, sizeof(PngSignature)) != 0)
        return false;
    PICTURE_INFO found;
    bool header = false, data = false;
    for (size_t at = sizeof(PngSignature);;) {
        if (n - at < 12) return false;
        const uint8_t* chunk = bytes.data() + at;
        const uint32_t length = ReadBe32(chunk);
        if (length > n - at - 12) return false;
        if (ChunkCrc(chunk + 4, length + 4) != ReadBe32(chunk + 8 + length)) return false;
        const char* type = reinterpret_cast<const char*>(chunk + 4);
        if (!header) {
            if (std::memcmp(type, "IHDR", 4) != 0 || length != PngIhdrLength) return false;
            const int64_t width = ReadBe32(chunk + 8), height = ReadBe32(chunk + 12);
            if (!SideFits(width) || !SideFits(height)) return false;
            found.width = static_cast<int32_t>(width);
            found.height = static_cast<int32_t>(height);
            found.hasAlpha = chunk[17] == PngGreyAlpha || chunk[17] == PngColourAlpha;
            header = true;
        } else if (std::memcmp(type, "tRNS", 4) == 0) {
            found.hasAlpha = true;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            data = true;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            if (!data) return false;
            found.format = PictureFormat::Png;
            info = found;
            return true;
        }
        at += 12 + static_cast<size_t>(length);
    }
}

bool ReadBmp(const std::vector<uint8_t>& bytes, PICTURE_INFO& info) {
    const size_t n = bytes.size();
    if (n < BmpFileHeader + BmpCoreHeader || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const uint8_t* p = bytes.data();
    const uint32_t pixels = ReadLe32(p + 10), headerSize = ReadLe32(p + 14);
    if (headerSize < BmpCoreHeader || headerSize > n - BmpFileHeader) return false;
    int64_t width = 0, height = 0;
    uint32_t bits = 0, compression = BmpRgb;
    if (headerSize == BmpCoreHeader) {
        width = ReadLe16(p + 18);
        height = ReadLe16(p + 20);
        bits = ReadLe16(p + 24);
    } else {
        if (headerSize < BmpInfoHeader) return false;
        width = static_cast<int32_t>(ReadLe32(p + 18));
        height = static_cast<int32_t>(ReadLe32(p + 22));
        bits = ReadLe16(p + 28);
        compression = ReadLe32(p + 30);
    }
    if (height < 0) height = -height;
    if (!SideFits(width) || !SideFits(height)) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (pixels >= n) return false;
    if (compression == BmpRgb || compression == BmpBitFields) {
        const uint64_t stride = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
        if (stride * static_cast<uint64_t>(height) > n - pixels) return false;
    }
    info.format = PictureFormat::Bitmap;
    info.width = static_cast<int32_t>(width);
    info.height = static_cast<int32_t>(height);
    // Only a 32-bit bitmap with an alpha mask in its header has alpha; a plain 32-bit one does not.
    info.hasAlpha = bits == 32 && compression == BmpBitFields && headerSize >= BmpV4Header &&
                    ReadLe32(p + BmpFileHeader + 52) != 0;
    return true;
}

bool ReadIcon(const std::vector<uint8_t>& bytes, PICTURE_INFO& info) {
    const size_t n = bytes.size();
    if (n < 6 + 16 || ReadLe16(bytes.data()) != 0 || ReadLe16(bytes.data() + 2) != 1) return false;
    const uint32_t count = ReadLe16(bytes.data() + 4);
    if (count == 0 || n < 6 + 16 * static_cast<size_t>(count)) return false;
    const uint8_t* entry = bytes.data() + 6;
    const uint32_t length = ReadLe32(entry + 8), offset = ReadLe32(entry + 12);
    if (length < 8 || offset > n || length > n - offset) return false;
    const uint8_t* image = bytes.data() + offset;
    bool alpha = false;
    if (std::memcmp(image, PngSignature, sizeof(PngSignature)) == 0) {
        PICTURE_INFO embedded;
        if (!ReadPng(std::vector<uint8_t>(image, image + length), embedded)) return false;
        alpha = embedded.hasAlpha;
    } else {
        if (length < BmpInfoHeader || ReadLe32(image) < BmpInfoHeader) return false;
        alpha = ReadLe16(image + 14) == 32;
    }
    info.format = PictureFormat::Icon;
    info.width = entry[0] == 0 ? 256 : entry[0];
    info.height = entry[1] == 0 ? 256 : entry[1];
    info.hasAlpha = alpha;
    return true;
}

} // namespace

bool ReadPictureHeader(const std::vector<uint8_t>& bytes, PictureFormat format, PICTURE_INFO& info) {
    switch (format) {
    case PictureFormat::Png:
        return ReadPng(bytes, info);
    case PictureFormat::Bitmap:
        return ReadBmp(bytes, info);
    case PictureFormat::Icon:
        return ReadIcon(bytes, info);
    default:
        return false;
    }
}

} // namespace tonvel::ui
