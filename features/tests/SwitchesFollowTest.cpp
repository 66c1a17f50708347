// What the switches show is what the headset does after the sequences that re-apply them: a page switch
// with the 3D effect on and the equalizer off, a Save between a preset switch and the next one, and a
// profile that turns FBM off.

#include "features/tests/FeaturePanel.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::FEATURE_PANEL;

constexpr uint16_t ProcessingAddress = 0x100, EqBand5High = 0x129, Sound3DControl = 0x18A;
constexpr uint8_t ProcessingOnBit = 0x04, BypassBit = 0x80, Eq3DOnBit = 0x10, FbmKey = 0x01;

struct SWITCH_PANEL : FEATURE_PANEL {
    void Tab(const char16_t* name) {
        ui::CLabel* tab = t.form->Label(name);
        t.backend.Press(t.At(*tab, 2, 2));
        t.backend.Release(t.At(*tab, 2, 2));
    }
    bool Processing() { return (Headset().Register(ProcessingAddress) & ProcessingOnBit) != 0; }
};

// Processing stays on while the 3D switch shows on, whichever way the switches are sent again.
TEST(SwitchesFollow, ProcessingStaysOnWhileOnly3DIsOn) {
    struct CASE {
        const char* Where;
        std::function<void(SWITCH_PANEL&)> Again;
    };
    const CASE cases[] = {
        {"page switch to EQ", [](SWITCH_PANEL& p) { p.Tab(u"PageEffectLabel"), p.Tab(u"PageEQLabel"); }},
        {"page switch to 3D", [](SWITCH_PANEL& p) { p.Tab(u"Page3DLabel"); }},
        {"synchronisation off and on",
         [](SWITCH_PANEL& p) { p.Eq().FlipSynchronisation(), p.Eq().FlipSynchronisation(); }},
        {"arrival on the EQ page",
         [](SWITCH_PANEL& p) {
             p.t.sim.Devices().Unplug(p.Headset());
             p.t.sim.Devices().Plug(p.Headset());
         }},
    };
    for (const CASE& c : cases) {
        SWITCH_PANEL p;
        p.Click(u"EQ3DENImage");
        ASSERT_TRUE(p.Processing()) << c.Where;
        c.Again(p);
        EXPECT_TRUE(p.Processing()) << c.Where << ": the 3D switch shows on";
        EXPECT_TRUE(p.Headset().Register(Sound3DControl) & 0x40) << c.Where;
    }
}

// After a Save the next write of 0x129 carries the switches' bits, not those of the preset's slot.
TEST(SwitchesFollow, SaveKeepsTheBypassAnd3DBitsOfTheSwitches) {
    SWITCH_PANEL p;
    p.t.sim.Environment().SetVariable(u"USERPROFILE", u"C:\\Users\\Tester");
    p.t.sim.Files().CreateFolders(u"C:\\Users\\Tester");
    p.Click(u"EQEQENImage");
    p.Click(u"EQ3DENImage");
    p.Click(u"EQS2Image");
    p.t.backend.FileDialogAnswer = [](ui::CFileDialog& dialog, bool) {
        dialog.FileName = u"C:\\Users\\Tester\\Tonvel\\Saved.ini";
        return true;
    };
    p.Click(u"Menu1Image");
    p.Tab(u"PageEQLabel");
    EXPECT_EQ(p.Headset().Register(EqBand5High) & BypassBit, 0) << "the EQ switch shows on";
    EXPECT_EQ(p.Headset().Register(EqBand5High) & Eq3DOnBit, Eq3DOnBit) << "the 3D switch shows on";
    EXPECT_EQ(p.Eq().Record().Bypass, 0);
    EXPECT_EQ(p.Eq().Record().Sound3DOn, 1);
}

// A profile with FBM off: the next 3D write sends FBM off, as the button shows.
TEST(SwitchesFollow, ProfileFbmGoesIntoTheNext3DWrite) {
    SWITCH_PANEL p;
    const std::u16string path = u"C:\\Users\\Tester\\Tonvel\\Fbm.ini";
    p.t.sim.Files().CreateFolders(u"C:\\Users\\Tester\\Tonvel");
    p.t.sim.Files().PutFile(
        path, "[EQ]\r\nS1=0x400,0x400,0x400,0x400,0x400,0\r\nS2=0x400,0x400,0x400,0x400,0x400,0\r\n"
              "S3=0x400,0x400,0x400,0x400,0x400,0\r\nS4=0x400,0x400,0x400,0x400,0x400,0\r\n"
              "[3D]\r\nLeftAlpha=10\r\nLeftBeta=3\r\nRightAlpha=10\r\nRightBeta=3\r\n"
              "FBM=0\r\n3DEN=1\r\n");
    p.t.backend.FileDialogAnswer = [&](ui::CFileDialog& dialog, bool) {
        dialog.FileName = path;
        return true;
    };
    p.Click(u"Menu2Image");
    ASSERT_FALSE(p.Sound3D().FbmOn());
    p.Tab(u"Page3DLabel");
    p.Drag(p.Image(u"D3LBetaSliderImage"), -20);
    EXPECT_EQ(p.Headset().Register(Sound3DControl) & FbmKey, 0) << "the FBM button shows off";
    EXPECT_EQ(p.Sound3D().Record().Fbm, 0);
}

// Found by the model-based test: at a fresh start the 3D thumbs stood at their design places (value 8)
// while the record held the defaults (alpha 10, beta 3), so switching 3D on sent what no thumb showed.
TEST(SwitchesFollow, AFreshStartShowsThe3DDefaultsItSends) {
    SWITCH_PANEL p;
    const std::pair<const char16_t*, int32_t> thumbs[] = {{u"D3LAlphaSliderImage", 10},
                                                          {u"D3LBetaSliderImage", 3},
                                                          {u"D3RAlphaSliderImage", 10},
                                                          {u"D3RBetaSliderImage", 3}};
    for (const auto& [name, value] : thumbs)
        EXPECT_EQ(p.Image(name).Top(), 120 - value * 120 / 15 + 105) << std::string(name, name + 4);
    p.Click(u"EQ3DENImage");
    EXPECT_EQ(p.Headset().Register(0x18B), 0xA3);
    EXPECT_EQ(p.Headset().Register(0x18C), 0xA3);
}

} // namespace
} // namespace tonvel
