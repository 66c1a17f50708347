// A removal handled while the page switch lets pending messages run: the Mic page then starts no capture.

#include "panel/form/tests/ShellFixture.h"
#include "platform/sim/SimHeadsetMic.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

constexpr uint32_t PullHeadset = 0x8123; // a message of this test's own: the headset is pulled

TEST(ShellNestedRemoval, TheMicPageStartsNoCaptureAfterARemovalInThePump) {
    Shell t;
    sim::AddHeadsetMicrophone(t.sim, t.sim.Headset().VendorId(), t.sim.Headset().ProductId());
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    ui::CLabel* micTab = t.form->Label(u"PageMicLabel");
    // The press on the tab leaves the removal in the queue, so it runs inside the page switch.
    auto hook = t.app->OnMessage;
    t.app->OnMessage = [&](ui::UI_MSG& msg, bool& handled) {
        if (msg.message == PullHeadset) {
            t.sim.Devices().Unplug(t.sim.Headset());
            return;
        }
        if (msg.message == ui::UiWmLButtonDown) {
            ui::UI_MSG pull;
            pull.form = t.form.get();
            pull.message = PullHeadset;
            t.backend.PostMessage(pull);
        }
        if (hook) hook(msg, handled);
    };
    const size_t opened = t.sim.WaveIn().OpenCount();
    t.backend.Press(t.At(*micTab, 2, 2));
    t.backend.Release(t.At(*micTab, 2, 2));
    ASSERT_FALSE(t.form->DeviceConnected());
    EXPECT_FALSE(t.sim.WaveIn().IsOpen()) << "no capture without the headset";
    EXPECT_EQ(t.sim.WaveIn().OpenCount(), opened);
}

} // namespace
} // namespace tonvel
