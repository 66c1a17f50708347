// The whole installation on a simulated 64-bit Windows, run by the 32-bit setup, with every payload a small
// simulated resource.

#include "installation/ServiceControl.h"
#include "setup/install/InstallFilterDriver.h"
#include "setup/install/InstallSequence.h"
#include "setup/install/InstallService.h"
#include "setup/install/Registration.h"
#include "setup/install/tests/StepsMachine.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::SetupFolder;
using test::STEPS_MACHINE;

TEST(InstallWhole, AFirstInstallationOnWow64) {
    STEPS_MACHINE machine;
    machine.sim.FilterDriver().SetPresent(false); // no old driver running
    auto& files = machine.sim.Files();
    files.PutFile(SetupFolder + u"Skin\\Graphite\\Back.png", "graphite");
    files.PutFile(SetupFolder + u"Language\\English\\Texts.ini", "english");
    files.PutFile(SetupFolder + u"Tonvel.ico", "icon");
    files.PutFile(SetupFolder + u"Manual\\English\\UserManual.html", "manual");
    machine.AddPayload(DriverResource32, u"DRIVER", "driver 32");
    machine.AddPayload(DriverResource64, u"DRIVER", "driver 64");
    machine.AddPayload(ServicePayload32, u"SERVICE", "service 32");
    machine.AddPayload(ServicePayload64, u"SERVICE", "service 64");
    machine.AddPayload(AppPayload, u"APP", "panel");
    machine.AddPayload(UninstallPayload, u"UNINSTALL", "uninstaller");
    machine.AddPayload(UpdatePayload, u"WINDOWPATCH", "package");
    const std::u16string castorel = machine.folders.NativeSystemFolder + ServiceProgramFileName;
    machine.sim.Processes().AddProgram(castorel, 3000, 0, [&machine](const std::u16string&) {
        sim::SIM_SERVICE service;
        service.Name = HelperServiceName;
        service.State = ServiceStateStopped;
        machine.sim.Services().Add(service);
    });

    EXPECT_EQ(CInstallSequence(machine.Context(), DefaultInstallSteps()).Run(), InstallDone);

    const std::u16string install = machine.folders.InstallFolderFullPath;
    EXPECT_EQ(install, u"C:\\Program Files (x86)\\Tonvel\\");
    const struct {
        std::u16string path;
        std::string text;
    } expected[] = {
        {u"C:\\Windows\\Sysnative\\drivers\\Pelix.sys", "driver 64"},
        {u"C:\\Windows\\Sysnative\\Castorel.exe", "service 64"},
        {install + u"Tonvel.exe", "panel"},
        {install + u"TonvelUninstall.exe", "uninstaller"},
        {install + u"Skin\\Graphite\\Back.png", "graphite"},
        {install + u"Language\\English\\Texts.ini", "english"},
        {install + u"Tonvel.ico", "icon"},
        {install + u"Manual\\English\\UserManual.html", "manual"},
        {u"C:\\Windows\\SysWOW64\\Windows6.1-KB3033929-x64.msu", "package"},
        {machine.ShortcutFolder() + u"Tonvel Control Panel.lnk",
         "C:\\Program Files (x86)\\Tonvel\\Tonvel.exe"},
        {machine.ShortcutFolder() + u"Uninstall Tonvel.lnk",
         "C:\\Program Files (x86)\\Tonvel\\TonvelUninstall.exe"},
        {machine.ShortcutFolder() + u"Tonvel User Manual.lnk",
         "C:\\Program Files (x86)\\Tonvel\\Manual\\English\\UserManual.html"},
    };
    for (const auto& file : expected)
        EXPECT_EQ(machine.FileText(file.path), file.text) << std::string(file.path.begin(), file.path.end());
    const auto* service = machine.sim.Services().Find(HelperServiceName);
    ASSERT_NE(service, nullptr);
    EXPECT_EQ(service->State, ServiceStateRunning);

    // The SOFTWARE keys land in the 32-bit view.
    IRegistry& registry = machine.sim.Registry();
    RegKey key = 0;
    std::u16string value;
    ASSERT_EQ(registry.OpenKey(RegLocalMachine,
                               u"SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
                               RegRead | RegView64, key),
              RegOk);
    EXPECT_EQ(registry.QueryString(key, u"Tonvel", value), RegOk);
    EXPECT_EQ(value, u"\"C:\\Program Files (x86)\\Tonvel\\Tonvel.exe\"");
    registry.CloseKey(key);
    ASSERT_EQ(registry.OpenKey(
                  RegLocalMachine,
                  u"SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ORV72xxAudioExt",
                  RegRead | RegView64, key),
              RegOk);
    EXPECT_EQ(registry.QueryString(key, u"DisplayName", value), RegOk);
    EXPECT_EQ(value, u"Tonvel 7.1 Audio");
    registry.CloseKey(key);
    // Nothing in the 64-bit view.
    EXPECT_NE(registry.OpenKey(RegLocalMachine, RunKeyPath, RegRead | RegView64, key), RegOk);
    EXPECT_EQ(machine.progress, (std::vector<int32_t>{1, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_TRUE(machine.messages.empty());
}

} // namespace
} // namespace tonvel
