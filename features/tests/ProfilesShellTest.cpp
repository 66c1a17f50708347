// Profiles through the main window on the simulated Windows: the file the exit leaves and the next start
// reads, the Save and Load buttons with their dialogs, the read order's device writes, and the damaged,
// partial, cut-off and misplaced cases.

#include "features/ProfilePlaces.h"
#include "features/tests/FeaturePanel.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::FEATURE_PANEL;

constexpr uint16_t ProcessingAddress = 0x100, Sound3DControl = 0x18A, EqBand5High = 0x129;
const std::u16string UserProfile = u"C:\\Users\\Tester";
const std::u16string SavedProfileFolder = UserProfile + u"\\Tonvel";

// A profile as the panel writes it, with one line replaced or dropped where a test needs it.
std::string ProfileText(const std::string& replace = "", const std::string& with = "") {
    std::string text =
        "[EQ]\r\nS1=0x400,0x400,0x400,0x400,0x400,0\r\nS2=0xFFF,0x0,0x400,0x7FF,0x123,1\r\n"
        "S3=0x400,0x400,0x400,0x400,0x400,1\r\nS4=0x400,0x400,0x400,0x400,0x400,1\r\n"
        "[3D]\r\nLeftAlpha=12\r\nLeftBeta=4\r\nRightAlpha=9\r\nRightBeta=2\r\nFBM=0\r\n3DEN=1\r\n"
        "[Effect]\r\nCurrentEffect=3\r\n"
        "[Virtual7ch1]\r\nC=150,60\r\nL=100,80\r\nLS=80,150\r\nLB=100,200\r\nRB=200,200\r\n"
        "RS=220,150\r\nSUB=150,100\r\nR=200,80\r\n7ch1EN=1\r\n[LED]\r\nLEDON=0\r\n";
    if (!replace.empty()) text.replace(text.find(replace), replace.size(), with);
    return text;
}

struct PROFILE_PANEL : FEATURE_PANEL {
    std::vector<std::u16string> dialogFolders; // the initial folder of every dialog shown

    explicit PROFILE_PANEL(bool device = true) : FEATURE_PANEL(device) {
        t.sim.Environment().SetVariable(u"USERPROFILE", UserProfile);
        t.sim.Files().CreateFolders(UserProfile);
    }
    std::u16string LastProfile() { return t.AppData() + u"\\Tonvel\\LastProfile.ini"; }
    std::u16string Value(const std::u16string& path, const std::u16string& section,
                         const std::u16string& key) {
        std::u16string value;
        t.sim.Profile().GetString(section, key, u"", value, 256, path);
        return value;
    }
    std::string Bytes(const std::u16string& path) {
        std::vector<uint8_t> bytes;
        t.sim.Files().ReadAll(path, bytes);
        return std::string(bytes.begin(), bytes.end());
    }
    // The next dialog chooses `name` (an empty name: cancelled).
    void Choose(const std::u16string& name) {
        t.backend.FileDialogAnswer = [this, name](ui::CFileDialog& dialog, bool) {
            dialogFolders.push_back(dialog.InitialDir);
            if (name.empty()) return false;
            dialog.FileName = name;
            return true;
        };
    }
    void Save(const std::u16string& name) {
        Choose(name);
        Click(u"Menu1Image");
    }
    void Load(const std::u16string& name) {
        Choose(name);
        Click(u"Menu2Image");
    }
    CProfiles& Profiles() { return t.form->Features().Profiles(); }
    std::u16string UserConfig() { return t.AppData() + u"\\Tonvel\\AudioConfig.cfg"; }
    // The exit, then the next start in the same Windows (with what happens between).
    void Restart(const std::function<void()>& between = {}) {
        t.form->Destroy();
        if (between) between();
        t.about.reset();
        t.form.reset();
        t.app.reset();
        t.backend.ClearMessageBoxes();
        ASSERT_TRUE(t.Start().Ok());
        t.ShowPanel();
        t.sim.Headset().ClearReports();
    }
    const std::vector<ui::MESSAGE_BOX_RECORD>& Boxes() { return t.backend.MessageBoxes(); }
};

