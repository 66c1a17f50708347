#include "skin/Language.h"
#include "skin/tests/TestProfile.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::CProfileFile;

TEST(Language, MissingFileLeavesEveryLabelHidden) {
    CLanguage language;
    ASSERT_TRUE(language.Load(CProfileFile{}.Reader()).Ok());
    for (size_t i = 0; i < LabelKeyCount; ++i)
        EXPECT_FALSE(LabelTextShown(language.Style(i).Text));
    EXPECT_EQ(language.GlobalFont().ColorUp, GlobalNotSet);
    EXPECT_EQ(language.GlobalFont().FontSize, GlobalNotSet);
    EXPECT_TRUE(language.GlobalFont().FontName.empty());
}

TEST(Language, ReadsGlobalFontAndLabels) {
    CProfileFile file;
    file.Set(u"GlobalFont", u"ColorUp", u"$00C0C0C0");
    file.Set(u"GlobalFont", u"Font", u"Tahoma, bold");
    file.Set(u"GlobalFont", u"FontSize", u"10,20");
    file.Set(u"EQ", u"LableEQ3DEnable", u"3D on,,,,,12,15");
    file.Set(u"Main", u"LabelWarning", u"No device");
    CLanguage language;
    ASSERT_TRUE(language.Load(file.Reader()).Ok());
    EXPECT_EQ(language.GlobalFont().ColorUp, 0xC0C0C0);
    EXPECT_EQ(language.GlobalFont().ColorDown, GlobalNotSet);
    EXPECT_EQ(language.GlobalFont().FontName, u"Tahoma, bold"); // the whole value, commas included
    EXPECT_EQ(language.GlobalFont().FontSize, 10);
    EXPECT_EQ(language.Style(u"LableEQ3DEnable")->Left, 12);
    EXPECT_EQ(language.WarningText(), u"No device");
    const WARNING_BOX box = NoDeviceWarning(language, u"Tonvel 7.1 Audio");
    EXPECT_EQ(box.Text, u"No device");
    EXPECT_EQ(box.Caption, u"Tonvel 7.1 Audio");
    EXPECT_EQ(box.Flags, 0x30u);
}

TEST(Language, StopsAtTheFirstBadNumber) {
    CProfileFile file;
    file.Set(u"Main", u"LabelMenu1", u"Save,red");
    file.Set(u"Main", u"LabelMenu2", u"Load");
    CLanguage language;
    const PANEL_STATUS status = language.Load(file.Reader());
    EXPECT_EQ(status.Message, u"'red' is not a valid integer value");
    EXPECT_FALSE(LabelTextShown(language.Style(u"LabelMenu2")->Text));
}

TEST(Language, SkinOverridesTouchOnlyTheirSevenLabels) {
    CProfileFile language;
    language.Set(u"Main", u"LabelMenu1", u"Save,$10,$20");
    language.Set(u"Main", u"LabelPageEQ", u"EQ,,,,,400,80");
    CProfileFile skin;
    skin.Set(u"MainLable", u"LabelMenu1", u"Skin text,,,,,50");
    skin.Set(u"MainLable", u"LabelPageEQ", u"Tab,,,,,1,1"); // not one of the seven: not read
    CLanguage styles;
    ASSERT_TRUE(styles.Load(language.Reader()).Ok());
    ASSERT_TRUE(styles.ReadOverrides(skin.Reader()).Ok());
    const _LABEL_STYLE_INFO& menu = *styles.Style(u"LabelMenu1");
    EXPECT_EQ(menu.Text, u"Save");
    EXPECT_EQ(menu.Left, 50);
    EXPECT_EQ(menu.ColorUp, 0x10);
    EXPECT_EQ(styles.Style(u"LabelPageEQ")->Left, 400);
    skin.Set(u"MainLable", u"LabelSX", u",,,,big");
    EXPECT_EQ(styles.ReadOverrides(skin.Reader()).Code, PanelInvalidInteger);
}

TEST(Language, KeyTableInReadingOrder) {
    const auto& keys = LabelKeys();
    EXPECT_EQ(std::u16string(keys.front().Key), u"LabelMenu1");
    EXPECT_EQ(std::u16string(keys.back().Key), u"LabelWarning");
    EXPECT_EQ(keys.back().Component, nullptr);
    EXPECT_EQ(LabelKeyIndex(u"LabelAbout"), 46);
    EXPECT_EQ(LabelKeyIndex(u"LabelNothing"), -1);
}

TEST(Language, SelectedStateRule) {
    SKIN_FEATURE_STATE state;
    state.Preset = 2;
    state.Effect = 5;
    state.D3Enabled = true;
    const std::pair<const char16_t*, bool> cases[] = {
        {u"LabelPageEQ", false},
        {u"LabelPageMic", true},
        {u"LabelEQS2", false},
        {u"LabelEQS1", true},
        {u"LabelEffectStoneGallery", false},
        {u"LabelEffectNothing", true},
        {u"LableEQ3DEnable", false},
        {u"Label3DEnable", false},
        {u"Label3DFBM", false},
        {u"LabelEQEnable", true},
        {u"LabelMicMute", true},
        {u"LabelMenu1", true},
    };
    for (const auto& [key, up] : cases)
        EXPECT_EQ(LabelDrawnUp(LabelKeys()[static_cast<size_t>(LabelKeyIndex(key))], state, 0), up)
            << test::Narrow(key);
}

TEST(Language, TagsThatWarnWithoutADevice) {
    for (int32_t tag : {0, 1, 4, 14, 15, 28, 49, 50, 52, 128, 134, 139, -1})
        EXPECT_FALSE(TagNeedsDevice(tag)) << tag;
    for (int32_t tag : {2, 3, 5, 7, 13, 16, 20, 23, 27, 29, 38, 46, 47, 48, 51, 129, 133, 138})
        EXPECT_TRUE(TagNeedsDevice(tag)) << tag;
}

struct OS_CASE {
    bool Ok;
    uint32_t Platform, Major, Minor;
    int32_t Code;
};

TEST(Language, OsGenerationCode) {
    const OS_CASE cases[] = {{true, 1, 4, 10, 1},  {true, 1, 4, 90, 3}, {true, 1, 4, 0, 0},
                             {true, 2, 5, 0, 2},   {true, 2, 5, 1, 4},  {true, 2, 5, 2, 0},
                             {true, 2, 6, 0, 6},   {true, 2, 10, 0, 6}, {true, 2, 4, 0, 0},
                             {false, 2, 10, 0, 0}, {true, 0, 6, 1, 0}};
    for (const OS_CASE& c : cases)
        EXPECT_EQ(OsGenerationCode(c.Ok, c.Platform, c.Major, c.Minor), c.Code)
            << c.Platform << " " << c.Major << "." << c.Minor;
}

TEST(Language, Paths) {
    EXPECT_EQ(LanguageFilePath(u"C:\\T\\", u"Language", u"English"),
              u"C:\\T\\Language\\English\\Language.ini");
    EXPECT_EQ(UserConfigPath(u"C:\\Users\\u\\AppData\\Roaming", u"Tonvel"),
              u"C:\\Users\\u\\AppData\\Roaming\\Tonvel\\AudioConfig.cfg");
}

} // namespace
} // namespace tonvel
