// The calls the setup's driver installation adds to our Win32 layer, under wine: the instance ID of every
// device the system lists, and the flush of a machine key.
#include "platform/win32/Win32Platform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tonvel {
namespace {

TEST(Win32DeviceInstall, EveryListedDeviceHasAnInstanceId) {
    win32::CWin32Platform windows;
    IDeviceInstall& install = *windows.platform().deviceInstall;
    const DeviceListHandle list = install.GetClassDevs(HidSetupClass, DigcfAllClasses | DigcfPresent);
    ASSERT_NE(list, NoDeviceList);
    DEVICE_INFO_DATA device;
    uint32_t count = 0;
    for (; install.EnumDeviceInfo(list, count, device); ++count) {
        std::u16string id;
        EXPECT_TRUE(install.GetDeviceInstanceId(list, device, id)) << count;
        EXPECT_FALSE(id.empty()) << count;
        EXPECT_NE(id.find(u'\\'), std::u16string::npos) << count; // enumerator\device\instance
    }
    install.DestroyDeviceInfoList(list);
    std::printf("%u devices listed\n", count);
}

TEST(Win32Registry, FlushesAMachineKey) {
    win32::CWin32Platform windows;
    IRegistry& registry = windows.Registry();
    RegKey key = 0;
    ASSERT_EQ(registry.CreateKey(RegLocalMachine, u"SOFTWARE\\TonvelTest\\Flush", RegAllAccess, key), RegOk);
    EXPECT_EQ(registry.SetDword(key, u"Start", 3), RegOk);
    EXPECT_EQ(registry.FlushKey(key), RegOk);
    registry.CloseKey(key);
    EXPECT_EQ(registry.DeleteTree(RegLocalMachine, u"SOFTWARE\\TonvelTest\\Flush", 0), RegOk);
}

} // namespace
} // namespace tonvel
