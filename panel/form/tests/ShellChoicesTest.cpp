// Which skin and language the window starts with, and what a switch that fails leaves behind.

#include "panel/form/tests/ShellFixture.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

const std::u16string UserConfig = u"\\Tonvel\\AudioConfig.cfg";

TEST(ShellChoices, AUserWithoutAConfigurationGetsTheProgramsChoicesAndKeepsTheirOwn) {
    Shell t(true, false);
    ASSERT_TRUE(t.Start().Ok());
    EXPECT_TRUE(t.backend.MessageBoxes().empty());
    EXPECT_EQ(t.form->CurrentSkin(), u"Graphite");
    EXPECT_EQ(t.form->CurrentLanguage(), u"English");
    EXPECT_TRUE(t.form->SkinMenu().Item(1)->Checked());
    EXPECT_EQ(t.form->Label(u"PageEQLabel")->Caption(), u"Equalizer");
    // The user's file is a copy of the program's, as the setup makes it, and keeps the next choice.
    std::vector<uint8_t> program, user;
    ASSERT_EQ(t.sim.Files().ReadAll(SimProgramFolder + u"AudioConfig.cfg", program), FileOk);
    ASSERT_EQ(t.sim.Files().ReadAll(t.AppData() + UserConfig, user), FileOk);
    EXPECT_EQ(user, program);
    EXPECT_TRUE(t.form->SkinMenuClick(*t.form->SkinMenu().Item(0)).Ok());
    EXPECT_EQ(t.UserValue(u"Skin", u"DefaultSkin"), u"Azure");
}

struct CHOICE {
    const char16_t* skin;
    const char16_t* language;
};

struct CHOICE_CASE {
    const char* what;
    CHOICE remembered; // the user's "DefaultSkin" and "DefaultLanguage"
    CHOICE program;    // the program's
    CHOICE started;    // what the window starts with
};

class ShellChoiceOrder : public ::testing::TestWithParam<CHOICE_CASE> {};

// The remembered choice when its folder is there, else the program's, else the first folder listed.
TEST_P(ShellChoiceOrder, RememberedThenProgramThenFirstFolder) {
    const CHOICE_CASE c = GetParam();
    Shell t;
    const std::u16string user = t.AppData() + UserConfig;
    const std::u16string program = SimProgramFolder + u"AudioConfig.cfg";
    t.sim.Profile().WriteString(u"Skin", u"DefaultSkin", c.remembered.skin, user);
    t.sim.Profile().WriteString(u"Language", u"DefaultLanguage", c.remembered.language, user);
    t.sim.Profile().WriteString(u"Skin", u"DefaultSkin", c.program.skin, program);
    t.sim.Profile().WriteString(u"Language", u"DefaultLanguage", c.program.language, program);
    ASSERT_TRUE(t.Start().Ok()) << c.what;
    EXPECT_EQ(t.form->CurrentSkin(), c.started.skin) << c.what;
    EXPECT_EQ(t.form->CurrentLanguage(), c.started.language) << c.what;
    EXPECT_TRUE(t.backend.MessageBoxes().empty()) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellChoiceOrder,
    ::testing::Values(
        CHOICE_CASE{"remembered", {u"Azure", u"Deutsch"}, {u"Graphite", u"English"}, {u"Azure", u"Deutsch"}},
        CHOICE_CASE{"remembered in other case", {u"azure", u"DEUTSCH"}, {u"", u""}, {u"Azure", u"Deutsch"}},
        CHOICE_CASE{"none remembered", {u"", u""}, {u"Graphite", u"English"}, {u"Graphite", u"English"}},
        CHOICE_CASE{"remembered folders gone",
                    {u"Gone", u"Gone"},
                    {u"Graphite", u"English"},
                    {u"Graphite", u"English"}},
        CHOICE_CASE{"no usable choice", {u"Gone", u""}, {u"Gone", u"Gone"}, {u"Azure", u"Deutsch"}}));

TEST(ShellChoices, ALanguageThatFailsToLoadChangesNothing) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    t.Corrupt(SimProgramFolder + u"Language\\Deutsch\\Language.ini", "[GlobalFont]\r\nFontSize=ten\r\n");
    t.backend.ClearMessageBoxes();
    EXPECT_EQ(t.form->LanguageMenuClick(*t.form->LanguageMenu().Item(0)).Code, PanelInvalidInteger);
    EXPECT_EQ(t.backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(t.form->CurrentLanguage(), u"English");
    EXPECT_TRUE(t.form->LanguageMenu().Item(1)->Checked());
    EXPECT_FALSE(t.form->LanguageMenu().Item(0)->Checked());
    EXPECT_EQ(t.form->Label(u"PageEQLabel")->Caption(), u"Equalizer");
    // A later skin switch saves the language in use, not the one that failed.
    EXPECT_TRUE(t.form->SkinMenuClick(*t.form->SkinMenu().Item(0)).Ok());
    EXPECT_EQ(t.UserValue(u"Language", u"DefaultLanguage"), u"English");
    EXPECT_EQ(t.UserValue(u"Skin", u"DefaultSkin"), u"Azure");
}

} // namespace
} // namespace tonvel
