// 3D sound in the main window on the simulated headset: the 3D switch on the EQ page, FBM, Reset, the
// connection pictures and the channel thumbs dragged with the mouse, and the registers each leaves.

#include "features/tests/FeaturePanel.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::FEATURE_PANEL;
using test::TRAFFIC;

// The 3D page's tab is hidden and does not react (the window's design); the tests turn the page up.
void Show3DPage(FEATURE_PANEL& p) {
    static_cast<ui::CPageControl*>(p.t.form->Find(u"BackNotebook"))->SetActivePageIndex(1);
    ASSERT_EQ(p.t.form->PageShown(), PANEL_PAGE::Sound3D);
    p.Headset().ClearReports();
}

TEST(Sound3DShell, SwitchOnWritesTheDefaultsWhatever3DStateItHas) {
    FEATURE_PANEL p;
    p.Headset().SetRegister(0x18A, 0x80);
    p.Click(u"EQ3DENImage");
    EXPECT_TRUE(p.Sound3D().Enabled());
    EXPECT_EQ(p.Headset().Register(0x18B), 0xA3);
    EXPECT_EQ(p.Headset().Register(0x18C), 0xA3);
    EXPECT_EQ(p.Headset().Register(0x18A), 0xC1); // 3D processing and FBM on, bit 7 kept
    EXPECT_EQ(p.Headset().Register(0x100) & 0x04, 0x04);
    EXPECT_EQ(p.Headset().Register(0x129) & 0x10, 0x10);
}

TEST(Sound3DShell, SwitchingOffWithTheEqualizerOnKeepsProcessing) {
    for (const bool eqOn : {false, true}) {
        FEATURE_PANEL p;
        if (eqOn) p.Click(u"EQEQENImage");
        p.Click(u"EQ3DENImage");
        p.Click(u"EQ3DENImage");
        EXPECT_EQ(p.Headset().Register(0x18A), 0x01) << "only bit 6 cleared";
        EXPECT_EQ(p.Headset().Register(0x129) & 0x10, 0x00);
        EXPECT_EQ(p.Headset().Register(0x100) & 0x04, eqOn ? 0x04 : 0x00)
            << "the equalizer's processing stays";
    }
}

TEST(Sound3DShell, ThumbDragWritesBothPairs) {
    FEATURE_PANEL p;
    Show3DPage(p);
    ui::CImage& leftBeta = p.Image(u"D3LBetaSliderImage");
    p.Drag(leftBeta, 165 - leftBeta.Top());
    EXPECT_EQ(leftBeta.Top(), 165);
    // Beta 8 from its thumb, alpha 10 from its thumb where start-up showed the defaults; the right side's
    // thumbs show the defaults too. Each side's transaction writes the FBM bit and both pairs.
    TRAFFIC expected = {"R 018A", "W 018A=01", "W 018B=A8", "W 018C=A3", "idle"};
    const TRAFFIC right = {"R 018A", "W 018A=01", "W 018B=A8", "W 018C=A3", "idle"};
    expected.insert(expected.end(), right.begin(), right.end());
    EXPECT_EQ(p.Traffic(), expected);
    EXPECT_EQ(p.t.form->Label(u"D3LBetaValueLabel")->Caption(), u"8");
    p.Drag(leftBeta, -200);
    EXPECT_EQ(leftBeta.Top(), 105);
    EXPECT_EQ(p.Headset().Register(0x18B), 0xAF);
    EXPECT_EQ(p.Sound3D().Record().LeftBeta, 15);
}

TEST(Sound3DShell, ConnectionPicturesCycleAndPartnersFollow) {
    FEATURE_PANEL p;
    Show3DPage(p);
    struct CASE {
        int32_t State;
        int32_t MoveTo;       // the left beta thumb's new Top
        int32_t PartnerAfter; // the right beta thumb's Top
    };
    const int32_t rightStart = p.Image(u"D3RBetaSliderImage").Top();
    const CASE cases[] = {{0, 200, rightStart}, {1, 125, 125}, {2, 125, 205}, {0, 150, 205}};
    ui::CImage& left = p.Image(u"D3LBetaSliderImage");
    for (const CASE& c : cases) {
        p.Click(u"D3BetaImage");
        EXPECT_EQ(p.Sound3D().BetaConnection(), c.State);
        p.Drag(left, c.MoveTo - left.Top());
        EXPECT_EQ(p.Image(u"D3RBetaSliderImage").Top(), c.PartnerAfter) << c.State;
    }
    EXPECT_EQ(p.Sound3D().AlphaConnection(), ConnectionNone);
}

