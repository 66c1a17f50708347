#include "skin/RegionFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tonvel {
namespace {

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::vector<uint8_t> Region(const std::vector<REGION_RECT>& rects, REGION_RECT bound) {
    std::vector<uint8_t> bytes(32 + 16 * rects.size());
    PutU32(bytes, 0, 32);
    PutU32(bytes, 4, 1);
    PutU32(bytes, 8, static_cast<uint32_t>(rects.size()));
    PutU32(bytes, 12, static_cast<uint32_t>(16 * rects.size()));
    const int32_t box[] = {bound.Left, bound.Top, bound.Right, bound.Bottom};
    for (int i = 0; i < 4; ++i)
        PutU32(bytes, 16 + 4 * i, static_cast<uint32_t>(box[i]));
    for (size_t r = 0; r < rects.size(); ++r) {
        const int32_t v[] = {rects[r].Left, rects[r].Top, rects[r].Right, rects[r].Bottom};
        for (int i = 0; i < 4; ++i)
            PutU32(bytes, 32 + 16 * r + 4 * i, static_cast<uint32_t>(v[i]));
    }
    return bytes;
}

TEST(RegionFile, PictureSizeWinsOverTheBoundingBox) {
    const REGION_OUTLINE outline = ReadRegionOutline(Region({{0, 0, 400, 300}}, {0, 0, 400, 300}));
    ASSERT_TRUE(outline.HasSize);
    ASSERT_TRUE(outline.HasRegion);
    EXPECT_EQ(outline.Data.size(), 48u);
    const WINDOW_SIZE size = OutlineWindowSize(outline, {806, 522}, {420, 310});
    EXPECT_EQ(size.Width, 420);
    EXPECT_EQ(size.Height, 310);
    const WINDOW_SIZE noPicture = OutlineWindowSize(outline, {806, 522}, {0, 0});
    EXPECT_EQ(noPicture.Width, 400);
    EXPECT_EQ(noPicture.Height, 300);
}

TEST(RegionFile, SizeComesFromRightAndBottomEdges) {
    const REGION_OUTLINE outline = ReadRegionOutline(Region({{10, 10, 400, 300}}, {10, 10, 400, 300}));
    EXPECT_EQ(outline.Width, 400);
    EXPECT_EQ(outline.Height, 300);
    const std::vector<REGION_RECT> rects = RegionRectangles(outline.Data);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Left, 10);
    EXPECT_EQ(rects[0].Bottom, 300);
}

TEST(RegionFile, FilesShorterThanTheHeaderChangeNothing) {
    const std::vector<uint8_t> whole = Region({{0, 0, 10, 10}}, {0, 0, 10, 10});
    for (size_t length = 0; length < 32; ++length) {
        const std::vector<uint8_t> shortFile(whole.begin(), whole.begin() + static_cast<long>(length));
        const REGION_OUTLINE outline = ReadRegionOutline(shortFile);
        EXPECT_FALSE(outline.HasSize) << length;
        EXPECT_FALSE(outline.HasRegion) << length;
        const WINDOW_SIZE size = OutlineWindowSize(outline, {806, 522}, {0, 0});
        EXPECT_EQ(size.Width, 806);
        EXPECT_TRUE(RegionRectangles(shortFile).empty());
    }
}

struct BAD_CASE {
    const char* Name;
    size_t Offset;
    uint32_t Value;
    size_t Truncate; // bytes removed from the end
};

TEST(RegionFile, RejectedDataKeepsTheSizeAndGivesNoRegion) {
    const BAD_CASE cases[] = {
        {"header size 0", 0, 0, 0},
        {"header size 16", 0, 16, 0},
        {"header size past the end", 0, 0x7FFFFFF0u, 0},
        {"header size wraps", 0, 0xFFFFFFFFu, 0},
        {"type 2", 4, 2, 0},
        {"more rectangles than the file holds", 8, 3, 0},
        {"count that overflows 32 bits when multiplied", 8, 0x10000001u, 0},
        {"count 0xFFFFFFFF", 8, 0xFFFFFFFFu, 0},
        {"truncated rectangle", 0, 32, 4},
    };
    for (const BAD_CASE& c : cases) {
        std::vector<uint8_t> bytes = Region({{0, 0, 40, 20}, {5, 20, 35, 30}}, {0, 0, 40, 30});
        PutU32(bytes, c.Offset, c.Value);
        bytes.resize(bytes.size() - c.Truncate);
        const REGION_OUTLINE outline = ReadRegionOutline(bytes);
        EXPECT_TRUE(outline.HasSize) << c.Name;
        EXPECT_EQ(outline.Width, 40) << c.Name;
        EXPECT_EQ(outline.Height, 30) << c.Name;
        EXPECT_FALSE(outline.HasRegion) << c.Name;
        EXPECT_TRUE(outline.Data.empty()) << c.Name;
        EXPECT_TRUE(RegionRectangles(bytes).empty()) << c.Name;
    }
}

TEST(RegionFile, LargerHeaderAndEmptyRectanglesAreAccepted) {
    // A header that declares 48 bytes: the rectangles start after it.
    std::vector<uint8_t> bytes = Region({}, {0, 0, 50, 60});
    bytes.resize(48 + 32, 0);
    PutU32(bytes, 0, 48);
    PutU32(bytes, 8, 2);
    const int32_t rects[] = {0, 0, 50, 60, 7, 7, 7, 9}; // the second one is empty
    for (int i = 0; i < 8; ++i)
        PutU32(bytes, 48 + 4 * i, static_cast<uint32_t>(rects[i]));
    const REGION_OUTLINE outline = ReadRegionOutline(bytes);
    ASSERT_TRUE(outline.HasRegion);
    const std::vector<REGION_RECT> decoded = RegionRectangles(outline.Data);
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_EQ(decoded[0].Right, 50);
    // A header-only file with no rectangles is an empty region the window may take.
    EXPECT_TRUE(ReadRegionOutline(Region({}, {0, 0, 5, 5})).HasRegion);
}

TEST(RegionFile, NegativeEdgesGiveAnEmptyWindowRatherThanANegativeOne) {
    const REGION_OUTLINE outline = ReadRegionOutline(Region({}, {0, 0, -5, -1}));
    const WINDOW_SIZE size = OutlineWindowSize(outline, {806, 522}, {0, 0});
    EXPECT_EQ(size.Width, 0);
    EXPECT_EQ(size.Height, 0);
}

} // namespace
} // namespace tonvel
