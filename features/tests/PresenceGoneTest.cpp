// A headset that still opens while its presence handle is gone (Windows reported its HID interface
// removed, yet it stayed): the exit switches nothing off on it, it only leaves the neutral state that
// needs no presence (FBM on, processing register zero). Shrunk from the model-based test's sequences.

#include "features/tests/FeaturePanel.h"
#include "platform/api/DeviceNotifications.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::FEATURE_PANEL;

constexpr uint16_t ProcessingAddress = 0x100, Sound3DControl = 0x18A;

void LoseTheNotice(FEATURE_PANEL& p) {
    p.t.sim.DeviceNotifications().PostInterface(DbtDeviceRemoveComplete, p.t.sim.Hid().GetHidGuid(),
                                                p.Headset().Hid().Path);
    ASSERT_FALSE(p.t.form->DeviceConnected());
    ASSERT_TRUE(p.t.sim.Devices().IsPresent(p.Headset()));
}

TEST(PresenceGone, TheExitLeavesThe3DSwitchAlone) {
    FEATURE_PANEL p;
    p.Click(u"EQ3DENImage");
    LoseTheNotice(p);
    p.Traffic();
    p.t.form->Destroy();
    EXPECT_EQ(p.Headset().Register(Sound3DControl) & 0x40, 0x40);
    for (const std::string& line : p.Traffic())
        EXPECT_TRUE(line.rfind("W ", 0) != 0 || line == "W 018A=41" || line == "W 0100=00") << line;
}

TEST(PresenceGone, TheExitLeavesProcessingAloneBeforeItsZero) {
    FEATURE_PANEL p;
    p.Click(u"EQEQENImage");
    p.Headset().SetRegister(ProcessingAddress, 0x05); // another bit beside processing
    LoseTheNotice(p);
    p.Traffic();
    p.t.form->Destroy();
    for (const std::string& line : p.Traffic())
        EXPECT_TRUE(line.rfind("W 0100", 0) != 0 || line == "W 0100=00") << line;
}

} // namespace
} // namespace tonvel