TEST(Sound3DShell, ConnectionPicturesWorkWithoutAHeadsetAndSendNothing) {
    FEATURE_PANEL p(false);
    Show3DPage(p);
    for (const int32_t state : {0, 1, 2, 0}) {
        p.Click(u"D3AlphaImage");
        EXPECT_EQ(p.Sound3D().AlphaConnection(), state);
    }
    EXPECT_TRUE(p.t.backend.MessageBoxes().empty());
    EXPECT_EQ(p.Sound3D().Apply3DEnable(true), 1);
    EXPECT_EQ(p.Sound3D().SetFbm(true), 2);
    EXPECT_EQ(p.Sound3D().ApplyLeft3D(true), 1);
    EXPECT_EQ(p.Sound3D().Reset3D(), 2);
    EXPECT_TRUE(p.Headset().Reports().empty());
}

TEST(Sound3DShell, FbmAndResetWithSynchronisation) {
    FEATURE_PANEL p;
    Show3DPage(p);
    p.Click(u"D3FBMImage");
    EXPECT_FALSE(p.Sound3D().FbmOn());
    EXPECT_EQ(p.Traffic(), (TRAFFIC{"R 018A", "W 018A=00", "idle"}));
    p.Drag(p.Image(u"D3RAlphaSliderImage"), 200);
    p.Traffic();
    p.Click(u"D3ResetImage");
    EXPECT_TRUE(p.Sound3D().FbmOn());
    EXPECT_EQ(p.Traffic(), (TRAFFIC{"R 018A", "W 018A=01", "W 018B=A3", "W 018C=A3"})); // no idle report
    EXPECT_EQ(p.Image(u"D3RAlphaSliderImage").Top(), 145);
    EXPECT_EQ(p.Image(u"D3LBetaSliderImage").Top(), 201);
    EXPECT_EQ(p.t.form->Label(u"D3RAlphaValueLabel")->Caption(), u"10");
}

TEST(Sound3DShell, EveryStatusThroughARefusedReport) {
    struct CASE {
        const char* Operation;
        uint32_t FailOutput, FailInput;
        int32_t Status;
    };
    const CASE cases[] = {
        {"on", 1, 0, 2},    {"on", 0, 1, 2},   {"on", 3, 0, 3},   {"on", 4, 0, 4},    {"on", 10, 0, 4},
        {"on", 11, 0, 7},   {"off", 1, 0, 5},  {"off", 2, 0, 6},  {"off", 4, 0, 7},   {"fbm", 1, 0, 3},
        {"fbm", 0, 1, 3},   {"fbm", 3, 0, 4},  {"fbm", 4, 0, 5},  {"left", 1, 0, 2},  {"left", 2, 0, 3},
        {"left", 5, 0, 4},  {"left", 7, 0, 5}, {"left", 8, 0, 7}, {"right", 4, 0, 4}, {"reset", 1, 0, 3},
        {"reset", 7, 0, 3},
    };
    for (const CASE& c : cases) {
        FEATURE_PANEL p;
        const std::string op = c.Operation;
        p.Headset().FailOutputReport(c.FailOutput);
        p.Headset().FailInputReport(c.FailInput);
        int32_t status = -1;
        if (op == "on") status = p.Sound3D().Apply3DEnable(true);
        if (op == "off") status = p.Sound3D().Apply3DEnable(false);
        if (op == "fbm") status = p.Sound3D().SetFbm(true);
        if (op == "left") status = p.Sound3D().ApplyLeft3D(true);
        if (op == "right") status = p.Sound3D().ApplyRight3D(true);
        if (op == "reset") status = p.Sound3D().Reset3D();
        EXPECT_EQ(status, c.Status) << op << " " << c.FailOutput << "/" << c.FailInput;
        const TRAFFIC traffic = p.Traffic();
        const bool idleLast = !traffic.empty() && traffic.back().rfind("idle", 0) == 0;
        EXPECT_EQ(idleLast, op != "reset") << op << " " << c.FailOutput;
        // Nothing but the idle report follows the refused report.
        size_t refused = 0;
        while (refused < traffic.size() && traffic[refused].find("refused") == std::string::npos)
            ++refused;
        EXPECT_GE(refused + 2, traffic.size()) << op << " " << c.FailOutput;
    }
}

TEST(Sound3DShell, ShutdownResetsAndSwitchesOff) {
    FEATURE_PANEL p;
    p.Click(u"EQEQENImage");
    p.Click(u"EQ3DENImage");
    p.Headset().ClearReports();
    p.t.form.reset(); // the window goes: its shutdown runs
    EXPECT_EQ(p.Headset().Register(0x100), 0x00);
    EXPECT_EQ(p.Headset().Register(0x18A), 0x01) << "FBM on, 3D processing off";
    EXPECT_EQ(p.Headset().Register(0x129), 0xE4) << "bypassed, 3D bit clear, neutral gain";
    EXPECT_EQ(p.Headset().Register(0x18B), 0xA3);
}

} // namespace
} // namespace tonvel
