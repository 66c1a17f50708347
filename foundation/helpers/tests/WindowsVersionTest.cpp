#include "foundation/helpers/WindowsVersion.h"
#include "platform/sim/SimSystemInfo.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

struct VERSION_CASE {
    uint32_t major;
    uint32_t minor;
    int32_t family;
    int32_t version;
};

class WindowsVersionTable : public ::testing::TestWithParam<VERSION_CASE> {};

TEST_P(WindowsVersionTable, MapsMajorMinorToCodes) {
    const VERSION_CASE& c = GetParam();
    sim::CSimSystemInfo system;
    system.SetVersion(c.major, c.minor, 3);
    int32_t family = 99, version = 99, servicePack = 99;
    EXPECT_EQ(GetWindowsVersion(system, &family, &version, &servicePack), WINDOWS_VERSION_OK);
    EXPECT_EQ(family, c.family);
    EXPECT_EQ(version, c.version);
    EXPECT_EQ(servicePack, 3);
}

INSTANTIATE_TEST_SUITE_P(Versions, WindowsVersionTable,
                         ::testing::Values(VERSION_CASE{4, 0, 0, 0x400}, VERSION_CASE{4, 10, 0, -1},
                                           VERSION_CASE{4, 90, 0, -1}, VERSION_CASE{5, 0, 1, 0x500},
                                           VERSION_CASE{5, 1, 2, 0x501}, VERSION_CASE{5, 2, 2, 0x502},
                                           VERSION_CASE{5, 3, -1, -1}, VERSION_CASE{6, 0, 3, 0x600},
                                           VERSION_CASE{6, 1, 4, 0x601}, VERSION_CASE{6, 2, 5, 0x602},
                                           VERSION_CASE{6, 3, 5, 0x603}, VERSION_CASE{6, 4, -1, -1},
                                           VERSION_CASE{10, 0, 6, 0xA00}, VERSION_CASE{10, 1, 6, -1},
                                           VERSION_CASE{11, 0, -1, -1}, VERSION_CASE{3, 51, -1, -1}));

TEST(WindowsVersion, Windows7ServicePack1) {
    sim::CSimSystemInfo system;
    system.SetVersion(6, 1, 1, 7601);
    int32_t family = 0, version = 0, servicePack = 0;
    EXPECT_EQ(GetWindowsVersion(system, &family, &version, &servicePack), WINDOWS_VERSION_OK);
    EXPECT_EQ(family, 4);
    EXPECT_EQ(version, 0x601);
    EXPECT_EQ(servicePack, 1);
}

TEST(WindowsVersion, EachOutputMayBeAbsent) {
    sim::CSimSystemInfo system; // Windows 10 at first
    int32_t version = 0;
    EXPECT_EQ(GetWindowsVersion(system, nullptr, &version, nullptr), WINDOWS_VERSION_OK);
    EXPECT_EQ(version, 0xA00);
    EXPECT_EQ(GetWindowsVersion(system, nullptr, nullptr, nullptr), WINDOWS_VERSION_OK);
}

TEST(WindowsVersion, MissingAndFailingCallLeaveOutputsAlone) {
    sim::CSimSystemInfo missing;
    missing.SetVersionMissing(true);
    sim::CSimSystemInfo failing;
    failing.SetVersionStatus(static_cast<int32_t>(0xC0000001));
    int32_t family = 77, version = 77, servicePack = 77;
    EXPECT_EQ(GetWindowsVersion(missing, &family, &version, &servicePack), WINDOWS_VERSION_MISSING);
    EXPECT_EQ(GetWindowsVersion(failing, &family, &version, &servicePack), WINDOWS_VERSION_FAILED);
    EXPECT_EQ(family, 77);
    EXPECT_EQ(version, 77);
    EXPECT_EQ(servicePack, 77);
}

} // namespace
} // namespace tonvel
