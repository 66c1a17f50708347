#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel::sim {
namespace {

const std::u16string Group = u"SOFTWARE\\USB_VID_PID";

bool KeyExists(IRegistry& registry, const std::u16string& path, uint32_t view) {
    RegKey key = 0;
    if (registry.OpenKey(RegLocalMachine, path, RegRead | view, key) != RegOk) return false;
    registry.CloseKey(key);
    return true;
}

struct VIEW_CASE {
    const char* name;
    bool windows64;
    bool process64;
    uint32_t view;                // the flag of the writing call
    const char16_t* physicalPath; // where it lands, seen by a 64-bit reader
};

class SimRegistryViewTest : public ::testing::TestWithParam<VIEW_CASE> {};

TEST_P(SimRegistryViewTest, SoftwareKeysLandInTheRightView) {
    const VIEW_CASE& c = GetParam();
    CSimWindows sim;
    sim.SetBitness(c.windows64, c.process64);
    RegKey key = 0;
    ASSERT_EQ(RegOk, sim.Registry().CreateKey(RegLocalMachine, Group, RegAllAccess | c.view, key));
    ASSERT_EQ(RegOk, sim.Registry().SetString(key, u"1", u"USB\\VID_XXXX"));
    ASSERT_EQ(RegOk, sim.Registry().CloseKey(key));
    // A reader in the same process and view finds it.
    EXPECT_TRUE(KeyExists(sim.Registry(), Group, c.view));
    // A native 64-bit reader finds it at its physical place.
    sim.SetBitness(c.windows64, true);
    EXPECT_TRUE(KeyExists(sim.Registry(), c.physicalPath, RegView64));
    EXPECT_EQ(0u, sim.Registry().OpenHandleCount());
}

INSTANTIATE_TEST_SUITE_P(
    Views, SimRegistryViewTest,
    ::testing::Values(VIEW_CASE{"Wow64Default", true, false, 0, u"SOFTWARE\\WOW6432Node\\USB_VID_PID"},
                      VIEW_CASE{"Wow64Asks64", true, false, RegView64, u"SOFTWARE\\USB_VID_PID"},
                      VIEW_CASE{"Native64Default", true, true, 0, u"SOFTWARE\\USB_VID_PID"},
                      VIEW_CASE{"Native64Asks32", true, true, RegView32,
                                u"SOFTWARE\\WOW6432Node\\USB_VID_PID"},
                      VIEW_CASE{"Windows32IgnoresFlags", false, false, RegView64, u"SOFTWARE\\USB_VID_PID"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimRegistryTest, TypedValuesRoundTrip) {
    CSimWindows sim;
    IRegistry& registry = sim.Registry();
    RegKey key = 0;
    ASSERT_EQ(RegOk, registry.CreateKey(RegCurrentUser, u"Software\\Tonvel", RegAllAccess, key));
    ASSERT_EQ(RegOk, registry.SetString(key, u"Path", u"C:\\Program Files\\Tonvel\\"));
    ASSERT_EQ(RegOk, registry.SetDword(key, u"Count", 0x12345678));
    ASSERT_EQ(RegOk, registry.SetMultiString(key, u"Filters", {u"Pelix", u"ks"}));
    ASSERT_EQ(RegOk, registry.SetBinary(key, u"Blob", {1, 2, 0, 3}));
    std::u16string text;
    EXPECT_EQ(RegOk, registry.QueryString(key, u"path", text));
    EXPECT_EQ(u"C:\\Program Files\\Tonvel\\", text);
    uint32_t type = 0;
    std::vector<uint8_t> data;
    ASSERT_EQ(RegOk, registry.QueryValue(key, u"Path", type, data));
    EXPECT_EQ(RegTypeSz, type);
    EXPECT_EQ((text.size() + 1) * 2, data.size()); // stored with the terminator
    uint32_t number = 0;
    EXPECT_EQ(RegOk, registry.QueryDword(key, u"COUNT", number));
    EXPECT_EQ(0x12345678u, number);
    EXPECT_EQ(RegBadType, registry.QueryDword(key, u"Path", number));
    std::vector<std::u16string> items;
    EXPECT_EQ(RegOk, registry.QueryMultiString(key, u"Filters", items));
    EXPECT_EQ((std::vector<std::u16string>{u"Pelix", u"ks"}), items);
    ASSERT_EQ(RegOk, registry.QueryValue(key, u"Blob", type, data));
    EXPECT_EQ(RegTypeBinary, type);
    EXPECT_EQ((std::vector<uint8_t>{1, 2, 0, 3}), data);
    EXPECT_EQ(RegNotFound, registry.QueryString(key, u"Missing", text));
    EXPECT_EQ(RegOk, registry.DeleteValue(key, u"blob"));
    EXPECT_EQ(RegNotFound, registry.DeleteValue(key, u"Blob"));
    registry.CloseKey(key);
}

TEST(SimRegistryTest, EnumeratesKeysInNameOrderAndValuesInCreationOrder) {
    CSimWindows sim;
    IRegistry& registry = sim.Registry();
    RegKey key = 0;
    ASSERT_EQ(RegOk, registry.CreateKey(RegLocalMachine, u"SOFTWARE\\T", RegAllAccess, key));
    for (const char16_t* name : {u"zeta", u"Alpha", u"beta"}) {
        RegKey child = 0;
        ASSERT_EQ(RegOk, registry.CreateKey(key, name, RegAllAccess, child));
        registry.CloseKey(child);
    }
    registry.SetString(key, u"2", u"b");
    registry.SetString(key, u"1", u"a");
    uint32_t subKeys = 0;
    uint32_t values = 0;
    ASSERT_EQ(RegOk, registry.QueryInfoKey(key, subKeys, values));
    EXPECT_EQ(3u, subKeys);
    EXPECT_EQ(2u, values);
    std::vector<std::u16string> names;
    std::u16string name;
    for (uint32_t i = 0; registry.EnumKey(key, i, name) == RegOk; ++i)
        names.push_back(name);
    EXPECT_EQ((std::vector<std::u16string>{u"Alpha", u"beta", u"zeta"}), names);
    uint32_t type = 0;
    std::vector<uint8_t> data;
    ASSERT_EQ(RegOk, registry.EnumValue(key, 0, name, type, data));
    EXPECT_EQ(u"2", name);
    EXPECT_EQ(RegNoMoreItems, registry.EnumValue(key, 2, name, type, data));
    EXPECT_EQ(RegNoMoreItems, registry.EnumKey(key, 3, name));
    registry.CloseKey(key);
}

TEST(SimRegistryTest, CreateReportsNewKeysAndOpenNeedsThemToExist) {
    CSimWindows sim;
    IRegistry& registry = sim.Registry();
    RegKey key = 0;
    bool created = false;
    EXPECT_EQ(RegNotFound, registry.OpenKey(RegLocalMachine, u"SOFTWARE\\A\\B", RegRead, key));
    ASSERT_EQ(RegOk, registry.CreateKey(RegLocalMachine, u"SOFTWARE\\A\\B", RegAllAccess, key, &created));
    EXPECT_TRUE(created);
    registry.CloseKey(key);
    ASSERT_EQ(RegOk, registry.CreateKey(RegLocalMachine, u"software\\a\\b", RegAllAccess, key, &created));
    EXPECT_FALSE(created);
    registry.CloseKey(key);
    EXPECT_EQ(RegInvalidHandle, registry.CloseKey(key));
}

TEST(SimRegistryTest, ReadHandlesCannotWriteAndHklmNeedsElevation) {
    CSimWindows sim;
    IRegistry& registry = sim.Registry();
    RegKey key = 0;
    ASSERT_EQ(RegOk, registry.OpenKey(RegLocalMachine, u"SOFTWARE", RegRead, key));
    EXPECT_EQ(RegAccessDenied, registry.SetDword(key, u"x", 1));
    RegKey child = 0;
    EXPECT_EQ(RegAccessDenied, registry.CreateKey(key, u"Child", RegAllAccess, child));
    registry.CloseKey(key);
    sim.Registry().SetLocalMachineWritable(false);
    EXPECT_EQ(RegAccessDenied, registry.CreateKey(RegLocalMachine, u"SOFTWARE\\New", RegAllAccess, key));
    EXPECT_EQ(RegOk, registry.CreateKey(RegCurrentUser, u"Software\\New", RegAllAccess, key));
    registry.CloseKey(key);
}

TEST(SimRegistryTest, DeleteKeyNeedsNoSubKeysDeleteTreeTakesAll) {
    CSimWindows sim;
    IRegistry& registry = sim.Registry();
    RegKey key = 0;
    ASSERT_EQ(RegOk, registry.CreateKey(RegLocalMachine, u"SOFTWARE\\Tonvel\\Sub", RegAllAccess, key));
    EXPECT_EQ(RegAccessDenied, registry.DeleteKey(RegLocalMachine, u"SOFTWARE\\Tonvel", 0));
    EXPECT_EQ(RegOk, registry.DeleteTree(RegLocalMachine, u"SOFTWARE\\Tonvel", 0));
    EXPECT_EQ(RegKeyDeleted, registry.SetDword(key, u"x", 1)); // the open handle's key is gone
    registry.CloseKey(key);
    EXPECT_FALSE(KeyExists(registry, u"SOFTWARE\\Tonvel", 0));
    EXPECT_EQ(RegNotFound, registry.DeleteKey(RegLocalMachine, u"SOFTWARE\\Tonvel", 0));
}

} // namespace
} // namespace tonvel::sim
