// The main window against the simulated Windows and the headless UI: the start-up order, the single
// instance, the exit message, page switching, dragging and bar jumps, skin and language switches with
// their persistence, and the start-up errors.

#include "panel/form/tests/ShellFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tonvel {
namespace {

TEST(ShellStartUp, RunsTheStepsInOrderAndShowsTheSkinnedWindow) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    const std::vector<std::u16string> expected = {u"1 program folder, exit message, OS generation",
                                                  u"2 configuration",
                                                  u"3 initial state",
                                                  u"4 data folder",
                                                  u"5 remembered choices",
                                                  u"6 icon",
                                                  u"7 tray hint and title",
                                                  u"8 languages and skins",
                                                  u"9 device discovery",
                                                  u"10 equalizer",
                                                  u"11 3D",
                                                  u"12 effect",
                                                  u"13 virtual speaker parameters",
                                                  u"14 microphone",
                                                  u"15 virtual speakers reset",
                                                  u"16 device notifications",
                                                  u"17 no last profile",
                                                  u"18 drop endpoint and group",
                                                  u"FormCreate"};
    EXPECT_EQ(t.form->Trace(), expected);
    EXPECT_EQ(t.form->OsGeneration(), 6);
    EXPECT_EQ(t.app->Title(), u"Tonvel 7.1 Audio");
    EXPECT_EQ(t.form->Tray().Hint(), u"Tonvel 7.1 Audio");
    EXPECT_EQ(t.form->ImageList().size(), 2u);
    EXPECT_EQ(t.form->CurrentSkin(), u"Graphite");
    EXPECT_EQ(t.form->CurrentLanguage(), u"English");
    EXPECT_TRUE(t.form->DeviceConnected());
    EXPECT_EQ(t.form->Label(u"DeviceActiveLabel")->Caption(), u"Headset connected");
    EXPECT_EQ(t.form->Label(u"PageEQLabel")->Caption(), u"Equalizer");
    // The background decides the client size; the outline clips the window.
    const ui::CPicture& back = t.form->Image(u"MainFormImage")->Picture();
    EXPECT_EQ(t.form->ClientWidth(), back.Width());
    EXPECT_EQ(t.form->ClientHeight(), back.Height());
    EXPECT_TRUE(t.form->Region().has_value());
    EXPECT_FALSE(t.backend.RegionBytes(*t.form).empty());
    // The menus: languages by folder, skins by folder, the current ones checked.
    ASSERT_EQ(t.form->SkinMenu().Count(), 2);
    EXPECT_TRUE(t.form->SkinMenu().Item(1)->Checked());
    EXPECT_EQ(t.form->LanguageFolders(), (std::vector<std::u16string>{u"Deutsch", u"English"}));
    EXPECT_TRUE(t.form->LanguageMenu().Item(1)->Checked());
    // The 20 ms timer and the mutex named after the title.
    EXPECT_EQ(t.form->Timer().Interval(), 20u);
    EXPECT_EQ(t.sim.WindowSystem().Mutexes().count(u"Tonvel 7.1 Audio"), 1u);
}

TEST(ShellStartUp, WithoutADeviceShowsUnactive) {
    Shell t(false);
    ASSERT_TRUE(t.Start().Ok());
    EXPECT_FALSE(t.form->DeviceConnected());
    EXPECT_EQ(t.form->Label(u"DeviceActiveLabel")->Caption(), u"No headset connected");
}

TEST(ShellInstance, SecondInstanceBringsTheFirstForwardAndEnds) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    auto& first = t.sim.WindowSystem().AddWindow(u"TApplication", u"Tonvel 7.1 Audio");
    first.Minimized = true;
    ui::CHeadlessBackend backend2;
    ui::CApplication app2(backend2, &t.sim.Files());
    TAudioMainForm second(app2, t.sim.platform());
    ASSERT_TRUE(second.StartUp().Ok()); // the whole start-up runs, device traffic included
    EXPECT_FALSE(second.FormCreate());
    EXPECT_TRUE(app2.Terminated());
    EXPECT_FALSE(app2.ShowMainForm);
    EXPECT_EQ(app2.Title(), u"");
    EXPECT_EQ(t.sim.WindowSystem().Windows()[0].Restored, 1);
    EXPECT_EQ(t.sim.WindowSystem().Windows()[0].BroughtForward, 1);
}

TEST(ShellLifecycle, ExitMessageClosesThroughTheShutdown) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.app->Broadcast(t.app->RegisterWindowMessage(u"WM_ORV72xxAPP_EXIT"));
    EXPECT_TRUE(t.app->Terminated());
    t.form->Destroy();
    EXPECT_TRUE(TraceHas(*t.form, u"shutdown 1 save last profile"));
    EXPECT_TRUE(TraceHas(*t.form, u"shutdown 6 neutral device state"));
}

