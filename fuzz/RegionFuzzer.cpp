// The window outline reader on any MainForm_Frame.rgn: nothing is read outside the file, accepted data
// holds every rectangle it announces, and the window size follows the rules whatever the edges say.
//
// Input: the file's bytes.

#include "fuzz/FuzzSupport.h"
#include "skin/RegionFile.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

uint32_t U32(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tonvel;
    const std::vector<uint8_t> bytes(data, data + size);
    const REGION_OUTLINE outline = ReadRegionOutline(bytes);
    TONVEL_FUZZ_CHECK(outline.HasSize == (size >= RegionHeaderSize));
    TONVEL_FUZZ_CHECK(!outline.HasRegion || outline.HasSize);
    TONVEL_FUZZ_CHECK(outline.HasRegion ? outline.Data == bytes : outline.Data.empty());
    if (outline.HasSize) {
        TONVEL_FUZZ_CHECK(outline.Width == static_cast<int32_t>(U32(bytes, 24)));
        TONVEL_FUZZ_CHECK(outline.Height == static_cast<int32_t>(U32(bytes, 28)));
    }

    const std::vector<REGION_RECT> rects = RegionRectangles(bytes);
    if (!outline.HasRegion) TONVEL_FUZZ_CHECK(rects.empty());
    if (outline.HasRegion) {
        const uint64_t header = U32(bytes, 0);
        const uint64_t count = U32(bytes, 8);
        TONVEL_FUZZ_CHECK(header >= RegionHeaderSize && U32(bytes, 4) == RegionTypeRectangles);
        TONVEL_FUZZ_CHECK(header + 16 * count <= size);
        TONVEL_FUZZ_CHECK(rects.size() <= count);
    }
    for (const REGION_RECT& rect : rects)
        TONVEL_FUZZ_CHECK(rect.Left < rect.Right && rect.Top < rect.Bottom);

    const WINDOW_SIZE current{806, 522};
    const WINDOW_SIZE none = OutlineWindowSize(outline, current, {0, 0});
    TONVEL_FUZZ_CHECK(none.Width >= 0 && none.Height >= 0);
    if (!outline.HasSize) TONVEL_FUZZ_CHECK(none.Width == current.Width && none.Height == current.Height);
    const WINDOW_SIZE picture = OutlineWindowSize(outline, current, {420, 310});
    TONVEL_FUZZ_CHECK(picture.Width == 420 && picture.Height == 310);
    return 0;
}