std::u16string U16(const std::string& text) {
    return std::u16string(text.begin(), text.end());
}

// The keys of a profile file in the order they stand.
std::vector<std::string> Keys(const std::string& text) {
    std::vector<std::string> keys;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (!line.empty() && line[0] != '[') keys.push_back(line.substr(0, line.find('=')));
        if (end == std::string::npos) break;
        at = end + 2;
    }
    return keys;
}

TEST(ProfilesShell, AFreshStartLeavesTheDefaultsInTheLastProfileAtExit) {
    PROFILE_PANEL p;
    const SPEAKER_POSITIONS icons = p.t.form->Features().VirtualSpeakers().Positions();
    p.t.form->Destroy();
    const std::u16string file = p.LastProfile();
    for (const char16_t* key : {u"S1", u"S2", u"S3", u"S4"})
        EXPECT_EQ(p.Value(file, u"EQ", key), u"0x400,0x400,0x400,0x400,0x400,0") << std::string(key, key + 2);
    const std::pair<const char16_t*, const char16_t*> values[] = {
        {u"LeftAlpha", u"10"}, {u"LeftBeta", u"3"}, {u"RightAlpha", u"10"},
        {u"RightBeta", u"3"},  {u"FBM", u"1"},      {u"3DEN", u"0"}};
    for (const auto& [key, value] : values)
        EXPECT_EQ(p.Value(file, u"3D", key), value);
    EXPECT_EQ(p.Value(file, u"Effect", u"CurrentEffect"), u"1");
    EXPECT_EQ(p.Value(file, u"Virtual7ch1", u"7ch1EN"), u"0");
    EXPECT_EQ(p.Value(file, u"LED", u"LEDON"), u"1");
    const SPEAKER_POSITION c = icons[2];
    EXPECT_EQ(p.Value(file, u"Virtual7ch1", u"C"), U16(std::to_string(c.Left) + "," + std::to_string(c.Top)));
    EXPECT_EQ(Keys(p.Bytes(file)), (std::vector<std::string>{"S1",
                                                             "S2",
                                                             "S3",
                                                             "S4",
                                                             "LeftAlpha",
                                                             "LeftBeta",
                                                             "RightAlpha",
                                                             "RightBeta",
                                                             "FBM",
                                                             "3DEN",
                                                             "CurrentEffect",
                                                             "C",
                                                             "L",
                                                             "LS",
                                                             "LB",
                                                             "RB",
                                                             "RS",
                                                             "SUB",
                                                             "R",
                                                             "7ch1EN",
                                                             "LEDON"}));
    EXPECT_FALSE(p.t.sim.Files().Exists(ProfileTemporaryPath(file)));
}

TEST(ProfilesShell, LoadingAppliesEverySettingAndWritesItToTheDevice) {
    PROFILE_PANEL p;
    p.t.sim.Files().PutFile(SavedProfileFolder + u"\\mine.ini", ProfileText());
    p.Load(SavedProfileFolder + u"\\mine.ini");
    EXPECT_TRUE(p.Boxes().empty());
    const CEqualizer& eq = p.Eq();
    EXPECT_TRUE(eq.Enabled());
    const EqRegisterSet s2 = eq.Store().Unpack(1);
    EXPECT_EQ(s2.Gain, (std::array<uint16_t, 5>{0xFFF, 0x0, 0x400, 0x7FF, 0x123}));
    EXPECT_EQ(eq.Preset(), 1);
    EXPECT_EQ(p.t.form->Label(u"EQ60HzValueLabel")->Caption(), u"400"); // preset 1 stays shown
    const Sound3DRegisterSet& d3 = p.Sound3D().Record();
    EXPECT_EQ(std::vector<int>({d3.LeftAlpha, d3.LeftBeta, d3.RightAlpha, d3.RightBeta}),
              std::vector<int>({12, 4, 9, 2}));
    EXPECT_FALSE(p.Sound3D().FbmOn());
    EXPECT_TRUE(p.Sound3D().Enabled());
    EXPECT_EQ(p.t.form->Features().Effects().Current(), 3);
    EXPECT_TRUE(p.t.form->Features().VirtualSpeakers().Enabled());
    EXPECT_EQ(p.t.form->Features().VirtualSpeakers().Positions()[2].Top, 60);
    EXPECT_FALSE(p.t.form->Features().Led().On());
    // The device: processing and 3D on, the EQ and 3D bits of 0x129, the channel pairs, the LED's pins.
    EXPECT_TRUE(p.Headset().Register(ProcessingAddress) & 0x04);
    EXPECT_TRUE(p.Headset().Register(Sound3DControl) & 0x40);
    EXPECT_EQ(p.Headset().Register(EqBand5High) & 0x90, 0x10); // not bypassed, 3D on
    EXPECT_EQ(p.Headset().Register(0x18B), 0xC4);
    EXPECT_EQ(p.Headset().Register(0x18C), 0x92);
    const test::TRAFFIC traffic = p.Traffic();
    EXPECT_NE(std::find(traffic.begin(), traffic.end(), "out 3C"), traffic.end()); // the pin write
}

