// The icon directory read with bounds checks, and the image chosen for the tray's and the window's sizes.

#include "ui/core/IconDirectory.h"
#include "ui/tests/IconFiles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

namespace tonvel::ui {
namespace {

using namespace testicons;

const std::vector<ICON_PLAN> ThreeSizes = {{48, 32, 0x0000FF}, {32, 32, 0x00FF00}, {16, 32, 0xFF0000}};

struct PICK_CASE {
    const char* What;
    std::vector<ICON_PLAN> Images;
    int32_t Size;
    int32_t Picked;
};

TEST(IconDirectory, ThePickedImageIsTheSizeAskedForOrTheNextLarger) {
    const PICK_CASE cases[] = {
        {"small size, listed last", ThreeSizes, 16, 2},
        {"large size, in the middle", ThreeSizes, 32, 1},
        {"between two: the larger one", ThreeSizes, 20, 1},
        {"above all: the largest", ThreeSizes, 64, 0},
        {"only smaller ones: the largest", {{16, 32}, {24, 32}}, 32, 1},
        {"same size: more colours", {{16, 24}, {16, 32}, {32, 24}}, 16, 1},
        {"same size and colours: the first", {{16, 32, 1}, {16, 32, 2}}, 16, 0},
        {"one image", {{48, 24}}, 16, 0},
    };
    for (const PICK_CASE& c : cases) {
        const std::vector<ICON_IMAGE> images = ReadIconDirectory(IconFile(c.Images));
        ASSERT_EQ(images.size(), c.Images.size()) << c.What;
        EXPECT_EQ(PickIconImage(images, c.Size), c.Picked) << c.What;
    }
    EXPECT_EQ(PickIconImage({}, 16), -1);
}

TEST(IconDirectory, TheShippedIconHasTheTraysAndTheWindowsSizes) {
    std::ifstream file(UI_TEST_DATA "/../../../assets/Tonvel.ico", std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    const std::vector<ICON_IMAGE> images = ReadIconDirectory(bytes);
    ASSERT_FALSE(images.empty());
    for (const int32_t size : {16, 32}) {
        const int32_t index = PickIconImage(images, size);
        ASSERT_GE(index, 0) << size;
        EXPECT_EQ(images[static_cast<size_t>(index)].Width, size);
        EXPECT_EQ(images[static_cast<size_t>(index)].Height, size);
        EXPECT_TRUE(images[static_cast<size_t>(index)].Png);
    }
}

// The sizes come from the images' own headers: a directory entry may say anything.
TEST(IconDirectory, SizesComeFromTheImagesNotTheEntries) {
    std::vector<uint8_t> bytes = IconFile({{32, 32}, {16, 32}});
    bytes[EntryAt(0)] = 16; // the 32 image claims 16
    bytes[EntryAt(1)] = 0;  // the 16 image claims 256
    const std::vector<ICON_IMAGE> images = ReadIconDirectory(bytes);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].Width, 32);
    EXPECT_EQ(images[1].Width, 16);
    EXPECT_EQ(PickIconImage(images, 16), 1);
}

struct DAMAGE_CASE {
    const char* What;
    std::function<void(std::vector<uint8_t>&)> Damage;
    size_t Usable; // of the two images 32 and 16
};

TEST(IconDirectory, DamagedFilesGiveOnlyTheImagesThatLieWhollyInside) {
    const DAMAGE_CASE cases[] = {
        {"intact", [](std::vector<uint8_t>&) {}, 2},
        {"empty", [](std::vector<uint8_t>& b) { b.clear(); }, 0},
        {"header only", [](std::vector<uint8_t>& b) { b.resize(DirectoryHeaderSize); }, 0},
        {"a cursor", [](std::vector<uint8_t>& b) { Put16(b, 2, 2); }, 0},
        {"reserved not zero", [](std::vector<uint8_t>& b) { Put16(b, 0, 1); }, 0},
        {"no images", [](std::vector<uint8_t>& b) { Put16(b, 4, 0); }, 0},
        {"count past the file", [](std::vector<uint8_t>& b) { Put16(b, 4, 0xFFFF); }, 0},
        {"directory cut", [](std::vector<uint8_t>& b) { b.resize(EntryAt(1) + 8); }, 0},
        {"last image cut by a byte", [](std::vector<uint8_t>& b) { b.pop_back(); }, 1},
        {"offset past the end",
         [](std::vector<uint8_t>& b) { Put32(b, EntryAt(0) + EntryOffset, 0x7FFFFFF0); }, 1},
        {"length past the end",
         [](std::vector<uint8_t>& b) {
             Put32(b, EntryAt(1) + EntryLength, Get32(b, EntryAt(1) + EntryLength) + 1);
         },
         1},
        {"offset and length wrap around",
         [](std::vector<uint8_t>& b) {
             Put32(b, EntryAt(0) + EntryOffset, 0xFFFFFF00);
             Put32(b, EntryAt(0) + EntryLength, 0x200);
         },
         1},
        {"length too short for the pixels",
         [](std::vector<uint8_t>& b) { Put32(b, EntryAt(0) + EntryLength, 40 + 16); }, 1},
        {"DIB header says more than the image",
         [](std::vector<uint8_t>& b) { Put32(b, Get32(b, EntryAt(0) + EntryOffset), 0x10000); }, 1},
        {"zero width", [](std::vector<uint8_t>& b) { Put32(b, Get32(b, EntryAt(1) + EntryOffset) + 4, 0); },
         1},
        {"negative height",
         [](std::vector<uint8_t>& b) { Put32(b, Get32(b, EntryAt(1) + EntryOffset) + 8, 0xFFFFFFE0); }, 1},
        {"huge width",
         [](std::vector<uint8_t>& b) { Put32(b, Get32(b, EntryAt(1) + EntryOffset) + 4, 0x40000000); }, 1},
        {"odd bit count",
         [](std::vector<uint8_t>& b) { Put16(b, Get32(b, EntryAt(0) + EntryOffset) + 14, 7); }, 1},
        {"compressed DIB",
         [](std::vector<uint8_t>& b) { Put32(b, Get32(b, EntryAt(0) + EntryOffset) + 16, 1); }, 1},
        {"both entries at the file's end",
         [](std::vector<uint8_t>& b) {
             Put32(b, EntryAt(0) + EntryOffset, static_cast<uint32_t>(b.size()));
             Put32(b, EntryAt(1) + EntryOffset, static_cast<uint32_t>(b.size()));
         },
         0},
    };
    for (const DAMAGE_CASE& c : cases) {
        std::vector<uint8_t> bytes = IconFile({{32, 32}, {16, 32}});
        c.Damage(bytes);
        const std::vector<ICON_IMAGE> images = ReadIconDirectory(bytes);
        EXPECT_EQ(images.size(), c.Usable) << c.What;
        for (const ICON_IMAGE& image : images) {
            EXPECT_LE(uint64_t{image.Offset} + image.Length, bytes.size()) << c.What;
            EXPECT_GT(image.Width, 0) << c.What;
        }
        EXPECT_EQ(PickIconImage(images, 16) >= 0, c.Usable > 0) << c.What;
    }
}

// An embedded PNG is sized by its IHDR; one cut inside its header is not usable.
TEST(IconDirectory, PngImagesAreSizedByTheirHeader) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0,  0, 0, 13, 'I', 'H', 'D',
                                'R',  0,   0,   0,   24,   0,    0,    0,    20, 8, 6, 0,  0,   0};
    std::vector<uint8_t> bytes(DirectoryHeaderSize + DirectoryEntrySize, 0);
    Put16(bytes, 2, 1);
    Put16(bytes, 4, 1);
    Put32(bytes, EntryAt(0) + EntryLength, static_cast<uint32_t>(png.size()));
    Put32(bytes, EntryAt(0) + EntryOffset, static_cast<uint32_t>(bytes.size()));
    bytes.insert(bytes.end(), png.begin(), png.end());
    std::vector<ICON_IMAGE> images = ReadIconDirectory(bytes);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_TRUE(images[0].Png);
    EXPECT_EQ(images[0].Width, 24);
    EXPECT_EQ(images[0].Height, 20);
    Put32(bytes, EntryAt(0) + EntryLength, 20);
    EXPECT_TRUE(ReadIconDirectory(bytes).empty());
}

} // namespace
} // namespace tonvel::ui
