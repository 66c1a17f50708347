#pragma once
// The window outline file of a skin ("MainForm_Frame.rgn"): exactly the platform's region data block, a
// 32-byte header (size, type, count, rectangle bytes, bounding box) followed by the rectangles, all
// little-endian. The window takes its width and height from the bounding box's right and bottom edges; the
// region itself is built by the platform from the whole file.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tonvel {

struct REGION_RECT {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;
};

struct REGION_OUTLINE {
    // The bounding box's right and bottom, present when the file holds a whole header.
    bool HasSize = false;
    int32_t Width = 0;
    int32_t Height = 0;
    // The bytes to hand to the window region (the whole file), present only when the region constructor
    // accepts them; otherwise the window gets no region and is rectangular.
    bool HasRegion = false;
    std::vector<uint8_t> Data;
};

inline constexpr uint32_t RegionHeaderSize = 32;
inline constexpr uint32_t RegionTypeRectangles = 1;

// Reads the outline from the file's bytes. A file shorter than the header carries no bounding box: it
// changes neither the size nor the region. Data the region constructor rejects (header size below 32 or
// beyond the file, another type, more rectangles than the file holds) keeps the size and gives no region.
// Nothing is read outside `bytes`.
REGION_OUTLINE ReadRegionOutline(const std::vector<uint8_t>& bytes);

// The rectangles of accepted region data, for backends that shape the window themselves.
std::vector<REGION_RECT> RegionRectangles(const std::vector<uint8_t>& data);

// The window size after applying an outline: the bounding box first, then the background picture's size,
// which wins whenever there is a picture.
struct WINDOW_SIZE {
    int32_t Width = 0;
    int32_t Height = 0;
};
WINDOW_SIZE OutlineWindowSize(const REGION_OUTLINE& outline, WINDOW_SIZE current, WINDOW_SIZE picture);

} // namespace tonvel
