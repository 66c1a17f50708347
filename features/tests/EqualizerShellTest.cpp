// The equalizer in the main window on the simulated headset: thumbs dragged with the mouse, the switches,
// presets and Reset, and the registers and reports each of them leaves.

#include "features/tests/FeaturePanel.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::FEATURE_PANEL;
using test::TRAFFIC;

constexpr uint16_t ProcessingAddress = 0x100;

TEST(EqualizerShell, ThumbPositionsWriteTheirGain) {
    struct CASE {
        const char* Where;
        int32_t Dy, Step; // from the start-up position, the middle of the range
        uint8_t Low, High;
        const char16_t* Label;
    };
    const CASE cases[] = {
        {"top", -200, 0, 0xFF, 0x0F, u"fff"},
        {"bottom", 200, 0, 0x00, 0x00, u"0"},
        {"middle again", 0, 10, 0x00, 0x04, u"400"}, // moved away and back within one drag
    };
    for (const CASE& c : cases) {
        FEATURE_PANEL p;
        ui::CImage& thumb = p.Image(u"EQ60HzSliderImage");
        if (c.Step != 0) {
            const ui::UI_POINT from = p.t.At(thumb, 2, 2);
            p.t.backend.Press(from);
            p.t.backend.MoveTo({from.x, from.y + 30});
            p.Headset().ClearReports();
            p.t.backend.MoveTo(from);
            p.t.backend.Release(from);
        } else {
            p.Drag(thumb, c.Dy);
        }
        // EQ off: the bypass bit is written first, then the band and the idle report.
        const TRAFFIC expected = {"R 0129",
                                  "W 0129=80",
                                  "idle",
                                  c.Low == 0xFF ? "W 0120=FF" : "W 0120=00",
                                  c.High == 0x0F ? "W 0121=0F" : (c.High == 0x04 ? "W 0121=04" : "W 0121=00"),
                                  "idle"};
        EXPECT_EQ(p.Traffic(), expected) << c.Where;
        EXPECT_EQ(p.Headset().Register(0x120), c.Low) << c.Where;
        EXPECT_EQ(p.Headset().Register(0x121), c.High) << c.Where;
        EXPECT_EQ(p.t.form->Label(u"EQ60HzValueLabel")->Caption(), c.Label) << c.Where;
        EXPECT_EQ(p.Eq().Store().Unpack(0).Gain[0], c.High << 8 | c.Low) << "kept in preset 1";
    }
}

TEST(EqualizerShell, BandFiveKeepsTheSwitchBitsOfItsHighRegister) {
    struct CASE {
        bool EqOn;
        uint8_t Before, After;
    };
    const CASE cases[] = {{false, 0xE0, 0xEF}, {true, 0xE0, 0x6F}, {true, 0x50, 0x5F}};
    for (const CASE& c : cases) {
        FEATURE_PANEL p;
        if (c.EqOn) p.Click(u"EQEQENImage");
        p.Headset().SetRegister(0x129, c.Before);
        p.Drag(p.Image(u"EQ12000HzSliderImage"), -200);
        EXPECT_EQ(p.Headset().Register(0x128), 0xFF);
        EXPECT_EQ(p.Headset().Register(0x129), c.After) << int(c.Before);
    }
}

TEST(EqualizerShell, SwitchingTheEqualizerOffKeepsProcessingForThe3DEffect) {
    for (const bool with3D : {false, true}) {
        FEATURE_PANEL p;
        if (with3D) p.Click(u"EQ3DENImage");
        p.Click(u"EQEQENImage");
        EXPECT_TRUE(p.Eq().Enabled());
        EXPECT_EQ(p.Headset().Register(ProcessingAddress) & 0x04, 0x04);
        EXPECT_EQ(p.Headset().Register(0x129) & 0x80, 0x00) << "not bypassed";
        p.Click(u"EQEQENImage");
        EXPECT_EQ(p.Headset().Register(ProcessingAddress) & 0x04, with3D ? 0x04 : 0x00) << with3D;
        EXPECT_EQ(p.Headset().Register(0x129) & 0x80, 0x80);
        EXPECT_EQ(p.Eq().Store().Unpack(0).Bypass, 1) << "the switch is kept in the preset";
    }
}

