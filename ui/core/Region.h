#pragma once
// Window regions in the Windows region-data layout (RGNDATA): a 32-byte little-endian header (header size
// 32, type 1, rectangle count, rectangle bytes, bounding box) followed by count rectangles of four signed
// 32-bit values (left, top, right, bottom) in window coordinates. The outline is their union.

#include "ui/core/UiTypes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tonvel::ui {

struct REGION_DATA {
    UI_RECT bounds;
    std::vector<UI_RECT> rects;
};

// Reads the layout; false (and region left alone) when the header is not 32 bytes of type 1 or the
// rectangles do not fit in the data. A count of 0 is a valid, empty region.
bool ParseRegionData(const uint8_t* data, size_t size, REGION_DATA& region);
// Builds the bytes of that layout.
std::vector<uint8_t> BuildRegionData(const std::vector<UI_RECT>& rects);
// Whether a window point lies in one of the rectangles.
bool RegionContains(const REGION_DATA& region, UI_POINT p);

} // namespace tonvel::ui
