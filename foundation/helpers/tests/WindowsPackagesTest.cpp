#include "foundation/helpers/WindowsPackages.h"
#include "platform/sim/SimRegistry.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

const std::u16string Packages =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\Packages";

class WindowsPackagesTest : public ::testing::Test {
protected:
    void AddPackageKey(const std::u16string& name, uint32_t view = RegView64) {
        RegKey key = 0;
        ASSERT_EQ(m_Registry.CreateKey(RegLocalMachine, Packages + u"\\" + name, RegAllAccess | view, key),
                  RegOk);
        m_Registry.CloseKey(key);
    }
    sim::CSimRegistry m_Registry; // 64-bit Windows, 32-bit process
};

struct PACKAGE_CASE {
    std::vector<std::u16string> keys;
    std::u16string asked;
    int32_t installed;
};

class WindowsPackageCases : public WindowsPackagesTest, public ::testing::WithParamInterface<PACKAGE_CASE> {};

TEST_P(WindowsPackageCases, MatchesThePrefixCaseSensitively) {
    for (const auto& key : GetParam().keys)
        AddPackageKey(key);
    EXPECT_EQ(IsWindowsPackageInstalled(m_Registry, GetParam().asked), GetParam().installed);
    EXPECT_EQ(m_Registry.OpenHandleCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WindowsPackageCases,
    ::testing::Values(
        PACKAGE_CASE{{u"Package_for_KB3033929~31bf3856ad364e35~amd64~~6.1.1.1"}, u"KB3033929", 1},
        PACKAGE_CASE{{u"Package_for_KB3033929~"}, u"KB3033929", 1},
        PACKAGE_CASE{{u"package_for_kb3033929~31bf3856ad364e35~amd64~~6.1.1.1"}, u"KB3033929", 0},
        PACKAGE_CASE{{u"Package_for_KB3033929"}, u"KB3033929", 0},
        PACKAGE_CASE{{u"Package_for_KB30339290~31bf3856ad364e35"}, u"KB3033929", 0},
        PACKAGE_CASE{{u"Package_for_KB2533623~31bf3856ad364e35", u"Package_for_KB3033929~31bf3856ad364e35",
                      u"Package_for_KB976902~31bf3856ad364e35"},
                     u"KB3033929",
                     1},
        PACKAGE_CASE{{u"Package_for_KB2533623~31bf3856ad364e35"}, u"KB3033929", 0}));

TEST_F(WindowsPackagesTest, MissingOrEmptyPackageListAnswersNo) {
    EXPECT_EQ(IsWindowsPackageInstalled(m_Registry, u"KB3033929"), 0);
    RegKey key = 0;
    ASSERT_EQ(m_Registry.CreateKey(RegLocalMachine, Packages, RegAllAccess | RegView64, key), RegOk);
    m_Registry.CloseKey(key);
    EXPECT_EQ(IsWindowsPackageInstalled(m_Registry, u"KB3033929"), 0);
    EXPECT_EQ(m_Registry.OpenHandleCount(), 0u);
}

TEST_F(WindowsPackagesTest, ReadsThe64BitView) {
    AddPackageKey(u"Package_for_KB3033929~31bf3856ad364e35", RegView32);
    EXPECT_EQ(IsWindowsPackageInstalled(m_Registry, u"KB3033929"), 0);
    AddPackageKey(u"Package_for_KB3033929~31bf3856ad364e35", RegView64);
    EXPECT_EQ(IsWindowsPackageInstalled(m_Registry, u"KB3033929"), 1);
}

TEST_F(WindowsPackagesTest, OverlongNameCannotMatch) {
    // A prefix longer than a key name can be: the probe answers 0 rather than cutting the prefix short.
    const std::u16string name(250, u'K');
    AddPackageKey(u"Package_for_" + name.substr(0, 240));
    EXPECT_EQ(IsWindowsPackageInstalled(m_Registry, name), 0);
    EXPECT_EQ(m_Registry.OpenHandleCount(), 0u);
}

} // namespace
} // namespace tonvel
