#include "installation/InstallationPaths.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

// The record as the setup and the uninstaller load it from the shipped configuration on 64-bit Windows.
_APPLICATION_FOLDER_PATH Record() {
    _APPLICATION_FOLDER_PATH folders;
    folders.InstallFolderFullPath = u"C:\\Program Files (x86)\\Tonvel\\";
    folders.SystemFolder = u"C:\\Windows\\SysWOW64\\";
    folders.NativeSystemFolder = u"C:\\Windows\\System32\\";
    folders.InstallFolderName = u"Tonvel";
    folders.ShortcutFolderName = u"Tonvel";
    folders.APPFileName = u"Tonvel";
    folders.UninstallFileName = u"TonvelUninstall";
    folders.InstallIconFileName = u"Tonvel.ico";
    return folders;
}

struct PATH_CASE {
    const char* what;
    std::u16string path;
    std::u16string expected;
};

class InstallationPaths : public ::testing::TestWithParam<PATH_CASE> {};

TEST_P(InstallationPaths, AreComposedAsWindowsKeepsThem) {
    EXPECT_EQ(GetParam().path, GetParam().expected) << GetParam().what;
}

const _APPLICATION_FOLDER_PATH ShippedRecord = Record();
const std::u16string StartMenuPrograms = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallationPaths,
    ::testing::Values(
        PATH_CASE{"driver key", DriverServiceKeyPath(u"Pelix"),
                  u"SYSTEM\\CurrentControlSet\\Services\\Pelix"},
        PATH_CASE{"driver image", DriverImagePath(u"Pelix"), u"System32\\DRIVERS\\Pelix.sys"},
        PATH_CASE{"driver file", DriverFilePath(ShippedRecord), u"C:\\Windows\\System32\\drivers\\Pelix.sys"},
        PATH_CASE{"service program", ServiceProgramPath(ShippedRecord),
                  u"C:\\Windows\\System32\\Castorel.exe"},
        PATH_CASE{"group key", DeviceIdGroupKeyPath(u"ORV USB DeviceId Group"),
                  u"SOFTWARE\\ORV USB DeviceId Group"},
        PATH_CASE{"panel", PanelProgramPath(ShippedRecord), u"C:\\Program Files (x86)\\Tonvel\\Tonvel.exe"},
        PATH_CASE{"uninstaller", UninstallProgramPath(ShippedRecord),
                  u"C:\\Program Files (x86)\\Tonvel\\TonvelUninstall.exe"},
        PATH_CASE{"configuration", InstalledConfigPath(ShippedRecord),
                  u"C:\\Program Files (x86)\\Tonvel\\AudioConfig.cfg"},
        PATH_CASE{"manual folder", InstalledManualFolder(ShippedRecord),
                  u"C:\\Program Files (x86)\\Tonvel\\Manual\\"},
        PATH_CASE{"update package", UpdatePackagePath(ShippedRecord),
                  u"C:\\Windows\\SysWOW64\\Windows6.1-KB3033929-x64.msu"},
        PATH_CASE{"shortcut", ShortcutPath(StartMenuPrograms, ShippedRecord, u"Uninstall"),
                  StartMenuPrograms + u"\\Tonvel\\Uninstall.lnk"},
        PATH_CASE{"shortcut below a programs folder with its backslash",
                  ShortcutPath(StartMenuPrograms + u"\\", ShippedRecord, u"Uninstall"),
                  StartMenuPrograms + u"\\Tonvel\\Uninstall.lnk"},
        PATH_CASE{"user folder", UserFolderPath(u"C:\\Users\\u\\AppData\\Roaming", ShippedRecord),
                  u"C:\\Users\\u\\AppData\\Roaming\\Tonvel"},
        PATH_CASE{"user configuration", UserConfigPath(u"C:\\Users\\u\\AppData\\Roaming\\", ShippedRecord),
                  u"C:\\Users\\u\\AppData\\Roaming\\Tonvel\\AudioConfig.cfg"},
        PATH_CASE{"one trailing backslash", WithBackslash(u"C:\\Temp\\\\"), u"C:\\Temp\\"}));

} // namespace
} // namespace tonvel
