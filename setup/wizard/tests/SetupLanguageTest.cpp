#include "setup/wizard/SetupLanguage.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

TEST(SetupLabelValue, ItemsFillTheirFieldsAndEmptyItemsLeaveThemAlone) {
    _LABEL_STYLE_INFO style;
    style.ColorDown = 7;
    style.HasColorDown = true;
    style.Width = 99;
    ASSERT_EQ(ParseSetupLabelValue(u"Installing,255,,Arial,12,16,24", style, nullptr), ui::UiOk);
    EXPECT_EQ(style.Text, u"Installing");
    EXPECT_EQ(style.FontName, u"Arial");
    EXPECT_TRUE(style.HasColorUp && style.HasFontName && style.HasFontSize && style.HasLeft && style.HasTop);
    EXPECT_EQ(style.ColorUp, 255);
    EXPECT_EQ(style.FontSize, 12);
    EXPECT_EQ(style.Left, 16);
    EXPECT_EQ(style.Top, 24);
    // Left as they were.
    EXPECT_EQ(style.ColorDown, 7);
    EXPECT_TRUE(style.HasColorDown);
    EXPECT_EQ(style.Width, 99);
    EXPECT_FALSE(style.HasWidth || style.HasHeight);
    // A later value without a font keeps the font; the text is always replaced.
    ASSERT_EQ(ParseSetupLabelValue(u",1", style, nullptr), ui::UiOk);
    EXPECT_EQ(style.Text, u"");
    EXPECT_EQ(style.FontName, u"Arial");
    EXPECT_EQ(style.ColorUp, 1);
}

TEST(SetupLabelValue, ValueSyntaxCases) {
    const struct {
        const char16_t* value;
        int32_t status;
        std::u16string text;
        int32_t height; // 0: not set
        std::u16string error;
    } cases[] = {
        {u"", ui::UiOk, u"", 0, u""},
        {u"\"A,B\"", ui::UiConvertError, u"\"A", 0, u"'B\"' is not a valid integer value"}, // no quoting
        {u"T,,,,,,,,4,5", ui::UiOk, u"T", 4, u""}, // the tenth item is ignored
        {u"T,,,,,,,,-4", ui::UiOk, u"T", -4, u""},
        {u"T,,,,,,,,+4", ui::UiOk, u"T", 4, u""},
        {u"T,$FF", ui::UiConvertError, u"T", 0, u"'$FF' is not a valid integer value"},
        {u"T, 5", ui::UiConvertError, u"T", 0, u"' 5' is not a valid integer value"},
        {u"T,,,,,,,,99999999999", ui::UiConvertError, u"T", 0, u"'99999999999' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        _LABEL_STYLE_INFO style;
        ui::CUiError error;
        EXPECT_EQ(ParseSetupLabelValue(c.value, style, &error), c.status);
        EXPECT_EQ(style.Text, c.text);
        EXPECT_EQ(style.HasHeight, c.height != 0);
        EXPECT_EQ(style.Height, c.height);
        EXPECT_EQ(error.message, c.error);
    }
}

TEST(SetupLabelValue, ABadNumberStopsTheValueThere) {
    _LABEL_STYLE_INFO style;
    ui::CUiError error;
    EXPECT_EQ(ParseSetupLabelValue(u"T,1,2,Font,9,x,5", style, &error), ui::UiConvertError);
    EXPECT_TRUE(style.HasFontSize);
    EXPECT_FALSE(style.HasLeft || style.HasTop);
}

TEST(SetupLabelValue, OverlongTextAndFontNameAreCut) {
    _LABEL_STYLE_INFO style;
    const std::u16string text(200, u't');
    const std::u16string font(100, u'f');
    ASSERT_EQ(ParseSetupLabelValue(text + u",," + u"," + font, style, nullptr), ui::UiOk);
    EXPECT_EQ(style.Text, text.substr(0, LabelTextMax));
    EXPECT_EQ(style.FontName, font.substr(0, LabelFontNameMax));
}

TEST(LanguageFolderName, IsTheLastComponentOfThePath) {
    const struct {
        const char16_t* path;
        const char16_t* name;
    } cases[] = {
        {u"C:\\Setup\\Language\\English", u"English"},
        {u"D:\\MultiLanguage\\Language\\Deutsch", u"Deutsch"},
        {u"C:\\Language\\Setup\\Language\\English\\", u"English"},
        {u"English", u"English"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageFolderNameOf(c.path), c.name);
}

} // namespace
} // namespace tonvel
