#include "skin/LabelStyle.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tonvel {
namespace {

LABEL_PROPERTIES Designed() {
    LABEL_PROPERTIES label;
    label.Caption = u"Design";
    label.Color = 0x123456;
    label.FontName = u"MS Sans Serif";
    label.FontSize = 8;
    label.Left = 1;
    label.Top = 2;
    label.Width = 30;
    label.Height = 13;
    return label;
}

TEST(LabelStyle, TextOnlyChangesTheCaptionAndNothingElse) {
    _LABEL_STYLE_INFO style;
    ASSERT_TRUE(ParseLabelValue(u"Save", true, style).Ok());
    LABEL_PROPERTIES label = Designed();
    ApplyLabelStyle(style, _GLOBAL_FONT_INFO{}, true, 0.9, label);
    EXPECT_TRUE(label.Visible);
    EXPECT_EQ(label.Caption, u"Save");
    EXPECT_EQ(label.Color, 0x123456);
    EXPECT_EQ(label.FontName, u"MS Sans Serif");
    EXPECT_EQ(label.FontSize, 8); // no size given: not rescaled
    EXPECT_EQ(label.Left, 1);
    EXPECT_EQ(label.Width, 30);
}

TEST(LabelStyle, EmptyTextHidesButKeepsTheColour) {
    for (const char16_t* value : {u",$0000FF", u"(null),$0000FF"}) {
        _LABEL_STYLE_INFO style;
        ASSERT_TRUE(ParseLabelValue(value, true, style).Ok());
        EXPECT_EQ(style.Text, u"(null)");
        LABEL_PROPERTIES label = Designed();
        ApplyLabelStyle(style, _GLOBAL_FONT_INFO{}, true, 1.0, label);
        EXPECT_FALSE(label.Visible);
        EXPECT_EQ(label.Caption, u"Design");
        EXPECT_TRUE(style.HasColorUp);
        EXPECT_EQ(style.ColorUp, 0xFF);
        EXPECT_EQ(label.Color, 0xFF);
    }
}

TEST(LabelStyle, AllNineItems) {
    _LABEL_STYLE_INFO style;
    ASSERT_TRUE(
        ParseLabelValue(u"\"Left, right\",$00FF00,x0000FF,Tahoma,12,10,20,30,40,extra", true, style).Ok());
    EXPECT_EQ(style.Text, u"Left, right");
    EXPECT_EQ(style.ColorUp, 0xFF00);
    EXPECT_EQ(style.ColorDown, 0xFF);
    EXPECT_EQ(style.FontName, u"Tahoma");
    EXPECT_EQ(style.FontSize, 12);
    EXPECT_EQ(style.Left + style.Top + style.Width + style.Height, 100);
    // Each bound lands in its own field, and on the label's own property.
    EXPECT_EQ(style.Left, 10);
    EXPECT_EQ(style.Top, 20);
    EXPECT_EQ(style.Width, 30);
    EXPECT_EQ(style.Height, 40);
    LABEL_PROPERTIES label = Designed();
    ApplyLabelStyle(style, _GLOBAL_FONT_INFO{}, false, 1.0, label);
    EXPECT_EQ(label.Color, 0xFF); // down
    EXPECT_EQ(label.Left, 10);
    EXPECT_EQ(label.Top, 20);
    EXPECT_EQ(label.Width, 30);
    EXPECT_EQ(label.Height, 40);
}

TEST(LabelStyle, BadNumberNamesTheItem) {
    _LABEL_STYLE_INFO style;
    const PANEL_STATUS status = ParseLabelValue(u"Save,,,,9pt", true, style);
    EXPECT_EQ(status.Code, PanelInvalidInteger);
    EXPECT_EQ(status.Message, u"'9pt' is not a valid integer value");
}

TEST(LabelStyle, OverridesSkipTheTextAndChangeOnlyWhatTheyGive) {
    _LABEL_STYLE_INFO style;
    ASSERT_TRUE(ParseLabelValue(u"Save,$10,$20,Tahoma,9", true, style).Ok());
    ASSERT_TRUE(ParseLabelValue(u"Ignored,,,,,300", false, style).Ok());
    EXPECT_EQ(style.Text, u"Save");
    EXPECT_EQ(style.Left, 300);
    EXPECT_TRUE(style.HasLeft);
    EXPECT_FALSE(style.HasTop);
    EXPECT_EQ(style.ColorUp, 0x10);
    EXPECT_EQ(style.FontName, u"Tahoma");
}

TEST(LabelStyle, GlobalFontFillsWhatTheStyleLacks) {
    _GLOBAL_FONT_INFO global;
    global.ColorUp = 0x111111;
    global.ColorDown = 0x222222;
    global.FontName = u"Tahoma";
    global.FontSize = 10;
    _LABEL_STYLE_INFO style;
    ASSERT_TRUE(ParseLabelValue(u"EQ,,$00ABCDEF", true, style).Ok());
    LABEL_PROPERTIES label = Designed();
    ApplyLabelStyle(style, global, true, 1.0, label);
    EXPECT_EQ(label.Color, 0x111111);
    EXPECT_EQ(label.FontName, u"Tahoma");
    EXPECT_EQ(label.FontSize, 10);
    // the global colour up was copied into the style, its flag stays clear
    EXPECT_EQ(style.ColorUp, 0x111111);
    EXPECT_FALSE(style.HasColorUp);
    ApplyLabelStyle(style, global, false, 1.0, label);
    EXPECT_EQ(label.Color, 0xABCDEF); // its own colour down wins
}

TEST(LabelStyle, GlobalNumbersTakeTheFirstItem) {
    int32_t field = 5;
    EXPECT_TRUE(ParseGlobalNumber(u"", field).Ok());
    EXPECT_EQ(field, GlobalNotSet);
    EXPECT_TRUE(ParseGlobalNumber(u",12", field).Ok());
    EXPECT_EQ(field, GlobalNotSet);
    EXPECT_TRUE(ParseGlobalNumber(u"$FF,junk", field).Ok());
    EXPECT_EQ(field, 255);
    EXPECT_EQ(ParseGlobalNumber(u"big", field).Code, PanelInvalidInteger);
}

struct SCALE_CASE {
    int32_t Size;
    int32_t Dpi;
    int32_t Os;
    int32_t Points;
};

TEST(LabelStyle, FontScalingRoundsHalvesToEven) {
    const SCALE_CASE cases[] = {
        {10, 96, 6, 10}, {10, 96, 4, 9},  {10, 120, 6, 8}, {10, 120, 2, 7}, {15, 96, 4, 14}, {5, 96, 4, 4},
        {10, 144, 6, 7}, {10, 144, 0, 7}, {12, 192, 6, 6}, {11, 96, 6, 11}, {25, 96, 4, 22}, {0, 96, 6, 0},
    };
    for (const SCALE_CASE& c : cases) {
        _GLOBAL_FONT_INFO global;
        global.FontSize = c.Size;
        _LABEL_STYLE_INFO style;
        style.Text = u"x";
        LABEL_PROPERTIES label = Designed();
        ApplyLabelStyle(style, global, true, FontScaleFactor(c.Dpi, c.Os), label);
        EXPECT_EQ(label.FontSize, c.Points) << c.Size << " pt at " << c.Dpi << " dpi, OS " << c.Os;
    }
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
}

// A font size from a file times a scale above 1 (screens below 96 dpi) can leave the 32-bit range.
TEST(LabelStyle, ScaledSizesBeyondTheRangeStopAtItsEnds) {
    struct CASE {
        int32_t Size;
        int32_t Dpi;
        int32_t Points;
    };
    const CASE cases[] = {
        {INT32_MAX, 72, INT32_MAX},  {INT32_MIN, 72, INT32_MIN},   {INT32_MAX, 1, INT32_MAX},
        {INT32_MAX, 96, 1932735282}, {-2147483647, 48, INT32_MIN}, {100, 72, 120},
    };
    for (const CASE& c : cases) {
        _LABEL_STYLE_INFO style;
        style.Text = u"x";
        style.FontSize = c.Size;
        style.HasFontSize = true;
        LABEL_PROPERTIES label = Designed();
        ApplyLabelStyle(style, _GLOBAL_FONT_INFO{}, true, FontScaleFactor(c.Dpi, 4), label);
        EXPECT_EQ(label.FontSize, c.Points) << c.Size << " pt at " << c.Dpi << " dpi";
    }
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(RoundHalfEven(-1e300), INT32_MIN);
    EXPECT_EQ(RoundHalfEven(1e300), INT32_MAX);
}

TEST(LabelStyle, LongTextsAndFontNamesAreCut) {
    _LABEL_STYLE_INFO style;
    const std::u16string value = std::u16string(200, u't') + u",,," + std::u16string(90, u'f');
    ASSERT_TRUE(ParseLabelValue(value, true, style).Ok());
    EXPECT_EQ(style.Text.size(), LabelTextMax);
    EXPECT_EQ(style.FontName.size(), LabelFontNameMax);
}

} // namespace
} // namespace tonvel
