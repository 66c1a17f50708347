// What a picture's headers say before it is decoded: the same size and alpha as a full decode, and a
// damaged file found without decoding it.

#include "ui/core/PictureHeader.h"
#include "ui/headless/HeadlessBackend.h"
#include "ui/tests/PictureCases.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tonvel::ui {
namespace {

std::vector<uint8_t> Bytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<uint8_t> Data(const char* name) {
    return Bytes(std::filesystem::path(UI_TEST_DATA) / name);
}

TEST(PictureHeader, SizeAndAlphaOfEachKind) {
    for (const PICTURE_CASE& c : PictureCases) {
        PICTURE_INFO info;
        ASSERT_TRUE(ReadPictureHeader(Data(c.file), c.format, info)) << c.file;
        EXPECT_EQ(info.format, c.format) << c.file;
        EXPECT_EQ(info.width, c.width) << c.file;
        EXPECT_EQ(info.height, c.height) << c.file;
        EXPECT_EQ(info.hasAlpha, c.alpha) << c.file;
    }
}

// Every picture the product ships: what the headers say is what the decoder finds.
TEST(PictureHeader, AgreesWithTheDecoderOnEveryShippedPicture) {
    CHeadlessBackend backend;
    size_t seen = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(UI_ASSETS_DIR)) {
        const std::u16string name = entry.path().filename().u16string();
        const PictureFormat format = PictureFormatFromPath(name);
        if (!entry.is_regular_file() || format == PictureFormat::None) continue;
        const std::vector<uint8_t> bytes = Bytes(entry.path());
        PICTURE_INFO decoded, header;
        std::shared_ptr<void> native;
        ASSERT_EQ(backend.DecodePicture(bytes, format, decoded, native), UiOk) << entry.path();
        ASSERT_TRUE(ReadPictureHeader(bytes, format, header)) << entry.path();
        EXPECT_EQ(header.width, decoded.width) << entry.path();
        EXPECT_EQ(header.height, decoded.height) << entry.path();
        EXPECT_EQ(header.hasAlpha, decoded.hasAlpha) << entry.path();
        ++seen;
    }
    EXPECT_GT(seen, 100u);
}

TEST(PictureHeader, DamagedFilesAreFoundWithoutADecode) {
    const std::vector<uint8_t> png = Data("alpha.png");
    const std::vector<uint8_t> bmp = Data("plain.bmp");
    const std::vector<uint8_t> icon = Data("icon_png.ico");
    std::vector<uint8_t> flipped = png;
    flipped[45] ^= 0x01; // inside the IDAT data: its CRC no longer matches
    std::vector<uint8_t> deep = bmp;
    deep[28] = 7; // no such bit depth
    std::vector<uint8_t> wide = png;
    wide[16] = 0x80; // a width of 2^31 + 8
    struct CASE {
        const char* what;
        std::vector<uint8_t> bytes;
        PictureFormat format;
    } cases[] = {
        {"cut in its data", Data("broken.png"), PictureFormat::Png},
        {"no end chunk", std::vector<uint8_t>(png.begin(), png.end() - 12), PictureFormat::Png},
        {"a flipped bit", flipped, PictureFormat::Png},
        {"width out of range", wide, PictureFormat::Png},
        {"a PNG as a bitmap", png, PictureFormat::Bitmap},
        {"a bitmap one byte short", std::vector<uint8_t>(bmp.begin(), bmp.end() - 1), PictureFormat::Bitmap},
        {"a bitmap of 7 bits", deep, PictureFormat::Bitmap},
        {"a bitmap of headers only", std::vector<uint8_t>(bmp.begin(), bmp.begin() + 54),
         PictureFormat::Bitmap},
        {"an icon without its image", std::vector<uint8_t>(icon.begin(), icon.begin() + 22),
         PictureFormat::Icon},
        {"empty", {}, PictureFormat::Png},
    };
    for (const CASE& c : cases) {
        PICTURE_INFO info;
        info.width = -1;
        EXPECT_FALSE(ReadPictureHeader(c.bytes, c.format, info)) << c.what;
        EXPECT_EQ(info.width, -1) << c.what << ": untouched";
    }
}

} // namespace
} // namespace tonvel::ui