TEST(ShellLifecycle, RightClickOnTheBackgroundCloses) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    ui::CImage* back = t.form->Image(u"MainFormImage");
    ui::UI_POINT spot{-1, -1};
    for (int32_t y = 5; y < back->Height() && spot.x < 0; y += 7)
        for (int32_t x = 5; x < back->Width() && spot.x < 0; x += 7)
            if (t.form->MouseTarget({x, y}) == back && t.form->ContainsWindowPoint({x, y})) spot = {x, y};
    ASSERT_GE(spot.x, 0);
    t.backend.Press(t.At(*back, spot.x, spot.y), ui::MouseButton::Right);
    EXPECT_TRUE(t.app->Terminated());
}

TEST(ShellLifecycle, ActivationGoesToTheTrayAndDoubleClickRestores) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    t.form->Show();
    EXPECT_TRUE(t.backend.ApplicationMinimized());
    EXPECT_TRUE(t.backend.TrayShown(t.form->Tray()));
    EXPECT_FALSE(t.form->Visible());
    t.backend.TrayDoubleClick(t.form->Tray());
    EXPECT_TRUE(t.form->Visible());
}

// Started by the Run value at log-on, the shell is not ready for the icon yet: the panel goes to the tray
// all the same, its icon comes as soon as the shell takes it, and a double click on it brings the panel.
TEST(ShellLifecycle, TheTrayIconComesOnceTheShellTakesIt) {
    Shell t;
    t.backend.TrayRefusals = 5;
    ASSERT_TRUE(t.Start().Ok());
    t.form->Show();
    EXPECT_FALSE(t.backend.TrayShown(t.form->Tray()));
    EXPECT_FALSE(t.form->Visible());
    t.backend.Advance(5 * ui::TrayRetryMs);
    ASSERT_TRUE(t.backend.TrayShown(t.form->Tray()));
    EXPECT_EQ(t.form->Tray().Hint(), u"Tonvel 7.1 Audio");
    t.backend.TrayDoubleClick(t.form->Tray());
    EXPECT_TRUE(t.form->Visible());
}

struct PAGE_CASE {
    bool device;
    const char16_t* tab;
    PANEL_PAGE pageAfter;
    size_t warnings;
};

class ShellPages : public ::testing::TestWithParam<PAGE_CASE> {};

TEST_P(ShellPages, TabsSwitchOnlyWithADevice) {
    const PAGE_CASE c = GetParam();
    Shell t(c.device);
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.backend.ClearMessageBoxes();
    ui::CLabel* tab = t.form->Label(c.tab);
    t.backend.Press(t.At(*tab, 2, 2));
    t.backend.Release(t.At(*tab, 2, 2));
    EXPECT_EQ(t.form->PageShown(), c.pageAfter);
    EXPECT_EQ(t.backend.MessageBoxes().size(), c.warnings);
    if (c.warnings) {
        EXPECT_EQ(t.backend.MessageBoxes()[0].caption, u"Tonvel 7.1 Audio");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ShellPages,
                         ::testing::Values(PAGE_CASE{true, u"PageEffectLabel", PANEL_PAGE::Effect, 0},
                                           PAGE_CASE{true, u"PageMicLabel", PANEL_PAGE::Mic, 0},
                                           PAGE_CASE{true, u"PageVirtual7p1Label", PANEL_PAGE::Virtual71, 0},
                                           PAGE_CASE{false, u"PageEffectLabel", PANEL_PAGE::Eq, 1},
                                           PAGE_CASE{false, u"PageMicLabel", PANEL_PAGE::Eq, 1}));

TEST(ShellMouse, BarJumpsAndDragsStayInTheRange) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    ui::CImage* bar = t.form->Image(u"EQ60HzBarImage");
    ui::CImage* thumb = t.form->Image(u"EQ60HzSliderImage");
    ASSERT_TRUE(bar && thumb);
    // A press on the bar far below its range puts the thumb at the lowest position.
    t.backend.Press(t.At(*bar, 1, bar->Height() - 1));
    t.backend.Release(t.At(*bar, 1, bar->Height() - 1));
    EXPECT_EQ(thumb->Top(), t.form->Features().Equalizer().ThumbMax());
    // A drag upwards far beyond the range stops at the top, also outside the window.
    const ui::UI_POINT start = t.At(*thumb, 2, 2);
    t.backend.Press(start);
    EXPECT_TRUE(t.form->Drag().Active);
    t.backend.MoveTo({start.x, start.y - 1000});
    EXPECT_EQ(thumb->Top(), t.form->Features().Equalizer().ThumbMin());
    t.backend.MoveTo({start.x, start.y - 10});
    EXPECT_EQ(thumb->Top(), t.form->Features().Equalizer().ThumbMax() - 10);
    t.backend.Release({start.x, start.y - 10});
    EXPECT_FALSE(t.form->Drag().Active);
    t.backend.MoveTo({start.x, start.y + 50});
    EXPECT_EQ(thumb->Top(), t.form->Features().Equalizer().ThumbMax() - 10);
}