TEST(EqualizerShell, ResetTouchesOnlyTheCurrentPreset) {
    FEATURE_PANEL p;
    const char16_t* buttons[] = {u"EQS1Image", u"EQS2Image", u"EQS3Image", u"EQS4Image"};
    const char16_t* thumbs[] = {u"EQ60HzSliderImage", u"EQ300HzSliderImage", u"EQ3600HzSliderImage",
                                u"EQ12000HzSliderImage"};
    for (int i = 0; i < 4; ++i) {
        p.Click(buttons[i]);
        p.Drag(p.Image(thumbs[i]), i % 2 ? 35 : -25);
    }
    EQ_SLOT before[4];
    for (int i = 0; i < 4; ++i)
        before[i] = p.Eq().Store().Slot(i);
    p.Click(u"EQS3Image");
    p.Headset().ClearReports();
    p.Click(u"EQResetImage");
    EXPECT_EQ(p.Eq().Preset(), 3);
    EXPECT_EQ(p.Eq().Store().Slot(0), before[0]);
    EXPECT_EQ(p.Eq().Store().Slot(1), before[1]);
    EXPECT_EQ(p.Eq().Store().Slot(3), before[3]);
    EXPECT_EQ(p.Eq().Store().Slot(2), PackEqSlot(DefaultEqRecord()));
    EXPECT_EQ(p.Image(u"EQ3600HzSliderImage").Top(), p.Eq().ThumbMin() + p.Eq().ThumbOffset(2, 3));
    EXPECT_EQ(p.Eq().ThumbOffset(2, 3), 60);
    for (uint16_t a = 0x120; a < 0x128; a += 2)
        EXPECT_EQ(p.Headset().Register(a + 1) << 8 | p.Headset().Register(a), 0x400) << a;
    // The block write closes without its own idle report; the 3D bit's transaction ends with one.
    const TRAFFIC traffic = p.Traffic();
    ASSERT_GE(traffic.size(), 4u);
    const TRAFFIC tail(traffic.end() - 4, traffic.end());
    EXPECT_EQ(tail, (TRAFFIC{"W 0129=E4", "R 0129", "W 0129=E4", "idle"}));
}

TEST(EqualizerShell, WithoutSynchronisationNoGainReachesTheDeviceButTheSwitchWritesTheBlock) {
    FEATURE_PANEL p;
    p.Eq().FlipSynchronisation();
    EXPECT_FALSE(p.Image(u"SyncImage").Visible());
    p.Traffic();
    p.Drag(p.Image(u"EQ60HzSliderImage"), -200);
    EXPECT_EQ(p.Traffic(), (TRAFFIC{"idle"}));
    EXPECT_EQ(p.Eq().Record().Gain[0], 0xFFF);
    EXPECT_EQ(p.Eq().Store().Unpack(0).Gain[0], 0xFFF);
    p.Click(u"EQEQENImage");
    const TRAFFIC traffic = p.Traffic();
    EXPECT_EQ(traffic,
              (TRAFFIC{"idle", // the bypass bit is not written
                       "R 0100", "W 0100=04", "W 0120=FF", "W 0121=0F", "W 0122=00", "W 0123=04", "W 0124=00",
                       "W 0125=04", "W 0126=00", "W 0127=04", "W 0128=00", "W 0129=64", "idle"}));
    p.Eq().FlipSynchronisation();
    EXPECT_TRUE(p.Image(u"SyncImage").Visible());
}

TEST(EqualizerShell, PresetButtonShowsAndSendsItsPreset) {
    FEATURE_PANEL p;
    p.Click(u"EQS2Image");
    p.Drag(p.Image(u"EQ300HzSliderImage"), -200);
    p.Click(u"EQS1Image");
    EXPECT_EQ(p.Image(u"EQ300HzSliderImage").Top(), (p.Eq().ThumbMin() + p.Eq().ThumbMax()) / 2);
    p.Traffic();
    p.Click(u"EQS2Image");
    EXPECT_EQ(p.Eq().Preset(), 2);
    EXPECT_EQ(p.t.form->Label(u"SXLabel")->Caption(), u"Preset 2");
    EXPECT_EQ(p.Image(u"EQ300HzSliderImage").Top(), p.Eq().ThumbMin());
    EXPECT_EQ(p.t.form->Label(u"EQ300HzValueLabel")->Caption(), u"fff");
    EXPECT_EQ(p.Traffic(), (TRAFFIC{"W 0120=00", "W 0121=04", "W 0122=FF", "W 0123=0F", "W 0124=00",
                                    "W 0125=04", "W 0126=00", "W 0127=04", "W 0128=00", "W 0129=E4", "idle",
                                    "R 0129", "W 0129=E4", "idle", "R 0129", "W 0129=E4", "idle"}));
}

