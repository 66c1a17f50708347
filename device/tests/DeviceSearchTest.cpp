#include "device/DeviceSearch.h"
#include "base/text/Utf.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvel {
namespace {

// A device-ID group stand-in: upper-cased ID against "X"-wildcard patterns of equal length.
HardwareIdMatcher Group(std::vector<std::u16string> patterns) {
    return [patterns](std::u16string_view id) {
        const std::u16string upper = AsciiUpper(id);
        for (const auto& p : patterns) {
            if (p.size() != upper.size()) {
                continue;
            }
            std::u16string copy = upper;
            for (size_t i = 0; i < p.size(); ++i) {
                if (p[i] == u'X') {
                    copy[i] = u'X';
                }
            }
            if (copy == p) {
                return true;
            }
        }
        return false;
    };
}

const HardwareIdMatcher UsbGroup = Group({u"USB\\VID_7F1C&PID_72XX&REV_0100&MI_00"});

TEST(DeviceSearchTest, FindsThePresentHeadsetsHardwareId) {
    sim::CSimWindows sim;
    sim::CSimHeadset mouse = sim::CSimHeadset::Foreign(0x1234, 0x5678);
    sim.Devices().Plug(mouse);
    sim.Devices().Plug(sim.Headset());
    std::u16string id;
    EXPECT_EQ(FindMatchingDevice(sim.Devices(), KsCategoryAudio, DiscoveryPattern, UsbGroup, &id), 1);
    EXPECT_EQ(id, u"USB\\VID_7F1C&PID_7213&REV_0100&MI_00");
    EXPECT_EQ(sim.Devices().OpenListCount(), 0u);
}

TEST(DeviceSearchTest, NoMatchGivesZeroAndAFailedListOne) {
    struct CASE {
        const char* Name;
        bool Plug;
        bool FailList;
        bool HardwareIdReadable;
        std::vector<std::u16string> Ids;
        HardwareIdMatcher Match;
        int32_t Result;
    };
    const HardwareIdMatcher any = [](std::u16string_view) { return true; };
    const CASE cases[] = {
        {"nothing plugged", false, false, true, {}, UsbGroup, 0},
        {"list cannot be made", true, true, true, {}, UsbGroup, 1},
        {"hardware ID unreadable", true, false, false, {}, UsbGroup, 0},
        {"other length, group says yes", true, false, true, {u"USB\\VID_7F1C&PID_7213&MI_00"}, any, 0},
        {"group says no", true, false, true, {}, Group({u"USB\\VID_7F1C&PID_73XX&REV_0100&MI_00"}), 0},
        {"only the first ID counts",
         true,
         false,
         true,
         {u"USB\\VID_7F1C&PID_7213&MI_00", u"USB\\VID_7F1C&PID_7213&REV_0100&MI_00"},
         UsbGroup,
         0},
        {"lower-case ID", true, false, true, {u"usb\\vid_7f1c&pid_72ab&rev_0100&mi_00"}, UsbGroup, 1},
    };
    for (const auto& c : cases) {
        sim::CSimWindows sim;
        auto& node = sim.Headset().Nodes()[0];
        node.HardwareIdReadable = c.HardwareIdReadable;
        if (!c.Ids.empty()) {
            node.HardwareIds = c.Ids;
        }
        if (c.Plug) {
            sim.Devices().Plug(sim.Headset());
        }
        sim.Devices().FailDeviceLists(c.FailList);
        std::u16string id = u"unchanged";
        EXPECT_EQ(FindMatchingDevice(sim.Devices(), KsCategoryAudio, DiscoveryPattern, c.Match, &id),
                  c.Result)
            << c.Name;
        if (c.Result == 0 || c.FailList) {
            EXPECT_EQ(id, u"unchanged") << c.Name;
        }
        EXPECT_EQ(sim.Devices().OpenListCount(), 0u) << c.Name;
    }
}

TEST(DeviceSearchTest, AllClassesListingFindsTheHidFunctionForTheSetup) {
    sim::CSimWindows sim;
    sim.Devices().Plug(sim.Headset());
    std::u16string id;
    EXPECT_EQ(FindMatchingDevice(sim.Devices(), HidSetupClass, u"USB\\VID_7F1C&PID_72XX&REV_0100&MI_03",
                                 Group({u"USB\\VID_7F1C&PID_72XX&REV_0100&MI_03"}), &id,
                                 DigcfAllClasses | DigcfPresent),
              1);
    EXPECT_EQ(id, u"USB\\VID_7F1C&PID_7213&REV_0100&MI_03");
}

} // namespace
} // namespace tonvel
