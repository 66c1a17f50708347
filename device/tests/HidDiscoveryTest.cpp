#include "device/HidDiscovery.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tonvel {
namespace {

struct PARSE_CASE {
    std::u16string_view Text;
    uint16_t Vendor;
    uint16_t Product;
};

TEST(HidDiscoveryTest, ParseVidPidReadsFourHexCharacters) {
    const PARSE_CASE cases[] = {
        {u"\\\\?\\HID#VID_7F1C&PID_7213&MI_03#7&2a1b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", 0x7F1C,
         0x7213},
        {u"USB\\VID_7F1C&PID_72AB&REV_0100&MI_00", 0x7F1C, 0x72AB},
        {u"\\\\?\\HID#Vid_0600&Pid_1215&MI_03#x", 0x0600, 0x1215},
        {u"\\\\?\\hid#vid_7f1c&pid_1620&mi_03#7&x", 0, 0},
        {u"\\\\?\\HID#VID_7F1C&MI_03", 0x7F1C, 0},
        {u"HID#PID_1234 only", 0, 0},
        {u"VID_ 12G&PID_00zz", 0x12, 0x00},
        {u"VID_7f1c&PID_abcd", 0x7F1C, 0xABCD},
        {u"VID_12345&PID_6789A", 0x1234, 0x6789},
        {u"ends early VID_7F", 0x7F, 0},
        {u"", 0, 0},
    };
    for (const auto& c : cases) {
        uint16_t vendor = 0xEEEE;
        uint16_t product = 0xEEEE;
        ParseVidPid(c.Text, vendor, product);
        EXPECT_EQ(vendor, c.Vendor) << std::string(c.Text.begin(), c.Text.end());
        EXPECT_EQ(product, c.Product) << std::string(c.Text.begin(), c.Text.end());
    }
}

struct NAME_CASE {
    std::u16string_view Path;
    bool Match;
};

TEST(HidDiscoveryTest, InterfaceNamesMatchThePatternTable) {
    const NAME_CASE cases[] = {
        {u"\\\\?\\HID#VID_7F1C&PID_7213&MI_03#7&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
         true},
        {u"\\\\?\\hid#vid_7f1c&pid_1620&mi_03#7&1&0&0000", false}, // pattern 1 wants PID_72..
        {u"\\\\?\\hid#vid_7f1c&pid_72ab&mi_03#7&1&0&0000", true},
        {u"\\\\?\\HID#VID_7F1C&PID_7213&MI_03", true},
        {u"\\\\?\\HID#VID_7F1C&PID_7213&MI_0", false}, // one short
        {u"\\\\?\\HID#VID_7F1C&PID_7213&MI_00#7&1", false},
        {u"\\\\?\\HID#VID_1234&PID_5678&MI_00#7&1", false},
        {u"\\\\?\\HID#VID_0600&PID_AB15&MI_03#7&1", true},
        {u"\\\\?\\HID#VID_0600&PID_0016&MI_03#7&1", true},
        {u"\\\\?\\HID#VID_0600&PID_0018&MI_03#7&1", true},
        {u"\\\\?\\HID#VID_0600&PID_0019&MI_03#7&1", true},
        {u"\\\\?\\HID#VID_0600&PID_0020&MI_03#7&1", true},
        {u"\\\\?\\HID#VID_0600&PID_0021&MI_03#7&1", false},
        {u"\\\\?\\USB#VID_7F1C&PID_7213&MI_00#6&1", false},
        {u"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchHidInterfaceName(c.Path), c.Match) << std::string(c.Path.begin(), c.Path.end());
    }
}

TEST(HidDiscoveryTest, NoHeadsetGivesNoHandle) {
    sim::CSimWindows sim;
    EXPECT_EQ(OpenAudioHidDevice(sim.Hid(), sim.Devices(), 0x7F1C, 0x7213), NoHidHandle);
    sim.Devices().FailDeviceLists(true);
    sim.Devices().Plug(sim.Headset());
    EXPECT_EQ(OpenAudioHidDevice(sim.Hid(), sim.Devices(), 0x7F1C, 0x7213), NoHidHandle);
    EXPECT_EQ(sim.Devices().OpenListCount(), 0u);
}

TEST(HidDiscoveryTest, FirstInterfaceWithBothIdsWinsAndTheOthersAreClosed) {
    sim::CSimWindows sim;
    sim::CSimHeadset mouse = sim::CSimHeadset::Foreign(0x1234, 0x5678);
    sim::CSimHeadset other(0x7213, 0x0600); // same product ID, other vendor
    sim.Devices().Plug(mouse);
    sim.Devices().Plug(other);
    sim::CSimHeadset& headset = sim.Headset();
    // The first interface cannot be opened, the second's attributes cannot be read, the third qualifies,
    // and so would the fourth.
    headset.Hid().Opens = false;
    auto second = headset.MakeHidInterface(4, u"7&aa&0&0001");
    second.AttributesReadable = false;
    headset.AddHidInterface(second);
    const size_t third = headset.AddHidInterface(headset.MakeHidInterface(5, u"7&aa&0&0002"));
    headset.AddHidInterface(headset.MakeHidInterface(6, u"7&aa&0&0003"));
    sim.Devices().Plug(headset);

    const HidHandle handle = OpenAudioHidDevice(sim.Hid(), sim.Devices(), 0x7F1C, 0x7213);
    ASSERT_NE(handle, NoHidHandle);
    EXPECT_EQ(sim.Hid().OpenHandleCount(), 1u);
    EXPECT_EQ(sim.Devices().OpenListCount(), 0u);
    // Reports through the handle reach the third interface.
    const uint8_t idle[65] = {};
    EXPECT_TRUE(sim.Hid().SetOutputReport(handle, idle, sizeof idle));
    EXPECT_EQ(headset.Reports().back().Interface, third);
    sim.Hid().Close(handle);
    EXPECT_EQ(sim.Hid().OpenAttempts(), 5u); // mouse, other vendor, three of the headset's four
}

struct COLLECTION_CASE {
    const char* What;
    uint16_t UsagePage;    // of the second collection (the first is consumer control)
    uint16_t OutputLength; // of the second collection
    bool SecondFirst;      // the register collection listed before consumer control
    bool Found;
};

// Windows lists an interface with two top-level collections as two paths of the same IDs; consumer control
// opens shared, so only the capabilities tell the register collection.
TEST(HidDiscoveryTest, TheRegisterCollectionIsChosenByItsCapabilities) {
    const COLLECTION_CASE cases[] = {
        {"consumer control first", sim::SimVendorUsagePage, 65, false, true},
        {"register collection first", sim::SimVendorUsagePage, 65, true, true},
        {"last vendor page", 0xFFFF, 65, false, true},
        {"exactly five bytes", sim::SimVendorUsagePage, 5, false, true},
        {"four-byte output report", sim::SimVendorUsagePage, 4, false, false},
        {"no output report", sim::SimVendorUsagePage, 0, false, false},
        {"no vendor page", 0x000B, 65, false, false},
    };
    for (const COLLECTION_CASE& c : cases) {
        sim::CSimWindows sim;
        sim::CSimHeadset& headset = sim.Headset();
        size_t registers = headset.SplitIntoCollections();
        headset.HidInterfaces()[registers].UsagePage = c.UsagePage;
        headset.HidInterfaces()[registers].OutputReportLength = c.OutputLength;
        if (c.SecondFirst) {
            std::swap(headset.HidInterfaces()[0], headset.HidInterfaces()[1]);
            std::swap(headset.Nodes().back().Interfaces[0], headset.Nodes().back().Interfaces[1]);
            registers = 0;
        }
        sim.Devices().Plug(headset);
        const HidHandle handle = OpenAudioHidDevice(sim.Hid(), sim.Devices(), 0x7F1C, 0x7213);
        EXPECT_EQ(sim.Devices().OpenListCount(), 0u) << c.What;
        EXPECT_EQ(sim.Hid().PreparsedCount(), 0u) << c.What;
        if (!c.Found) {
            EXPECT_EQ(handle, NoHidHandle) << c.What;
            EXPECT_EQ(sim.Hid().OpenHandleCount(), 0u) << c.What;
            continue;
        }
        ASSERT_NE(handle, NoHidHandle) << c.What;
        EXPECT_EQ(sim.Hid().OpenHandleCount(), 1u) << c.What;
        std::vector<uint8_t> report(c.OutputLength, 0);
        EXPECT_TRUE(sim.Hid().SetOutputReport(handle, report.data(), report.size())) << c.What;
        EXPECT_EQ(headset.Reports().back().Interface, registers) << c.What;
        sim.Hid().Close(handle);
    }
}

// The capabilities that cannot be read rule the interface out.
TEST(HidDiscoveryTest, AnInterfaceWithoutReadableCapabilitiesIsPassedOver) {
    sim::CSimWindows sim;
    sim::CSimHeadset& headset = sim.Headset();
    headset.Hid().PreparsedReadable = false;
    auto second = headset.MakeHidInterface(4, u"7&aa&0&0001");
    second.CapsStatus = HidpStatusInvalidPreparsedData;
    headset.AddHidInterface(second);
    const size_t third = headset.AddHidInterface(headset.MakeHidInterface(5, u"7&aa&0&0002"));
    sim.Devices().Plug(headset);
    const HidHandle handle = OpenAudioHidDevice(sim.Hid(), sim.Devices(), 0x7F1C, 0x7213);
    ASSERT_NE(handle, NoHidHandle);
    const uint8_t idle[65] = {};
    EXPECT_TRUE(sim.Hid().SetOutputReport(handle, idle, sizeof idle));
    EXPECT_EQ(headset.Reports().back().Interface, third);
    EXPECT_EQ(sim.Hid().OpenHandleCount(), 1u);
    EXPECT_EQ(sim.Hid().PreparsedCount(), 0u);
    sim.Hid().Close(handle);
}

} // namespace
} // namespace tonvel
