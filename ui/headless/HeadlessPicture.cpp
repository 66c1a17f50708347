// Picture checks of the headless backend. Bitmaps and PNGs are decoded in full with stb_image; icons are
// read from their directory header (stb has no icon reader) and their first image, PNG or DIB, is checked;
// metafiles by their headers.

#include "ui/headless/HeadlessBackend.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb_image.h>

#include <algorithm>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace tonvel::ui {
namespace {

uint32_t Read16(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8);
}
uint32_t Read32(const uint8_t* p) {
    return Read16(p) | (Read16(p + 2) << 16);
}
int32_t ReadS32(const uint8_t* p) {
    return static_cast<int32_t>(Read32(p));
}
int32_t ReadS16(const uint8_t* p) {
    return static_cast<int16_t>(Read16(p));
}

bool DecodeWithStb(const uint8_t* data, size_t size, PICTURE_INFO& info) {
    if (size == 0 || size > 0x7FFFFFFF) return false;
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 0);
    if (!pixels) return false;
    stbi_image_free(pixels);
    info.width = width;
    info.height = height;
    info.hasAlpha = channels == 2 || channels == 4;
    return true;
}

bool CheckIcon(const std::vector<uint8_t>& bytes, PICTURE_INFO& info) {
    // ICONDIR: reserved 0, type 1, count; then 16-byte entries (width, height, colours, reserved, planes,
    // bit count, bytes in resource, offset).
    if (bytes.size() < 6 + 16 || Read16(&bytes[0]) != 0 || Read16(&bytes[2]) != 1) return false;
    const uint32_t count = Read16(&bytes[4]);
    if (count == 0 || bytes.size() < 6 + 16 * static_cast<size_t>(count)) return false;
    const uint8_t* entry = &bytes[6];
    const uint32_t length = Read32(entry + 8);
    const uint32_t offset = Read32(entry + 12);
    if (length < 8 || offset > bytes.size() || length > bytes.size() - offset) return false;
    info.width = entry[0] == 0 ? 256 : entry[0];
    info.height = entry[1] == 0 ? 256 : entry[1];
    const uint8_t* image = &bytes[offset];
    static const uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (std::equal(pngSignature, pngSignature + 8, image)) {
        PICTURE_INFO embedded;
        if (!DecodeWithStb(image, length, embedded)) return false;
        info.hasAlpha = embedded.hasAlpha;
        return true;
    }
    // A DIB without its file header: BITMAPINFOHEADER with twice the height (colour and mask).
    if (length < 40 || Read32(image) < 40) return false;
    const int32_t dibWidth = ReadS32(image + 4);
    const int32_t dibHeight = ReadS32(image + 8);
    const uint32_t bitCount = Read16(image + 14);
    if (dibWidth <= 0 || dibHeight <= 0 ||
        (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32))
        return false;
    info.hasAlpha = bitCount == 32;
    return true;
}

bool CheckEmf(const std::vector<uint8_t>& bytes, PICTURE_INFO& info) {
    // ENHMETAHEADER: type 1, size, bounds (4 x int32), frame, signature " EMF" at 40.
    if (bytes.size() < 88 || Read32(&bytes[0]) != 1 || Read32(&bytes[40]) != 0x464D4520) return false;
    info.width = ReadS32(&bytes[16]) - ReadS32(&bytes[8]) + 1;
    info.height = ReadS32(&bytes[20]) - ReadS32(&bytes[12]) + 1;
    return info.width > 0 && info.height > 0;
}

bool CheckWmf(const std::vector<uint8_t>& bytes, PICTURE_INFO& info) {
    // The placeable header: key 0x9AC6CDD7, handle, bounding box (4 x int16), units per inch.
    if (bytes.size() < 22 + 18 || Read32(&bytes[0]) != 0x9AC6CDD7) return false;
    const int32_t inch = static_cast<int32_t>(Read16(&bytes[14]));
    if (inch <= 0) return false;
    info.width = (ReadS16(&bytes[10]) - ReadS16(&bytes[6])) * 96 / inch;
    info.height = (ReadS16(&bytes[12]) - ReadS16(&bytes[8])) * 96 / inch;
    return info.width > 0 && info.height > 0;
}

} // namespace

int32_t CHeadlessBackend::DecodePicture(const std::vector<uint8_t>& bytes, PictureFormat format,
                                        PICTURE_INFO& info, std::shared_ptr<void>&) {
    bool ok = false;
    switch (format) {
    case PictureFormat::Bitmap:
    case PictureFormat::Png:
        ok = DecodeWithStb(bytes.data(), bytes.size(), info);
        break;
    case PictureFormat::Icon:
        ok = CheckIcon(bytes, info);
        break;
    case PictureFormat::Emf:
        ok = CheckEmf(bytes, info);
        break;
    case PictureFormat::Wmf:
        ok = CheckWmf(bytes, info);
        break;
    case PictureFormat::None:
        break;
    }
    return ok ? UiOk : UiPictureError;
}

} // namespace tonvel::ui
