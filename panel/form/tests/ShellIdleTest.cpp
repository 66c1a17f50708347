// The main window while nothing happens: the rotation timer runs only while a rotation switch is on and the
// headset is connected, and the level meter records only while the Mic page is on the screen.

#include "panel/form/tests/ShellFixture.h"
#include "platform/sim/SimHeadsetMic.h"

#include <gtest/gtest.h>

#include <functional>

namespace tonvel {
namespace {

struct IdleShell : Shell {
    explicit IdleShell(bool withDevice = true) : Shell(withDevice) {
        sim::AddHeadsetMicrophone(sim, sim.Headset().VendorId(), sim.Headset().ProductId());
    }
    void Click(const char16_t* name) {
        ui::CComponent* c = form->Find(name);
        backend.Press(At(*c, 2, 2));
        backend.Release(At(*c, 2, 2));
    }
    bool TimerRuns() { return form->Timer().Running(); }
    // Timer messages that came in a second of waiting.
    size_t TicksInASecond() {
        app->ProcessMessages();
        backend.AutoProcess = false;
        backend.Advance(1000);
        const size_t ticks = backend.PendingMessages();
        app->ProcessMessages();
        backend.AutoProcess = true;
        return ticks;
    }
};

TEST(ShellIdle, NoTimerRunsAfterStartUpWithTheRotationOff) {
    for (const bool device : {true, false}) {
        IdleShell t(device);
        ASSERT_TRUE(t.Start().Ok());
        t.ShowPanel();
        EXPECT_FALSE(t.TimerRuns()) << device;
        EXPECT_EQ(t.TicksInASecond(), 0u) << device << ": no wake-up at all";
        EXPECT_EQ(t.form->Timer().Interval(), 20u);
    }
}

struct IDLE_STEP {
    const char* what;
    std::function<void(IdleShell&)> action;
    bool timerRuns;
};

TEST(ShellIdle, TheRotationTimerFollowsTheSwitchesAndTheHeadset) {
    IdleShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.Click(u"PageVirtual7p1Label");
    const IDLE_STEP steps[] = {
        {"clockwise on", [](IdleShell& s) { s.Click(u"VirtualClockwiseImage"); }, true},
        {"pulled", [](IdleShell& s) { s.sim.Devices().Unplug(s.sim.Headset()); }, false},
        {"clockwise off without the headset", [](IdleShell& s) { s.Click(u"VirtualClockwiseImage"); }, false},
        {"counter-clockwise on without the headset",
         [](IdleShell& s) { s.Click(u"VirtualCounterclockwiseLabel"); }, false},
        {"plugged in", [](IdleShell& s) { s.sim.Devices().Plug(s.sim.Headset()); }, true},
        {"clockwise replaces counter-clockwise", [](IdleShell& s) { s.Click(u"VirtualClockwiseLabel"); },
         true},
        {"to the tray", [](IdleShell& s) { s.Click(u"CloseImage"); }, true},
        {"back", [](IdleShell& s) { s.form->Tray().Restore(); }, true},
        {"a profile loaded", [](IdleShell& s) { s.Click(u"Menu2Image"); }, true},
        {"clockwise off", [](IdleShell& s) { s.Click(u"VirtualClockwiseImage"); }, false},
        {"pulled with the rotation off", [](IdleShell& s) { s.sim.Devices().Unplug(s.sim.Headset()); },
         false},
        {"plugged in with the rotation off", [](IdleShell& s) { s.sim.Devices().Plug(s.sim.Headset()); },
         false},
        {"counter-clockwise on", [](IdleShell& s) { s.Click(u"VirtualCounterclockwiseImage"); }, true},
        {"shutdown", [](IdleShell& s) { s.form->Destroy(); }, false},
    };
    for (const IDLE_STEP& step : steps) {
        step.action(t);
        t.backend.ClearMessageBoxes();
        EXPECT_EQ(t.TimerRuns(), step.timerRuns) << step.what;
        if (!step.timerRuns) {
            EXPECT_EQ(t.TicksInASecond(), 0u) << step.what;
        }
    }
}

TEST(ShellIdle, TheLevelMeterRecordsOnlyWhileTheMicPageIsOnTheScreen) {
    IdleShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.Click(u"PageMicLabel");
    ASSERT_TRUE(t.sim.WaveIn().Recording());
    t.Click(u"CloseImage");
    EXPECT_FALSE(t.sim.WaveIn().IsOpen()) << "the tray";
    t.form->Tray().Restore();
    EXPECT_TRUE(t.sim.WaveIn().Recording()) << "back from the tray";
    // The headset comes back while the window is in the tray: the arrival's Mic steps leave no capture.
    t.Click(u"CloseImage");
    t.sim.Devices().Unplug(t.sim.Headset());
    t.sim.Devices().Plug(t.sim.Headset());
    EXPECT_FALSE(t.sim.WaveIn().IsOpen()) << "arrival in the tray";
    t.form->Tray().Restore();
    EXPECT_TRUE(t.sim.WaveIn().Recording());
    t.Click(u"PageEQLabel");
    EXPECT_FALSE(t.sim.WaveIn().IsOpen()) << "another page";
    t.Click(u"CloseImage");
    t.form->Tray().Restore();
    EXPECT_FALSE(t.sim.WaveIn().IsOpen()) << "back on another page";
}

TEST(ShellIdle, ARestoreWithoutTheHeadsetStartsNoCapture) {
    IdleShell t;
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    t.Click(u"PageMicLabel");
    t.Click(u"CloseImage");
    t.sim.Devices().Unplug(t.sim.Headset());
    t.form->Tray().Restore();
    EXPECT_FALSE(t.sim.WaveIn().IsOpen());
}

} // namespace
} // namespace tonvel