TEST(ProfilesShell, SavedAndLoadedBackTheSettingsAreTheSame) {
    PROFILE_PANEL p;
    p.t.sim.Files().PutFile(SavedProfileFolder + u"\\mine.ini", ProfileText());
    p.Load(SavedProfileFolder + u"\\mine.ini");
    p.Save(u"C:\\Users\\Tester\\copy.ini");
    // The EQ switch is one for all presets: every line now carries the last line's.
    EXPECT_EQ(p.Bytes(UserProfile + u"\\copy.ini"), ProfileText("0x400,0\r\nS2", "0x400,1\r\nS2"));
}

TEST(ProfilesShell, TheSaveDialogsNameGetsIniUnlessItHoldsItAnywhere) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"C:\\Users\\Tester\\Tonvel\\Music", u"C:\\Users\\Tester\\Tonvel\\Music.ini"},
        {u"C:\\Users\\Tester\\Tonvel\\Music.ini", u"C:\\Users\\Tester\\Tonvel\\Music.ini"},
        {u"C:\\Users\\Tester\\Tonvel\\old.ini.keep", u"C:\\Users\\Tester\\Tonvel\\old.ini.keep"},
        {u"C:\\Users\\Tester\\Tonvel\\Loud.INI", u"C:\\Users\\Tester\\Tonvel\\Loud.INI.ini"},
    };
    for (const auto& [typed, saved] : cases) {
        PROFILE_PANEL p;
        p.Save(typed);
        EXPECT_TRUE(p.t.sim.Files().Exists(saved));
        EXPECT_EQ(p.Value(p.UserConfig(), u"LastINI", u"Path"), saved);
        ASSERT_EQ(p.dialogFolders.size(), 1u);
        EXPECT_EQ(p.dialogFolders[0], SavedProfileFolder); // created for the dialog
        EXPECT_TRUE(p.t.sim.Files().IsFolder(SavedProfileFolder));
    }
}

TEST(ProfilesShell, TheSettingsAtExitAreThereAtTheNextStart) {
    PROFILE_PANEL p;
    p.Drag(p.Image(u"EQ60HzSliderImage"), -200);
    p.Click(u"LEDImage");
    p.Restart();
    EXPECT_TRUE(TraceHas(*p.t.form, u"17 last profile"));
    EXPECT_EQ(p.Eq().Record().Gain[0], 0xFFF);
    EXPECT_EQ(p.t.form->Label(u"EQ60HzValueLabel")->Caption(), u"fff");
    EXPECT_EQ(p.Image(u"EQ60HzSliderImage").Top(), p.Eq().ThumbMin());
    EXPECT_FALSE(p.t.form->Features().Led().On());
    EXPECT_TRUE(p.Boxes().empty());
}

TEST(ProfilesShell, AProfileWithoutTheLedLeavesTheLedAsItWas) {
    PROFILE_PANEL p;
    p.Click(u"LEDImage"); // off
    p.t.sim.Files().PutFile(SavedProfileFolder + u"\\noled.ini", ProfileText("[LED]\r\nLEDON=0\r\n", ""));
    p.Traffic();
    p.Load(SavedProfileFolder + u"\\noled.ini");
    EXPECT_TRUE(p.Boxes().empty());
    EXPECT_FALSE(p.t.form->Features().Led().On());
    const test::TRAFFIC traffic = p.Traffic();
    EXPECT_EQ(std::find(traffic.begin(), traffic.end(), "out 3C"), traffic.end()); // no pin write
    EXPECT_EQ(p.t.form->Features().Effects().Current(), 3);                        // the rest loaded
}

