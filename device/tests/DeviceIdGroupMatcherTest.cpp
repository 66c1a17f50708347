// Start-up discovery with a device-ID group loaded from configuration text, against the virtual headset.

#include "device/DeviceIdGroupMatcher.h"
#include "device/DeviceLink.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "foundation/devid/tests/DeviceIdTestData.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace tonvel {
namespace {

// Entries of the shipped configuration: the audio function's wildcard pattern and the HID function's.
const std::string AudioWildcard =
    "USB\\VID_7F1C&PID_72XX&REV_0100&MI_00,z/OVCfH5P0ytofR7pY53nj5CDRFx6mO52Q3g7L2YIH8h7ygi5X0FzA==";
const std::string HidFunctionWildcard =
    "USB\\VID_7F1C&PID_72XX&REV_0100&MI_03,z/OVCfH5P0ytofR7pY53nj5CDRFx6mO52Q3g7L2YIH+GiIOHdMMvBA==";
// The audio function's pattern carrying the HID function's token: not proven, so not accepted.
const std::string AudioUnproven =
    "USB\\VID_7F1C&PID_72XX&REV_0100&MI_00,z/OVCfH5P0ytofR7pY53nj5CDRFx6mO52Q3g7L2YIH+GiIOHdMMvBA==";

struct DISCOVERY_CASE {
    const char* label;
    std::string config;
    bool found;
};

TEST(DeviceIdGroupMatcher, DiscoveryFindsTheHeadsetOnlyThroughAProvenPattern) {
    const DISCOVERY_CASE cases[] = {
        {"wildcard pattern of the audio function", "[USB_VID_PID]\n1=" + AudioWildcard + "\n", true},
        {"after other entries", "[USB_VID_PID]\n1=" + HidFunctionWildcard + "\n2=" + AudioWildcard + "\n",
         true},
        {"only the HID function's pattern", "[USB_VID_PID]\n1=" + HidFunctionWildcard + "\n", false},
        {"pattern not proven by its token", "[USB_VID_PID]\n1=" + AudioUnproven + "\n", false},
        {"entry in another section", "[HID_VID_PID]\n1=" + AudioWildcard + "\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        test::CConfigFolder folder;
        CDeviceIdMgr group;
        group.Load(folder.Files(), folder.Write(c.config), std::u16string(UsbDeviceIdSection));

        sim::CSimWindows sim;
        sim.Devices().Plug(sim.Headset());
        CDeviceLink link(sim.platform());
        link.Discover(MatchDeviceIdGroup(group));

        EXPECT_EQ(link.DeviceConnected(), c.found ? 1 : 0);
        EXPECT_EQ(link.VendorId(), c.found ? 0x7F1C : 0);
        EXPECT_EQ(link.ProductId(), c.found ? sim.Headset().ProductId() : 0);
    }
}

TEST(DeviceIdGroupMatcher, AnswersLikeTheGroup) {
    test::CConfigFolder folder;
    CDeviceIdMgr group;
    ASSERT_EQ(
        group.Load(folder.Files(), folder.Write("[USB_VID_PID]\n1=" + AudioWildcard + "\n"), u"USB_VID_PID"),
        DeviceIdLoaded);
    const HardwareIdMatcher match = MatchDeviceIdGroup(group);
    for (const char16_t* id :
         {u"USB\\VID_7F1C&PID_7213&REV_0100&MI_00", u"usb\\vid_7f1c&pid_72ab&rev_0100&mi_00",
          u"USB\\VID_7F1C&PID_7213&REV_0100&MI_03", u"USB\\VID_7F1C&PID_7213&REV_0100&MI_0", u""}) {
        EXPECT_EQ(match(id), group.Match(id)) << std::string(id, id + std::char_traits<char16_t>::length(id));
    }
    EXPECT_TRUE(match(u"usb\\vid_7f1c&pid_72ab&rev_0100&mi_00"));
    EXPECT_FALSE(match(u"USB\\VID_7F1C&PID_7213&REV_0100&MI_03"));
}

} // namespace
} // namespace tonvel
