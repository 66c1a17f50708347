#include "device/DeviceLink.h"
#include "base/text/Utf.h"
#include "device/tests/DeviceLinkTestSupport.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvel {
namespace {

using test::UsbGroup;

constexpr std::u16string_view HidDeviceId = HidInterfaceClass;

// The simulated machine, a link with every hook recorded, and the window's page.
class DeviceLinkTest : public ::testing::Test {
protected:
    DeviceLinkTest() : m_Link(m_Sim.platform()) {
        DEVICE_LINK_EVENTS& e = m_Link.Events();
        e.PresenceChanged = [this] { Log(m_Link.DeviceConnected() ? "LabelActive" : "LabelUnactive"); };
        e.Arrived = [this] { Log("arrived"); };
        e.Removed = [this] { Log("removed"); };
        e.Settled = [this] { Log("pump"); };
    }

    void Log(std::string entry) { m_Calls.push_back(std::move(entry)); }

    void Post(uint32_t event, std::u16string_view cls, std::u16string_view path) {
        m_Sim.DeviceNotifications().PostInterface(event, cls, path);
    }

    void ExpectPresent(bool present) { test::ExpectPresent(m_Link, present); }

    sim::CSimWindows m_Sim;
    CDeviceLink m_Link;
    std::vector<std::string> m_Calls;
};

TEST_F(DeviceLinkTest, StartsWithTheInitialIdsAndAbsent) {
    EXPECT_EQ(m_Link.VendorId(), 0x7F1C);
    EXPECT_EQ(m_Link.ProductId(), 0x721B);
    ExpectPresent(false);
}

TEST_F(DeviceLinkTest, DiscoveryWithTheHeadsetTakesItsIds) {
    m_Sim.Devices().Plug(m_Sim.Headset());
    m_Link.Discover(UsbGroup);
    EXPECT_EQ(m_Link.VendorId(), 0x7F1C);
    EXPECT_EQ(m_Link.ProductId(), 0x7213);
    ExpectPresent(true);
    EXPECT_EQ(m_Calls, (std::vector<std::string>{"LabelActive"}));
    EXPECT_EQ(m_Sim.Hid().OpenHandleCount(), 1u);
}

// "Safely remove", a disable or a driver update: Windows asks the presence handle first. It is closed, so
// the removal may go on; the device then goes (the interface's removal notice), or the removal is
// cancelled and the handle is opened again.
TEST_F(DeviceLinkTest, AQueryRemoveClosesThePresenceHandleAndACancelledOneReopensIt) {
    m_Sim.Devices().Plug(m_Sim.Headset());
    m_Link.Discover(UsbGroup);
    ASSERT_TRUE(m_Link.RegisterNotifications());
    ASSERT_EQ(m_Sim.Hid().OpenHandleCount(), 1u);
    EXPECT_EQ(m_Sim.DeviceNotifications().HandleRegistrationCount(), 1u);
    m_Calls.clear();

    EXPECT_TRUE(m_Sim.QueryRemove(m_Sim.Headset())) << "the open presence handle makes Windows say: in use";
    EXPECT_EQ(m_Sim.Hid().OpenHandleCount(), 0u);
    EXPECT_FALSE(m_Link.HasPresenceHandle());
    EXPECT_EQ(m_Link.DeviceConnected(), 1) << "the device is still there until it goes";
    m_Sim.CancelRemove(m_Sim.Headset());
    ExpectPresent(true);
    EXPECT_EQ(m_Sim.Hid().OpenHandleCount(), 1u);
    EXPECT_EQ(m_Sim.DeviceNotifications().HandleRegistrationCount(), 1u) << "the new handle's registration";
    EXPECT_EQ(m_Calls, (std::vector<std::string>{"pump"}));

    // Asked again, and this time the device goes.
    m_Calls.clear();
    ASSERT_TRUE(m_Sim.QueryRemove(m_Sim.Headset()));
    m_Sim.Devices().Unplug(m_Sim.Headset());
    ExpectPresent(false);
    // The audio interface's notice first, then the HID interface's.
    EXPECT_EQ(m_Calls, (std::vector<std::string>{"pump", "LabelUnactive", "removed", "pump"}));
    EXPECT_EQ(m_Sim.DeviceNotifications().HandleRegistrationCount(), 0u);
    EXPECT_EQ(m_Sim.Hid().OpenHandleCount(), 0u);

    // It comes back: a handle and its registration again.
    m_Sim.Devices().Plug(m_Sim.Headset());
    ExpectPresent(true);
    EXPECT_EQ(m_Sim.DeviceNotifications().HandleRegistrationCount(), 1u);
    m_Link.ClosePresence();
    EXPECT_EQ(m_Sim.DeviceNotifications().HandleRegistrationCount(), 0u);
}

// A cancelled removal whose device no longer opens: the link says it is gone.
TEST_F(DeviceLinkTest, ACancelledRemovalWithoutTheDeviceIsARemoval) {
    m_Sim.Devices().Plug(m_Sim.Headset());
    m_Link.Discover(UsbGroup);
    m_Calls.clear();
    ASSERT_TRUE(m_Sim.QueryRemove(m_Sim.Headset()));
    m_Sim.Headset().Hid().Opens = false;
    m_Sim.CancelRemove(m_Sim.Headset());
    ExpectPresent(false);
    EXPECT_EQ(m_Calls, (std::vector<std::string>{"LabelUnactive", "removed", "pump"}));
    EXPECT_EQ(m_Sim.DeviceNotifications().HandleRegistrationCount(), 0u);
}

TEST_F(DeviceLinkTest, DiscoveryWithoutADeviceClearsTheIds) {
    sim::CSimHeadset mouse = sim::CSimHeadset::Foreign(0x1234, 0x5678);
    m_Sim.Devices().Plug(mouse);
    m_Link.Discover(UsbGroup);
    EXPECT_EQ(m_Link.VendorId(), 0);
    EXPECT_EQ(m_Link.ProductId(), 0);
    ExpectPresent(false);
    EXPECT_EQ(m_Calls, (std::vector<std::string>{"LabelUnactive"}));
    // No HID interface can match 0 and 0: a feature transaction finds no device.
    m_Sim.Devices().Plug(m_Sim.Headset());
    EXPECT_EQ(m_Link.RunTransaction(1, 2, nullptr), 1);
}

struct NOTICE {
    uint32_t Event;
    std::u16string_view Class;
    std::u16string Path;
};

struct HOTPLUG_CASE {
    const char* Name;
    bool StartPresent; // the 0x7213 headset discovered at start-up
    std::vector<NOTICE> Notices;
    bool Present;
    uint16_t Vendor;
    uint16_t Product;
};

const std::u16string HeadsetPath =
    u"\\\\?\\HID#VID_7F1C&PID_7213&MI_03#7&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

TEST_F(DeviceLinkTest, ArrivalAndRemovalTable) {
    sim::CSimHeadset lower(0x72AA, 0x7F1C, u"7&72aa&0&0000");
    sim::CSimHeadset other(0x7299, 0x7F1C, u"7&7299&0&0000");
    // Their USB functions report hardware IDs that the start-up search does not take.
    lower.Nodes()[0].HardwareIds = {u"USB\\VID_7F1C&PID_72AA&MI_00"};
    other.Nodes()[0].HardwareIds = {u"USB\\VID_7F1C&PID_7299&MI_00"};
    const HOTPLUG_CASE cases[] = {
        {"foreign interface ignored",
         false,
         {{DbtDeviceArrival, HidDeviceId, u"\\\\?\\HID#VID_1234&PID_5678&MI_00#7&11aa22bb&0&0000#{4d1e}"}},
         false,
         0,
         0},
        {"other interface class ignored",
         false,
         {{DbtDeviceArrival, KsCategoryAudio, HeadsetPath}},
         false,
         0,
         0},
        {"lower-case path accepted",
         false,
         {{DbtDeviceArrival, HidDeviceId, u"\\\\?\\hid#vid_7f1c&pid_72aa&mi_03#7&72aa&0&0000"}},
         true,
         0x7F1C,
         0x72AA},
        {"matching path that does not open",
         false,
         {{DbtDeviceArrival, HidDeviceId, u"\\\\?\\HID#VID_7F1C&PID_7255&MI_03#7&9&0&0000"}},
         false,
         0x7F1C,
         0x7255},
        {"second arrival ignored",
         true,
         {{DbtDeviceArrival, HidDeviceId, other.Hid().Path}},
         true,
         0x7F1C,
         0x7213},
        {"removal of another device ignored",
         true,
         {{DbtDeviceRemoveComplete, HidDeviceId, other.Hid().Path}},
         true,
         0x7F1C,
         0x7213},
        {"removal of the current device",
         true,
         {{DbtDeviceRemoveComplete, HidDeviceId, HeadsetPath}},
         false,
         0x7F1C,
         0x7213},
        {"removal with Vid_ and Pid_",
         true,
         {{DbtDeviceRemoveComplete, HidDeviceId, u"\\\\?\\HID#Vid_7F1C&Pid_7213&MI_03#7&2a1b3c4d&0&0000"}},
         false,
         0x7F1C,
         0x7213},
        {"removal with a lower-case path",
         true,
         {{DbtDeviceRemoveComplete, HidDeviceId, u"\\\\?\\hid#vid_7f1c&pid_7213&mi_03#7&2a1b3c4d&0&0000"}},
         false,
         0x7F1C,
         0x7213},
        {"removal of a foreign interface ignored",
         true,
         {{DbtDeviceRemoveComplete, HidDeviceId, u"\\\\?\\HID#VID_7F1C&PID_7213&MI_00#7&2"}},
         true,
         0x7F1C,
         0x7213},
        {"other event ignored", true, {{0x0007, HidDeviceId, HeadsetPath}}, true, 0x7F1C, 0x7213},
        {"removal then arrival of the same device",
         true,
         {{DbtDeviceRemoveComplete, HidDeviceId, HeadsetPath}, {DbtDeviceArrival, HidDeviceId, HeadsetPath}},
         true,
         0x7F1C,
         0x7213},
    };
    for (const auto& c : cases) {
        sim::CSimWindows sim;
        CDeviceLink link(sim.platform());
        sim.Devices().Plug(lower);
        sim.Devices().Plug(other);
        if (c.StartPresent) {
            sim.Devices().Plug(sim.Headset());
        }
        link.Discover(UsbGroup);
        ASSERT_EQ(link.HasPresenceHandle(), c.StartPresent) << c.Name;
        if (!c.StartPresent) {
            // Neither of the other two devices has a USB ID the start-up search takes.
            EXPECT_EQ(link.VendorId(), 0) << c.Name;
        }
        const size_t attempts = sim.Hid().OpenAttempts();
        for (const auto& n : c.Notices) {
            link.OnDeviceChange(n.Event, {DbtDevtypDeviceInterface, std::u16string(n.Class), n.Path});
        }
        EXPECT_EQ(link.DeviceConnected(), c.Present ? 1 : 0) << c.Name;
        EXPECT_EQ(link.Synchronisation(), c.Present ? 1 : 0) << c.Name;
        EXPECT_EQ(link.HasPresenceHandle(), c.Present) << c.Name;
        EXPECT_EQ(link.VendorId(), c.Vendor) << c.Name;
        EXPECT_EQ(link.ProductId(), c.Product) << c.Name;
        EXPECT_EQ(sim.Hid().OpenHandleCount(), c.Present ? 1u : 0u) << c.Name;
        if (std::string(c.Name) == "second arrival ignored") {
            EXPECT_EQ(sim.Hid().OpenAttempts(), attempts)
                << "a held presence handle ends the arrival at once";
        }
        sim.Devices().Unplug(lower);
        sim.Devices().Unplug(other);
    }
}

TEST_F(DeviceLinkTest, NoticesOfOtherRecordTypesAreIgnored) {
    m_Sim.Devices().Plug(m_Sim.Headset());
    m_Link.OnDeviceChange(DbtDeviceArrival, {2 /* volume */, std::u16string(HidDeviceId), HeadsetPath});
    ExpectPresent(false);
    EXPECT_TRUE(m_Calls.empty());
}

} // namespace
} // namespace tonvel