TEST(ProfilesShell, AProfileWithoutS1StopsBeforeAnyPresetChanges) {
    PROFILE_PANEL p;
    p.Drag(p.Image(u"EQ60HzSliderImage"), -200);
    const auto image = p.Eq().Store().Image();
    p.t.sim.Files().PutFile(SavedProfileFolder + u"\\nos1.ini",
                            ProfileText("S1=0x400,0x400,0x400,0x400,0x400,0\r\n", ""));
    p.Load(SavedProfileFolder + u"\\nos1.ini");
    ASSERT_EQ(p.Boxes().size(), 1u);
    EXPECT_EQ(p.Boxes()[0].text, u"'' is not a valid integer value.");
    EXPECT_EQ(p.Eq().Store().Image(), image);
    EXPECT_FALSE(p.Eq().Enabled());
    EXPECT_EQ(p.t.form->Features().Effects().Current(), 1); // nothing after it either
    EXPECT_TRUE(p.t.form->Features().Led().On());
}

TEST(ProfilesShell, ShortPresetLinesStopAtTheFirstAndBorrowFromTheLineBeforeLater) {
    struct CASE {
        const char* Name;
        std::string Replace, With;
        int32_t Boxes;
        std::array<uint16_t, 5> S2;
        int32_t Effect;
    };
    const CASE cases[] = {
        {"first line short",
         "S1=0x400,0x400,0x400,0x400,0x400,0",
         "S1=0x400,0x400,0x400,0x400,0x400",
         1,
         {0x400, 0x400, 0x400, 0x400, 0x400},
         1},
        {"later line short",
         "S2=0xFFF,0x0,0x400,0x7FF,0x123,1",
         "S2=0x111,0x222",
         0,
         {0x111, 0x222, 0x400, 0x400, 0x400},
         3},
        {"bad field",
         "S2=0xFFF,0x0,0x400,0x7FF,0x123,1",
         "S2=0xFFF,zz,0x400,0x7FF,0x123,1",
         1,
         {0x400, 0x400, 0x400, 0x400, 0x400},
         1},
        {"extra fields ignored",
         "S2=0xFFF,0x0,0x400,0x7FF,0x123,1",
         "S2=0x1,0x2,0x3,0x4,0x5,1,junk",
         0,
         {0x1, 0x2, 0x3, 0x4, 0x5},
         3},
    };
    for (const CASE& c : cases) {
        PROFILE_PANEL p;
        p.t.sim.Files().PutFile(SavedProfileFolder + u"\\short.ini", ProfileText(c.Replace, c.With));
        p.Load(SavedProfileFolder + u"\\short.ini");
        EXPECT_EQ(static_cast<int32_t>(p.Boxes().size()), c.Boxes) << c.Name;
        EXPECT_EQ(p.Eq().Store().Unpack(1).Gain, c.S2) << c.Name;
        EXPECT_EQ(p.t.form->Features().Effects().Current(), c.Effect) << c.Name;
    }
}