TEST(ShellMouse, WithoutADeviceAThumbWarnsAndDoesNotDrag) {
    Shell t(false);
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    ui::CImage* thumb = t.form->Image(u"EQ60HzSliderImage");
    const int32_t top = thumb->Top();
    t.backend.ClearMessageBoxes();
    t.backend.Press(t.At(*thumb, 2, 2));
    t.backend.MoveTo(t.At(*thumb, 2, -30));
    t.backend.Release(t.At(*thumb, 2, -30));
    EXPECT_FALSE(t.backend.MessageBoxes().empty());
    EXPECT_EQ(thumb->Top(), top);
}

TEST(ShellSwitch, SkinAndLanguageSwitchAreAppliedAndRemembered) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    ui::CMenuItem* azure = t.form->SkinMenu().Item(0);
    ASSERT_EQ(azure->Caption(), u"Azure");
    EXPECT_TRUE(t.form->SkinMenuClick(*azure).Ok());
    EXPECT_EQ(t.form->CurrentSkin(), u"Azure");
    EXPECT_TRUE(azure->Checked());
    EXPECT_FALSE(t.form->SkinMenu().Item(1)->Checked());
    EXPECT_EQ(t.UserValue(u"Skin", u"DefaultSkin"), u"Azure");
    ui::CMenuItem* deutsch = t.form->LanguageMenu().Item(0);
    EXPECT_TRUE(t.form->LanguageMenuClick(*deutsch).Ok());
    EXPECT_EQ(t.form->CurrentLanguage(), u"Deutsch");
    EXPECT_EQ(t.form->Label(u"PageEffectLabel")->Caption(), u"Effekte");
    EXPECT_EQ(t.UserValue(u"Language", u"DefaultLanguage"), u"Deutsch");
    EXPECT_EQ(t.UserValue(u"Skin", u"DefaultSkin"), u"Azure");
}

TEST(ShellSwitch, AFailedSkinSwitchIsReportedAndNotRemembered) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    t.sim.Files().Delete(SimProgramFolder + u"Skin\\Azure\\MainForm.png");
    t.backend.ClearMessageBoxes();
    EXPECT_FALSE(t.form->SkinMenuClick(*t.form->SkinMenu().Item(0)).Ok());
    EXPECT_EQ(t.backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(t.UserValue(u"Skin", u"DefaultSkin"), u"Graphite");
    // The skin in use stays the current one, so that a later switch does not save the failed one.
    EXPECT_EQ(t.form->CurrentSkin(), u"Graphite");
    EXPECT_TRUE(t.form->SkinMenu().Item(1)->Checked());
    EXPECT_FALSE(t.form->SkinMenu().Item(0)->Checked());
    EXPECT_TRUE(t.form->LanguageMenuClick(*t.form->LanguageMenu().Item(0)).Ok());
    EXPECT_EQ(t.UserValue(u"Skin", u"DefaultSkin"), u"Graphite");
}

// The user configuration file after a switch, when the platform keeps the choice from being written.
enum class USER_FAULT { WriteRefused, FileGone, FolderGone, FileIsAFolder };

struct PERSIST_CASE {
    const char* what;
    USER_FAULT fault;
    bool skin; // a skin switch (else a language switch)
};

class ShellPersistence : public ::testing::TestWithParam<PERSIST_CASE> {};

