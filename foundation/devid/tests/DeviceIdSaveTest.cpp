// Device-ID groups: the copy of a group in the (simulated) registry.

#include "foundation/devid/tests/DeviceIdTestData.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimRegistryFaults.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tonvel;
using namespace tonvel::test;

namespace {

class DeviceIdSave : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_Group.Load(m_Folder.Files(),
                               m_Folder.Write("[USB_VID_PID]\n1=" + Entry(Usb, UsbToken) +
                                              "\n2=" + Entry(HidDeviceId, HidToken) +
                                              "\n3=" + Entry(AnyUsb, AnyUsbToken) + "\n"),
                               u"USB_VID_PID"),
                  0);
    }
    std::vector<std::pair<std::u16string, std::u16string>> Values(uint32_t view = 0) {
        std::vector<std::pair<std::u16string, std::u16string>> values;
        RegKey key = 0;
        if (m_Registry.OpenKey(RegLocalMachine, u"SOFTWARE\\ORV USB DeviceId Group", RegRead | view, key) !=
            RegOk)
            return values;
        std::u16string name;
        uint32_t type = 0;
        std::vector<uint8_t> data;
        for (uint32_t i = 0; m_Registry.EnumValue(key, i, name, type, data) == RegOk; ++i) {
            EXPECT_EQ(type, RegTypeSz);
            std::u16string text(data.size() / 2, u'\0');
            std::memcpy(text.data(), data.data(), text.size() * 2);
            EXPECT_TRUE(!text.empty() && text.back() == u'\0') << "stored with its terminating zero";
            if (!text.empty()) text.pop_back();
            values.emplace_back(name, text);
        }
        m_Registry.CloseKey(key);
        return values;
    }

    CConfigFolder m_Folder;
    CDeviceIdMgr m_Group;
    sim::CSimRegistry m_Registry;
};

TEST_F(DeviceIdSave, WritesNumberedValuesInPatternOrder) {
    EXPECT_EQ(m_Group.SaveToRegistry(m_Registry, u"ORV USB DeviceId Group"), 0);
    const std::vector<std::pair<std::u16string, std::u16string>> expected = {
        {u"1", HidDeviceId + u"," + std::u16string(HidToken.begin(), HidToken.end())},
        {u"2", Usb + u"," + std::u16string(UsbToken.begin(), UsbToken.end())},
        {u"3", AnyUsb + u"," + std::u16string(AnyUsbToken.begin(), AnyUsbToken.end())},
    };
    EXPECT_EQ(Values(), expected);
    // No view flag: a 32-bit program on 64-bit Windows writes to the 32-bit view only.
    EXPECT_TRUE(Values(RegView64).empty());
    EXPECT_EQ(m_Registry.OpenHandleCount(), 0u);
}

TEST_F(DeviceIdSave, ShorterListLeavesHigherValuesInPlace) {
    RegKey key = 0;
    ASSERT_EQ(m_Registry.CreateKey(RegLocalMachine, u"SOFTWARE\\ORV USB DeviceId Group", RegAllAccess, key),
              RegOk);
    m_Registry.SetString(key, u"2", u"old");
    m_Registry.SetString(key, u"4", u"old");
    m_Registry.CloseKey(key);
    EXPECT_EQ(m_Group.SaveToRegistry(m_Registry, u"ORV USB DeviceId Group"), 0);
    const auto values = Values();
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[0].first, u"2");
    EXPECT_EQ(values[0].second, Usb + u"," + std::u16string(UsbToken.begin(), UsbToken.end()));
    EXPECT_EQ(values[1], (std::pair<std::u16string, std::u16string>{u"4", u"old"}));
}

TEST_F(DeviceIdSave, KeyThatCannotBeCreatedIsNotReported) {
    m_Registry.SetLocalMachineWritable(false);
    EXPECT_EQ(m_Group.SaveToRegistry(m_Registry, u"ORV USB DeviceId Group"), 0);
    EXPECT_TRUE(Values().empty());
    EXPECT_EQ(m_Registry.OpenHandleCount(), 0u);
}

// A value write the registry refuses: nothing is reported (the copy is a convenience for the driver side),
// the other entries are still written and the key is closed.
TEST_F(DeviceIdSave, RefusedValueWritesLeaveTheOthersAndCloseTheKey) {
    struct CASE {
        uint32_t FailAt; // the n-th value write refused
        bool Later;      // ... and every one after it
        std::vector<std::u16string> Written;
    };
    const CASE cases[] = {
        {1, false, {u"2", u"3"}}, {2, false, {u"1", u"3"}}, {3, false, {u"1", u"2"}},      {1, true, {}},
        {2, true, {u"1"}},        {3, true, {u"1", u"2"}},  {4, true, {u"1", u"2", u"3"}},
    };
    for (const CASE& c : cases) {
        m_Registry.DeleteTree(RegLocalMachine, u"SOFTWARE\\ORV USB DeviceId Group", 0);
        sim::CRegistryWriteFaults faults(m_Registry);
        faults.FailWrite(c.FailAt, c.Later);
        EXPECT_EQ(m_Group.SaveToRegistry(faults, u"ORV USB DeviceId Group"), 0) << c.FailAt;
        EXPECT_EQ(faults.Writes(), 3u) << "every entry is tried";
        std::vector<std::u16string> names;
        for (const auto& value : Values())
            names.push_back(value.first);
        EXPECT_EQ(names, c.Written) << c.FailAt << (c.Later ? " and later" : "");
        EXPECT_EQ(m_Registry.OpenHandleCount(), 0u) << c.FailAt;
    }
}

} // namespace