TEST(ProfilesShell, AnyValueButZeroSwitchesOnInTheWindowAndOnTheDevice) {
    PROFILE_PANEL p;
    std::string text = ProfileText("3DEN=1", "3DEN=2");
    text.replace(text.find("FBM=0"), 5, "FBM=-3");
    text.replace(text.find("7ch1EN=1"), 8, "7ch1EN=16");
    text.replace(text.find("LEDON=0"), 7, "LEDON=0x10");
    text.replace(text.find("0x400,0x400,0x400,0x400,0x400,1\r\nS4"), 32, "0x400,0x400,0x400,0x400,0x400,9");
    p.Click(u"LEDImage"); // off, so that the profile's "on" shows
    p.t.sim.Files().PutFile(SavedProfileFolder + u"\\odd.ini", text);
    p.Load(SavedProfileFolder + u"\\odd.ini");
    EXPECT_TRUE(p.Boxes().empty());
    EXPECT_TRUE(p.Sound3D().Enabled());
    EXPECT_TRUE(p.Sound3D().FbmOn());
    EXPECT_TRUE(p.t.form->Features().VirtualSpeakers().Enabled());
    EXPECT_TRUE(p.t.form->Features().Led().On());
    EXPECT_TRUE(p.Eq().Enabled());
    EXPECT_TRUE(p.Headset().Register(Sound3DControl) & 0x40);
    EXPECT_TRUE(p.Headset().Register(ProcessingAddress) & 0x04);
    EXPECT_EQ(p.Headset().Register(EqBand5High) & 0x90, 0x10);
    // Saved again, the switches read 1.
    p.Save(SavedProfileFolder + u"\\again.ini");
    EXPECT_EQ(p.Value(SavedProfileFolder + u"\\again.ini", u"3D", u"3DEN"), u"1");
    EXPECT_EQ(p.Value(SavedProfileFolder + u"\\again.ini", u"LED", u"LEDON"), u"1");
}

TEST(ProfilesShell, AfterSaveAndARestartTheLoadDialogOpensInTheLastFolder) {
    PROFILE_PANEL p;
    p.t.sim.Files().CreateFolders(u"C:\\Sound\\Profiles");
    p.Save(u"C:\\Sound\\Profiles\\Night");
    p.Restart();
    p.Load(u"");
    ASSERT_EQ(p.dialogFolders.size(), 2u);
    EXPECT_EQ(p.dialogFolders[1], u"C:\\Sound\\Profiles");
    // Remembered for the user; the program's own configuration is not the user's to write.
    EXPECT_EQ(p.Value(p.UserConfig(), u"LastINI", u"Path"), u"C:\\Sound\\Profiles\\Night.ini");
    EXPECT_EQ(p.Value(SimProgramFolder + u"AudioConfig.cfg", u"LastINI", u"Path"), u"");
}

TEST(ProfilesShell, TheLoadDialogFallsBackToTheProgramsValueThenTheDefaultFolder) {
    PROFILE_PANEL p;
    p.Load(u"");
    p.t.sim.Profile().WriteString(u"LastINI", u"Path", u"E:\\Old\\set.ini",
                                  SimProgramFolder + u"AudioConfig.cfg");
    p.Load(u"");
    ASSERT_EQ(p.dialogFolders.size(), 2u);
    EXPECT_EQ(p.dialogFolders[0], SavedProfileFolder);
    EXPECT_EQ(p.dialogFolders[1], u"E:\\Old");
}

TEST(ProfilesShell, ASaveRefusedMidwayLeavesTheOldFileByteForByte) {
    PROFILE_PANEL p;
    const std::u16string file = SavedProfileFolder + u"\\mine.ini";
    p.t.sim.Files().PutFile(file, ProfileText());
    p.t.sim.Files().FailWrite(ProfileTemporaryPath(file), 112 /* disk full */, 7);
    p.Save(file);
    EXPECT_EQ(p.Bytes(file), ProfileText());
    EXPECT_FALSE(p.t.sim.Files().Exists(ProfileTemporaryPath(file)));
    ASSERT_EQ(p.Boxes().size(), 1u); // said, not silent
    EXPECT_EQ(p.Boxes()[0].text, u"Cannot create file \"" + file + u"\".");
    EXPECT_EQ(p.Value(p.UserConfig(), u"LastINI", u"Path"), u""); // not remembered either
    // At exit the same.
    p.t.sim.Files().PutFile(p.LastProfile(), ProfileText());
    p.t.sim.Files().FailWrite(ProfileTemporaryPath(p.LastProfile()), 112, 3);
    p.t.form->Destroy();
    EXPECT_EQ(p.Bytes(p.LastProfile()), ProfileText());
    EXPECT_EQ(p.Boxes().size(), 2u);
}