// The switch itself works and says nothing about the choice it could not remember; whatever was on disk
// stays exactly as it was, and no file or folder is made.
TEST_P(ShellPersistence, AChoiceThatCannotBeWrittenLeavesTheUserFileAsItWas) {
    const PERSIST_CASE c = GetParam();
    Shell t;
    ASSERT_TRUE(t.Start().Ok()) << c.what;
    const std::u16string folder = t.AppData() + u"\\Tonvel";
    const std::u16string user = folder + u"\\AudioConfig.cfg";
    std::vector<uint8_t> before;
    ASSERT_EQ(t.sim.Files().ReadAll(user, before), FileOk);
    std::filesystem::path host;
    t.sim.Files().HostPath(folder, host);
    switch (c.fault) {
    case USER_FAULT::WriteRefused:
        t.sim.Files().FailWrite(user);
        break;
    case USER_FAULT::FileGone:
        ASSERT_EQ(t.sim.Files().Delete(user), FileOk);
        break;
    case USER_FAULT::FolderGone:
        std::filesystem::remove_all(host);
        break;
    case USER_FAULT::FileIsAFolder:
        ASSERT_EQ(t.sim.Files().Delete(user), FileOk);
        ASSERT_EQ(t.sim.Files().CreateFolder(user), FileOk);
        break;
    }
    t.backend.ClearMessageBoxes();
    if (c.skin) {
        EXPECT_TRUE(t.form->SkinMenuClick(*t.form->SkinMenu().Item(0)).Ok()) << c.what;
        EXPECT_EQ(t.form->CurrentSkin(), u"Azure") << c.what;
    } else {
        EXPECT_TRUE(t.form->LanguageMenuClick(*t.form->LanguageMenu().Item(0)).Ok()) << c.what;
        EXPECT_EQ(t.form->CurrentLanguage(), u"Deutsch") << c.what;
    }
    EXPECT_TRUE(t.backend.MessageBoxes().empty()) << c.what;
    std::vector<uint8_t> after;
    switch (c.fault) {
    case USER_FAULT::WriteRefused:
        ASSERT_EQ(t.sim.Files().ReadAll(user, after), FileOk) << c.what;
        EXPECT_EQ(after, before) << c.what;
        t.sim.Files().ClearWriteFailures();
        break;
    case USER_FAULT::FileGone:
        EXPECT_FALSE(t.sim.Files().Exists(user)) << c.what;
        EXPECT_TRUE(std::filesystem::is_directory(host)) << c.what;
        break;
    case USER_FAULT::FolderGone:
        EXPECT_FALSE(std::filesystem::exists(host)) << c.what;
        break;
    case USER_FAULT::FileIsAFolder:
        EXPECT_EQ(t.sim.Files().Attributes(user) & FileAttrDirectory, FileAttrDirectory) << c.what;
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellPersistence,
    ::testing::Values(PERSIST_CASE{"skin, write refused", USER_FAULT::WriteRefused, true},
                      PERSIST_CASE{"language, write refused", USER_FAULT::WriteRefused, false},
                      PERSIST_CASE{"skin, file gone", USER_FAULT::FileGone, true},
                      PERSIST_CASE{"language, folder gone", USER_FAULT::FolderGone, false},
                      PERSIST_CASE{"skin, folder gone", USER_FAULT::FolderGone, true},
                      PERSIST_CASE{"language, file is a folder", USER_FAULT::FileIsAFolder, false}));

struct ERROR_CASE {
    const char* what;
    const char16_t* file; // relative to the program folder; nullptr: remove the language folders
    const char* contents;
    int32_t code;
};

class ShellErrors : public ::testing::TestWithParam<ERROR_CASE> {};

TEST_P(ShellErrors, StartUpErrorsAreShownAndEndTheProgram) {
    const ERROR_CASE c = GetParam();
    Shell t;
    if (c.file) {
        t.Corrupt(SimProgramFolder + c.file, c.contents);
    } else {
        std::filesystem::path host;
        t.sim.Files().HostPath(SimProgramFolder + u"Language", host);
        std::filesystem::remove_all(host);
        std::filesystem::create_directories(host);
    }
    const PANEL_STATUS status = t.Start(false);
    EXPECT_EQ(status.Code, c.code) << c.what;
    EXPECT_EQ(t.backend.MessageBoxes().size(), 1u) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellErrors,
    ::testing::Values(
        ERROR_CASE{"bad integer in the skin", u"Skin\\Graphite\\SkinSetting.ini",
                   "[Main]\r\nMainFormImage=MainForm.png,0,0\r\nBackNotebook=392,1x4,365,292\r\n",
                   PanelInvalidInteger},
        ERROR_CASE{"missing picture", u"Skin\\Graphite\\SkinSetting.ini",
                   "[Main]\r\nMainFormImage=Missing.png,0,0\r\nBackNotebook=392,104,365,292\r\n[EQ]\r\n"
                   "EQPanel=365,292\r\nEQSlider=80,120\r\n[Effect]\r\nEffectPanel=365,292\r\n[Mic]\r\n"
                   "MicPanel=365,292\r\nMicSlider=80,120\r\nMicProgressLength=100\r\n[Virtual7ch1]\r\n"
                   "VirtualPanel=365,292\r\nVirtualCenter=200,140,90\r\n",
                   PanelFileError},
        ERROR_CASE{"bad integer in the language", u"Language\\English\\Language.ini",
                   "[GlobalFont]\r\nFontSize=ten\r\n", PanelInvalidInteger},
        ERROR_CASE{"no language folder", nullptr, "", PanelFileError}));

} // namespace
} // namespace tonvel
