// The Mic page and the LED on the main window: the microphone through Windows audio at start-up, the level
// meter's life with the page switch and the headset's removal, the gain thumb, boost and mute, and the LED
// button with its pin reports and the audio service's restart.

#include "device/AudioService.h"
#include "panel/form/tests/ShellFixture.h"
#include "platform/sim/SimHeadsetMic.h"

#include <gtest/gtest.h>

#include <vector>

namespace tonvel {
namespace {

struct MicShell : Shell {
    explicit MicShell(bool withDevice = true) : Shell(withDevice) {
        sim::AddHeadsetMicrophone(sim, sim.Headset().VendorId(), sim.Headset().ProductId());
    }
    sim::SIM_ENDPOINT& Endpoint() { return sim.AudioEndpoints().Endpoint(0); }
    void Click(const char16_t* name) {
        ui::CComponent* c = form->Find(name);
        backend.Press(At(*c, 2, 2));
        backend.Release(At(*c, 2, 2));
    }
    // One buffer of samples whose distance from silence averages `average`.
    bool Speak(int average) {
        std::vector<uint8_t> samples(400);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<uint8_t>(i % 2 == 0 ? 128 + average : 128 - average);
        const bool delivered = sim.WaveIn().Deliver(samples);
        app->ProcessMessages();
        return delivered;
    }
    int32_t LevelBarWidth() { return form->Image(u"MicProgressImage")->Width(); }
};

TEST(ShellMic, StartUpReadsTheMicrophoneAroundAnOpenedAndClosedCapture) {
    MicShell t;
    ASSERT_TRUE(t.Start().Ok());
    EXPECT_EQ(t.form->Features().Microphone().Gain(), 75);
    EXPECT_EQ(t.form->Label(u"MicValueLabel")->Caption(), u"75");
    EXPECT_EQ(t.sim.WaveIn().OpenCount(), 1U);
    EXPECT_FALSE(t.sim.WaveIn().IsOpen());
    EXPECT_EQ(t.LevelBarWidth(), 0);
    // Step 18 dropped the endpoint: nothing of Core Audio is held.
    EXPECT_EQ(t.sim.AudioEndpoints().LiveReferences(), 0U);
    EXPECT_EQ(t.sim.AudioEndpoints().ComCount(), 0);
    EXPECT_EQ(t.sim.AudioEndpoints().CallsWithoutLibrary(), 0U);
}

// A laptop's own microphone or a webcam is the default recording device and comes first: the meter records
// the headset's own capture device, the one the Mic page finds; without it there is no meter.
TEST(ShellMic, TheMeterRecordsTheHeadsetsOwnMicrophoneNotTheDefaultOne) {
    struct CASE {
        const char* What;
        bool HeadsetMic;
        bool Webcam;
        uint32_t Default; // the mapper's device
        bool Recording;
        uint32_t Opened;
    };
    const CASE cases[] = {
        {"webcam first and default", true, true, 0, true, 1},
        {"headset default, webcam last", true, true, 1, true, 1},
        {"headset alone", true, false, 0, true, 0},
        {"only the webcam", false, true, 0, false, 0},
    };
    for (const CASE& c : cases) {
        Shell t;
        if (c.Webcam)
            t.sim.CaptureDevices().Add(
                {true,
                 u"\\\\?\\USB#VID_045E&PID_0779&MI_02#6&1&0&0002#{65e8773d-8f56-11d0-a3b9-00a0c9223196}",
                 u"Microphone (Webcam)"});
        if (c.HeadsetMic)
            sim::AddHeadsetMicrophone(t.sim, t.sim.Headset().VendorId(), t.sim.Headset().ProductId());
        if (!c.HeadsetMic)
            t.sim.WaveIn().SetSource(0, [](uint64_t) { return uint8_t{255}; }); // the webcam speaks
        t.sim.WaveIn().SetDefaultDevice(c.Default);
        ASSERT_TRUE(t.Start().Ok()) << c.What;
        t.ShowPanel();
        ui::CComponent* tab = t.form->Find(u"PageMicLabel");
        t.backend.Press(t.At(*tab, 2, 2));
        t.backend.Release(t.At(*tab, 2, 2));
        EXPECT_EQ(t.sim.WaveIn().Recording(), c.Recording) << c.What;
        if (!c.Recording) {
            EXPECT_FALSE(t.sim.WaveIn().DeliverFromSource()) << c.What;
            EXPECT_EQ(t.form->Image(u"MicProgressImage")->Width(), 0) << c.What;
            continue;
        }
        EXPECT_EQ(t.sim.WaveIn().OpenedDevice(), c.Opened) << c.What;
        // The bar moves with what the headset hears.
        bool moved = false;
        for (int i = 0; i < 40 && !moved; ++i) {
            ASSERT_TRUE(t.sim.WaveIn().DeliverFromSource()) << c.What;
            t.app->ProcessMessages();
            moved = t.form->Image(u"MicProgressImage")->Width() > 0;
        }
        EXPECT_TRUE(moved) << c.What;
    }
}

TEST(ShellMic, TheLevelBarFollowsTheMicrophoneWhileTheMicPageIsShown) {
    MicShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    const int32_t length = 321; // the skin's MicProgressLength
    t.Click(u"PageMicLabel");
    ASSERT_TRUE(t.sim.WaveIn().Recording());
    ASSERT_TRUE(t.Speak(10));
    EXPECT_EQ(t.LevelBarWidth(), 10 + 4 * (static_cast<int32_t>(length * 2 * 10 >> 7) - 1));
    ASSERT_TRUE(t.Speak(100));
    EXPECT_EQ(t.LevelBarWidth(), 318);
    ASSERT_TRUE(t.Speak(0));
    EXPECT_EQ(t.LevelBarWidth(), 0);
    // The buffers go round: many more than two are delivered.
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(t.Speak(20)) << i;

    // Another click on the tab starts nothing more.
    t.Click(u"PageMicLabel");
    EXPECT_EQ(t.sim.WaveIn().OpenCount(), 2U);

    // Leaving the page stops the meter; the buffers handed back by the stop change nothing.
    const int32_t width = t.LevelBarWidth();
    t.Click(u"PageEQLabel");
    EXPECT_FALSE(t.sim.WaveIn().IsOpen());
    t.app->ProcessMessages();
    EXPECT_EQ(t.LevelBarWidth(), width);
}

TEST(ShellMic, RemovalStopsAndClosesTheCaptureAndArrivalRestartsIt) {
    MicShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.Click(u"PageMicLabel");
    ASSERT_TRUE(t.sim.WaveIn().Recording());
    t.sim.Devices().Unplug(t.sim.Headset());
    EXPECT_FALSE(t.sim.WaveIn().IsOpen());
    EXPECT_EQ(t.sim.WaveIn().Queued(), 0U);
    EXPECT_FALSE(t.Speak(50));
    EXPECT_EQ(t.sim.AudioEndpoints().LiveReferences(), 0U);

    t.Endpoint().Step = 40;
    t.sim.Devices().Plug(t.sim.Headset());
    t.app->ProcessMessages();
    EXPECT_TRUE(t.sim.WaveIn().Recording()) << "the Mic page is shown";
    EXPECT_EQ(t.form->Label(u"MicValueLabel")->Caption(), u"40");
    EXPECT_TRUE(t.Speak(10));
    EXPECT_GT(t.LevelBarWidth(), 0);
    EXPECT_EQ(t.sim.AudioEndpoints().CallsWithoutLibrary(), 0U);
}

TEST(ShellMic, TheGainThumbSetsTheVolumeAndShowsWhatWindowsReports) {
    MicShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.Click(u"PageMicLabel");
    ui::CImage* thumb = t.form->Image(u"MicSliderImage");
    const CMicrophone& mic = t.form->Features().Microphone();
    struct CASE {
        int32_t Dy;
        float Scalar;
        const char16_t* Label;
    };
    // Far above the range: the top, 100 %; far below: the bottom, 0 %.
    const CASE cases[] = {{-400, 1.0F, u"100"}, {+400, 0.0F, u"0"}};
    for (const CASE& c : cases) {
        t.backend.Press(t.At(*thumb, 2, 2));
        t.backend.MoveTo(t.At(*thumb, 2, 2 + c.Dy));
        t.backend.Release(t.At(*thumb, 2, 2 + c.Dy));
        EXPECT_FLOAT_EQ(t.Endpoint().Scalar, c.Scalar) << c.Dy;
        EXPECT_EQ(t.form->Label(u"MicValueLabel")->Caption(), c.Label) << c.Dy;
        EXPECT_EQ(thumb->Top(), c.Scalar > 0.5F ? mic.ThumbMin() : mic.ThumbMax()) << c.Dy;
    }
    EXPECT_EQ(t.sim.DebugOutput().Lines().back(), u" 0\n");
}

TEST(ShellMic, BoostAndMuteFlipTheirPicturesAndWindowsSettings) {
    MicShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.Click(u"PageMicLabel");
    t.Click(u"MicBoostImage");
    t.Click(u"MicMuteLabel");
    EXPECT_TRUE(t.Endpoint().Parts[1].Enabled);
    EXPECT_TRUE(t.Endpoint().Mute);
    EXPECT_TRUE(t.form->Features().State().MicBoost);
    EXPECT_TRUE(t.form->Features().State().MicMute);
    t.Click(u"MicMuteImage");
    EXPECT_FALSE(t.Endpoint().Mute);
}

TEST(ShellMic, LegacyWindowsUsesTheMixer) {
    MicShell t;
    t.sim.SystemInfo().SetVersion(5, 1, 3); // Windows XP
    ASSERT_TRUE(t.Start().Ok());
    EXPECT_NE(t.form->OsGeneration(), 6);
    EXPECT_EQ(t.form->Label(u"MicValueLabel")->Caption(), u"0");
    t.ShowPanel();
    t.Click(u"PageMicLabel");
    t.Click(u"MicMuteImage");
    EXPECT_EQ(t.sim.Mixer().Mixer(0).Sources[0].Controls[0].Value, 1U);
    EXPECT_EQ(t.sim.Mixer().OpenHandles(), 0U);
}

std::vector<std::vector<uint8_t>> ReportBytes(sim::CSimWindows& sim, size_t from) {
    std::vector<std::vector<uint8_t>> reports;
    const auto& log = sim.Headset().Reports();
    for (size_t i = from; i < log.size(); ++i) {
        std::vector<uint8_t> bytes = log[i].Bytes;
        bytes.resize(std::min<size_t>(bytes.size(), 5));
        reports.push_back(bytes);
    }
    return reports;
}

TEST(ShellLed, TheButtonSwitchesThePinsAndRestartsTheAudioService) {
    MicShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    sim::SIM_SERVICE& audio = *t.sim.Services().Find(AudioServiceName);
    audio.StopMs = 300;

    size_t from = t.sim.Headset().Reports().size();
    t.Click(u"LEDImage");
    t.form->Features().Led().AudioRestart().Wait(); // without the helper service it runs on its own thread
    EXPECT_FALSE(t.form->Features().Led().On());
    const std::vector<std::vector<uint8_t>> off = {{0x00, 0x60, 0x00, 0xFF, 0x3C}, {0, 0, 0, 0, 0}};
    EXPECT_EQ(ReportBytes(t.sim, from), off);
    EXPECT_EQ(audio.Calls, (std::vector<std::u16string>{u"stop", u"start"}));
    EXPECT_EQ(audio.State, ServiceStateRunning);

    from = t.sim.Headset().Reports().size();
    audio.State = ServiceStateStopped; // a stopped service is started
    audio.Calls.clear();
    t.Click(u"LEDImage");
    t.form->Features().Led().AudioRestart().Wait();
    EXPECT_TRUE(t.form->Features().Led().On());
    const auto on = ReportBytes(t.sim, from);
    ASSERT_EQ(on.size(), 3U);
    EXPECT_EQ(on[0], (std::vector<uint8_t>{0x00, 0x60, 0x00, 0x00, 0x30}));
    EXPECT_EQ(t.sim.Headset().Reports()[from + 1].Kind, sim::SIM_REPORT::KIND::Input);
    EXPECT_EQ(on[2], (std::vector<uint8_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(audio.Calls, (std::vector<std::u16string>{u"start"}));
    EXPECT_EQ(audio.State, ServiceStateRunning);
}

TEST(ShellLed, ArrivalSendsTheLedStateAgain) {
    MicShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.Click(u"LEDImage");
    t.sim.Devices().Unplug(t.sim.Headset());
    const size_t from = t.sim.Headset().Reports().size();
    t.sim.Devices().Plug(t.sim.Headset());
    const auto reports = ReportBytes(t.sim, from);
    ASSERT_GE(reports.size(), 2U);
    EXPECT_EQ(reports[0], (std::vector<uint8_t>{0x00, 0x60, 0x00, 0xFF, 0x3C}));
}

} // namespace
} // namespace tonvel