TEST(ProfilesShell, ADamagedLastProfileIsSetAsideAndThePanelStartsWithTheDefaults) {
    const std::pair<std::string, std::string> damages[] = {
        {"FBM=0", "FBM=off"}, {"C=150,60\r\n", ""}, {"S1=0x400,0x400,0x400,0x400,0x400,0\r\n", ""}};
    for (const auto& [replace, with] : damages) {
        PROFILE_PANEL p;
        const std::u16string last = p.LastProfile();
        p.Restart([&] { p.t.sim.Files().PutFile(last, ProfileText(replace, with)); });
        EXPECT_TRUE(TraceHas(*p.t.form, u"17 last profile damaged, set aside")) << replace;
        ASSERT_EQ(p.Boxes().size(), 1u) << replace;
        EXPECT_FALSE(p.t.sim.Files().Exists(last));
        EXPECT_EQ(p.Bytes(last + u".bad"), ProfileText(replace, with));
        EXPECT_EQ(p.t.form->Features().Effects().Current(), 1); // the defaults
        EXPECT_FALSE(p.Sound3D().Enabled());
        EXPECT_TRUE(p.t.form->Features().Led().On());
        p.Restart(); // the exit wrote a good file: no message any more
        EXPECT_TRUE(TraceHas(*p.t.form, u"17 last profile"));
        EXPECT_TRUE(p.Boxes().empty());
    }
}

// A profile lies where a path cut to its buffer, or longer than a path may be, would lead; it is neither
// read nor written over.
TEST(ProfilesShell, NoPlaceForTheLastProfileMeansNoSaveAndNoLoadButTheStart) {
    const std::u16string longAppData = u"C:\\" + std::u16string(253, u'a'); // 256 units
    const std::u16string cut = longAppData.substr(0, ProfileVariableMax);
    const std::u16string deep = u"C:\\" + std::u16string(240, u'a'); // the joined file: 266
    const struct {
        const char* Name;
        std::u16string AppData, Lying;
    } cases[] = {{"unset", u"", u""},
                 {"too long for its buffer", longAppData, cut + u"\\Tonvel\\LastProfile.ini"},
                 {"joined too long", deep, deep + u"\\Tonvel\\LastProfile.ini"}};
    for (const auto& c : cases) {
        PROFILE_PANEL p;
        p.Restart([&] {
            if (c.AppData.empty())
                p.t.sim.Environment().RemoveVariable(u"APPDATA");
            else
                p.t.sim.Environment().SetVariable(u"APPDATA", c.AppData);
            if (!c.Lying.empty()) p.t.sim.Files().PutFile(c.Lying, ProfileText());
        });
        EXPECT_TRUE(TraceHas(*p.t.form, u"17 no last profile")) << c.Name;
        EXPECT_EQ(p.t.form->Features().Effects().Current(), 1) << c.Name;
        p.t.form->Destroy();
        EXPECT_TRUE(p.Boxes().empty()) << c.Name;
        if (!c.Lying.empty()) {
            EXPECT_EQ(p.Bytes(c.Lying), ProfileText()) << c.Name;
        }
    }
}

TEST(ProfilesShell, WithoutAUserProfileFolderTheDialogsOpenWhereWindowsChooses) {
    PROFILE_PANEL p;
    p.t.sim.Environment().RemoveVariable(u"USERPROFILE");
    p.Save(u"C:\\Users\\Tester\\x");
    ASSERT_EQ(p.dialogFolders.size(), 1u);
    EXPECT_EQ(p.dialogFolders[0], u"");
    EXPECT_TRUE(p.t.sim.Files().Exists(u"C:\\Users\\Tester\\x.ini"));
}

TEST(ProfilesShell, WithoutADeviceTheButtonsWarnAndNothingIsSavedOrLoaded) {
    PROFILE_PANEL p(false);
    p.t.sim.Files().PutFile(SavedProfileFolder + u"\\mine.ini", ProfileText());
    p.Save(SavedProfileFolder + u"\\x.ini");
    p.Load(SavedProfileFolder + u"\\mine.ini");
    EXPECT_TRUE(p.dialogFolders.empty());
    EXPECT_EQ(p.Boxes().size(), 2u); // the no-device warning, twice
    EXPECT_EQ(p.t.form->Features().Effects().Current(), 1);
}

} // namespace
} // namespace tonvel
