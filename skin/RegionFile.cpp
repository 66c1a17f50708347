#include "skin/RegionFile.h"

namespace tonvel {

namespace {

uint32_t ReadU32(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

int32_t ReadI32(const std::vector<uint8_t>& bytes, size_t offset) {
    return static_cast<int32_t>(ReadU32(bytes, offset));
}

// What ExtCreateRegion checks before it builds a region from rectangles.
bool RegionDataAccepted(const std::vector<uint8_t>& bytes) {
    const uint64_t headerSize = ReadU32(bytes, 0);
    const uint64_t count = ReadU32(bytes, 8);
    if (headerSize < RegionHeaderSize || ReadU32(bytes, 4) != RegionTypeRectangles) return false;
    return headerSize + count * 16 <= bytes.size();
}

} // namespace

REGION_OUTLINE ReadRegionOutline(const std::vector<uint8_t>& bytes) {
    REGION_OUTLINE outline;
    if (bytes.size() < RegionHeaderSize) return outline;
    outline.HasSize = true;
    outline.Width = ReadI32(bytes, 24);
    outline.Height = ReadI32(bytes, 28);
    if (RegionDataAccepted(bytes)) {
        outline.HasRegion = true;
        outline.Data = bytes;
    }
    return outline;
}

std::vector<REGION_RECT> RegionRectangles(const std::vector<uint8_t>& data) {
    std::vector<REGION_RECT> rects;
    if (data.size() < RegionHeaderSize || !RegionDataAccepted(data)) return rects;
    const size_t first = ReadU32(data, 0);
    const size_t count = ReadU32(data, 8);
    rects.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t at = first + 16 * i;
        const REGION_RECT rect{ReadI32(data, at), ReadI32(data, at + 4), ReadI32(data, at + 8),
                               ReadI32(data, at + 12)};
        // Empty rectangles add nothing to the union.
        if (rect.Left < rect.Right && rect.Top < rect.Bottom) rects.push_back(rect);
    }
    return rects;
}

WINDOW_SIZE OutlineWindowSize(const REGION_OUTLINE& outline, WINDOW_SIZE current, WINDOW_SIZE picture) {
    WINDOW_SIZE size = current;
    if (outline.HasSize) {
        // A window cannot be narrower than nothing; a negative edge is taken as 0.
        size.Width = outline.Width < 0 ? 0 : outline.Width;
        size.Height = outline.Height < 0 ? 0 : outline.Height;
    }
    if (picture.Width > 0 && picture.Height > 0) size = picture;
    return size;
}

} // namespace tonvel