TEST(EqualizerShell, WithoutTheHeadsetTheControlsOnlyWarn) {
    FEATURE_PANEL p(false);
    const int32_t top = p.Image(u"EQ60HzSliderImage").Top();
    p.Drag(p.Image(u"EQ60HzSliderImage"), -40);
    p.Click(u"EQEQENImage");
    p.Click(u"EQS3Image");
    EXPECT_EQ(p.t.backend.MessageBoxes().size(), 3u);
    EXPECT_EQ(p.Image(u"EQ60HzSliderImage").Top(), top);
    EXPECT_FALSE(p.Eq().Enabled());
    EXPECT_EQ(p.Eq().Preset(), 1);
    // The operations say that nothing was there to write to.
    EXPECT_EQ(p.Eq().ApplyEqBand(29, true), 1);
    EXPECT_EQ(p.Eq().ApplyProcessingEnable(true), 1);
    EXPECT_EQ(p.Eq().LoadPreset(1), 1);
    EXPECT_EQ(p.Eq().ResetEqualizer(), 3);
    EXPECT_TRUE(p.Headset().Reports().empty());
}

// The n-th report refused: the operation's status names the step, and after it only the idle report goes.
TEST(EqualizerShell, EveryStatusThroughARefusedReport) {
    struct CASE {
        const char* Operation;
        uint32_t FailOutput, FailInput;
        int32_t Status;
        const char* After; // the line after the refused one, "" for none
    };
    const CASE cases[] = {
        {"band", 5, 0, 2, "idle"}, {"band", 6, 0, 2, "idle"},  {"band", 7, 0, 3, "idle"},
        {"band", 0, 2, 3, "idle"}, {"band", 8, 0, 4, "idle"},  {"band", 9, 0, 4, "idle"},
        {"band", 10, 0, 5, ""},    {"band", 2, 0, 0, "idle"}, // the bypass bit has no status of its own
        {"on", 1, 0, 2, "idle"},   {"on", 0, 1, 2, "idle"},    {"on", 3, 0, 3, "idle"},
        {"on", 4, 0, 4, "idle"},   {"on", 23, 0, 4, "idle"},   {"on", 24, 0, 7, ""},
        {"off", 1, 0, 5, "idle"},  {"off", 3, 0, 6, "idle"},   {"off", 4, 0, 7, ""},
        {"load", 1, 0, 2, "idle"}, {"load", 20, 0, 2, "idle"}, {"load", 21, 0, 3, ""},
        {"reset", 47, 0, 4, ""},   {"reset", 66, 0, 4, ""},
    };
    for (const CASE& c : cases) {
        FEATURE_PANEL p;
        const std::string op = c.Operation;
        p.Headset().FailOutputReport(c.FailOutput);
        p.Headset().FailInputReport(c.FailInput);
        int32_t status = -1;
        if (op == "band") status = p.Eq().ApplyEqBand(33, true);
        if (op == "on") status = p.Eq().ApplyProcessingEnable(true);
        if (op == "off") status = p.Eq().ApplyProcessingEnable(false);
        if (op == "load") status = p.Eq().LoadPreset(1);
        if (op == "reset") status = p.Eq().ResetEqualizer();
        EXPECT_EQ(status, c.Status) << op << " " << c.FailOutput << "/" << c.FailInput;
        const TRAFFIC traffic = p.Traffic();
        size_t refused = 0;
        while (refused < traffic.size() && traffic[refused].find("refused") == std::string::npos)
            ++refused;
        ASSERT_LT(refused, traffic.size()) << op << " " << c.FailOutput;
        const TRAFFIC after(traffic.begin() + static_cast<ptrdiff_t>(refused) + 1, traffic.end());
        const TRAFFIC expected = std::string(c.After).empty() ? TRAFFIC{} : TRAFFIC{c.After};
        if (op != "band" || c.Status != 0) {
            EXPECT_EQ(after, expected) << op << " " << c.FailOutput;
        }
    }
}

TEST(EqualizerShell, ATravelOfZeroIsRefusedWithTheSkin) {
    Shell t;
    for (const char16_t* skin : {u"Azure", u"Graphite"}) {
        const std::u16string file = SimProgramFolder + u"Skin\\" + skin + u"\\SkinSetting.ini";
        t.sim.Profile().WriteString(u"EQ", u"EQSlider", u"80,0", file);
        t.sim.Profile().WriteString(u"Mic", u"MicSlider", u"88,0", file);
    }
    const PANEL_STATUS status = t.Start(false);
    EXPECT_EQ(status.Code, PanelInvalidInteger);
    EXPECT_EQ(status.Message, u"'0' is not a valid integer value");
}

} // namespace
} // namespace tonvel
