// Picture loading: kinds by extension, sizes and alpha, file and decode errors; image auto-size.

#include "ui/tests/PictureCases.h"
#include "ui/tests/UiTestSupport.h"

#include "base/text/Utf.h"

#include <gtest/gtest.h>

namespace tonvel::ui::test {
namespace {

std::u16string DataPath(const char* name) {
    return Utf8ToUtf16(std::string(UI_TEST_DATA) + "/" + name);
}

TEST(Pictures, LoadsWithSizeAndAlpha) {
    UiFixture t;
    for (const PICTURE_CASE& c : PictureCases) {
        CPicture picture;
        CUiError error;
        ASSERT_EQ(t.app.LoadPicture(DataPath(c.file), picture, &error), UiOk) << c.file;
        EXPECT_EQ(picture.Format(), c.format) << c.file;
        EXPECT_EQ(picture.Width(), c.width) << c.file;
        EXPECT_EQ(picture.Height(), c.height) << c.file;
        EXPECT_EQ(picture.Info().hasAlpha, c.alpha) << c.file;
        EXPECT_FALSE(picture.Bytes().empty());
    }
}

TEST(Pictures, FailuresAreStatusValuesNamingTheFile) {
    UiFixture t;
    struct CASE {
        std::u16string path;
        int32_t code;
        std::u16string message;
    } cases[] = {
        {DataPath("missing.png"), UiFileError, u"Cannot open file \"" + DataPath("missing.png") + u"\""},
        {DataPath("broken.png"), UiPictureError,
         u"The picture \"" + DataPath("broken.png") + u"\" is not a valid image"},
        {DataPath("alpha.gif"), UiPictureError, u"Unknown picture file extension (.gif)"},
        {DataPath("plain.bmp") + u".png", UiFileError,
         u"Cannot open file \"" + DataPath("plain.bmp") + u".png\""},
    };
    CPicture kept;
    ASSERT_EQ(t.app.LoadPicture(DataPath("alpha.png"), kept, nullptr), UiOk);
    for (const CASE& c : cases) {
        CUiError error;
        EXPECT_EQ(t.app.LoadPicture(c.path, kept, &error), c.code) << Utf16ToUtf8(c.path);
        EXPECT_EQ(error.message, c.message);
        EXPECT_EQ(kept.Width(), 8); // the old picture stays
    }
}

TEST(Pictures, ExtensionDecidesTheKind) {
    struct CASE {
        const char16_t* path;
        PictureFormat format;
    } cases[] = {{u"C:\\a\\B.BMP", PictureFormat::Bitmap},
                 {u"x.Png", PictureFormat::Png},
                 {u"x.ico", PictureFormat::Icon},
                 {u"x.emf", PictureFormat::Emf},
                 {u"x.wmf", PictureFormat::Wmf},
                 {u"x.jpg", PictureFormat::None},
                 {u"C:\\a.png\\file", PictureFormat::None},
                 {u"noext", PictureFormat::None}};
    for (const CASE& c : cases)
        EXPECT_EQ(PictureFormatFromPath(c.path), c.format) << Utf16ToUtf8(c.path);
}

TEST(Pictures, AutoSizeImageTakesThePictureSize) {
    UiFixture t;
    CImage* image = t.form.Add<CImage>(u"Image");
    image->SetBounds(10, 20, 100, 100);
    ASSERT_EQ(image->LoadPicture(DataPath("alpha.png"), nullptr), UiOk);
    EXPECT_EQ(image->Width(), 100); // auto-size off: bounds stay
    image->SetAutoSize(true);
    EXPECT_EQ(image->BoundsRect(), (UI_RECT{10, 20, 18, 26}));
    ASSERT_EQ(image->LoadPicture(DataPath("plain.bmp"), nullptr), UiOk);
    EXPECT_EQ(image->Width(), 5);
    CUiError error;
    EXPECT_EQ(image->LoadPicture(DataPath("missing.bmp"), &error), UiFileError);
    EXPECT_EQ(image->Picture().Width(), 5);
}

} // namespace
} // namespace tonvel::ui::test
