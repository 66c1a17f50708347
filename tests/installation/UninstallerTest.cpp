#include "uninstall/engine/Uninstaller.h"

#include "foundation/config/ProductNames.h"
#include "installation/InstallationNames.h"
#include "installation/PanelClose.h"
#include "platform/api/Registry.h"
#include "setup/install/InstallSequence.h"
#include "tests/installation/UninstallFixture.h"
#include "uninstall/engine/UninstallReport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tonvel::sim {
namespace {

using ::testing::IsEmpty;

std::vector<std::string> AfterInstallAndUninstall(UNINSTALL_MACHINE& machine, bool keep, int32_t& exitCode) {
    const SIM_SNAPSHOT before = TakeSnapshot(machine.sim);
    machine.Install();
    EXPECT_EQ(machine.installResult, InstallDone);
    // The picture sees what the setup wrote, in the registry view it wrote it to.
    const bool wow64 = machine.sim.Situation() == SIM_SITUATION::Wow64;
    EXPECT_THAT(Differences(before, TakeSnapshot(machine.sim)),
                ::testing::Contains(wow64 ? "+ registry HKLM\\SOFTWARE\\WOW6432Node\\ORV USB DeviceId Group"
                                          : "+ registry HKLM\\SOFTWARE\\ORV USB DeviceId Group"));
    exitCode = machine.Uninstall(keep);
    return Differences(before, TakeSnapshot(machine.sim));
}

class UninstallEverySituation : public ::testing::TestWithParam<SIM_SITUATION> {};

TEST_P(UninstallEverySituation, InstallThenUninstallLeavesTheMachineAsItWas) {
    UNINSTALL_MACHINE machine(GetParam());
    int32_t exitCode = -1;
    EXPECT_THAT(AfterInstallAndUninstall(machine, false, exitCode), IsEmpty());
    EXPECT_EQ(exitCode, UninstallDone);
    EXPECT_EQ(NotRemovedLines(machine.list, DefaultUninstallTexts()), u"");
}

INSTANTIATE_TEST_SUITE_P(Situations, UninstallEverySituation,
                         ::testing::Values(SIM_SITUATION::Wow64, SIM_SITUATION::Windows32),
                         [](const auto& info) { return std::string(SituationName(info.param)); });

TEST(Uninstall, KeptSettingsAreTheOnlyThingLeft) {
    UNINSTALL_MACHINE machine;
    int32_t exitCode = -1;
    const auto left = AfterInstallAndUninstall(machine, true, exitCode);
    EXPECT_EQ(exitCode, UninstallDone);
    EXPECT_EQ(left, (std::vector<std::string>{"+ file c/Users/User/AppData/Roaming/Tonvel",
                                              "+ file c/Users/User/AppData/Roaming/Tonvel/AudioConfig.cfg"}));
    EXPECT_EQ(machine.Item(machine.UserFolder())->Status, ITEM_STATUS::Kept);
}

TEST(Uninstall, AForeignFileStaysWithItsFolders) {
    UNINSTALL_MACHINE machine;
    const SIM_SNAPSHOT before = TakeSnapshot(machine.sim);
    machine.Install();
    machine.sim.Files().PutFile(machine.Installed(u"Skin\\Azure\\MyNotes.txt"), "mine");
    EXPECT_EQ(machine.Uninstall(false), UninstallIncomplete);
    // With something left, the Uninstall entry stays with the uninstaller and its configuration.
    const std::string entry =
        "+ registry "
        "HKLM\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ORV72xxAudioExt";
    EXPECT_EQ(Differences(before, TakeSnapshot(machine.sim)),
              (std::vector<std::string>{entry, entry + "|DisplayIcon", entry + "|DisplayName",
                                        entry + "|DisplayVersion", entry + "|Publisher",
                                        entry + "|UninstallString", "+ file c/Program Files (x86)/Tonvel",
                                        "+ file c/Program Files (x86)/Tonvel/AudioConfig.cfg",
                                        "+ file c/Program Files (x86)/Tonvel/Skin",
                                        "+ file c/Program Files (x86)/Tonvel/Skin/Azure",
                                        "+ file c/Program Files (x86)/Tonvel/Skin/Azure/MyNotes.txt",
                                        "+ file c/Program Files (x86)/Tonvel/TonvelUninstall.exe"}));
    const UNINSTALL_ITEM* azure = machine.Item(machine.Installed(u"Skin\\Azure"));
    ASSERT_NE(azure, nullptr);
    EXPECT_EQ(azure->Reason, ITEM_REASON::ForeignFiles);
    EXPECT_EQ(azure->Detail, u"MyNotes.txt");
    EXPECT_EQ(NotRemovedLines(machine.list, DefaultUninstallTexts()),
              u"C:\\Program Files (x86)\\Tonvel\\Skin\\Azure: holds files that Setup did not install: "
              u"MyNotes.txt\r\n"
              u"C:\\Program Files (x86)\\Tonvel\\Skin: holds files that Setup did not install: Azure\r\n");
}

bool UninstallEntryThere(CSimWindows& sim) {
    RegKey key = 0;
    if (sim.Registry().OpenKey(RegLocalMachine, UninstallKeyPath, RegRead, key) != RegOk) return false;
    sim.Registry().CloseKey(key);
    return true;
}

// A removal that stops part-way keeps the Uninstall entry with the uninstaller and its configuration, so
// that it can be run again; the run that takes everything away takes the entry last.
TEST(Uninstall, ARemovalStoppedPartWayKeepsItsEntryAndCanBeRunAgain) {
    UNINSTALL_MACHINE machine;
    const SIM_SNAPSHOT before = TakeSnapshot(machine.sim);
    machine.Install();
    const std::u16string notes = machine.Installed(u"Skin\\Azure\\MyNotes.txt");
    machine.sim.Files().PutFile(notes, "mine");
    EXPECT_EQ(machine.Uninstall(false), UninstallIncomplete);
    EXPECT_TRUE(UninstallEntryThere(machine.sim));
    EXPECT_TRUE(machine.sim.Files().Exists(machine.Installed(u"TonvelUninstall.exe")));
    EXPECT_TRUE(machine.sim.Files().Exists(machine.Installed(u"AudioConfig.cfg")));
    machine.sim.Files().Delete(notes);
    EXPECT_EQ(machine.Uninstall(false), UninstallDone);
    EXPECT_THAT(Differences(before, TakeSnapshot(machine.sim)), IsEmpty());
    EXPECT_EQ(machine.list.back().Target, UninstallKeyPath);
}

// What goes at the next restart counts as gone: the entry goes with the rest.
TEST(Uninstall, ARestartTimeRemainderStillTakesTheEntry) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    machine.sim.Files().SetInUse(u"C:\\Windows\\system32\\drivers\\Pelix.sys");
    EXPECT_EQ(machine.Uninstall(true), UninstallRestartNeeded);
    EXPECT_FALSE(UninstallEntryThere(machine.sim));
    EXPECT_FALSE(machine.sim.Files().Exists(machine.installFolder));
}

TEST(Uninstall, ARunningPanelIsAskedToQuitAndWaitedFor) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    const std::u16string panel = machine.Installed(u"Tonvel.exe");
    machine.sim.Processes().AddRunning(panel);
    CSimWindows& sim = machine.sim;
    const uint32_t exitMessage = sim.WindowSystem().RegisterMessage(ExitMessageName);
    sim.WindowSystem().AddReceiver([&](uint32_t message, uint64_t, int64_t) {
        if (message == exitMessage) sim.Processes().EndProcessesOf(panel);
    });
    EXPECT_EQ(machine.Uninstall(true), UninstallDone);
    EXPECT_EQ(machine.Item(panel)->Kind, UNINSTALL_KIND::Program);
    EXPECT_EQ(machine.Item(panel)->Status, ITEM_STATUS::Removed);
    EXPECT_FALSE(sim.Files().Exists(panel));
    EXPECT_EQ(sim.Processes().OpenHandles(), 0u);
}

// Panels still running after the one wait for all of them stop the removal before anything is taken away;
// the list names the program to close.
TEST(Uninstall, PanelsThatDoNotQuitStopTheRemovalBeforeAnythingIsRemoved) {
    for (const int32_t panels : {1, 2}) {
        UNINSTALL_MACHINE machine;
        machine.Install();
        const std::u16string panel = machine.Installed(u"Tonvel.exe");
        for (int32_t i = 0; i < panels; ++i)
            machine.sim.Processes().AddRunning(panel);
        machine.sim.Files().SetInUse(panel);
        const SIM_SNAPSHOT installed = TakeSnapshot(machine.sim);
        const uint32_t start = machine.sim.SystemInfo().GetTickCount();
        EXPECT_EQ(machine.Uninstall(true), UninstallIncomplete) << panels;
        EXPECT_EQ(machine.sim.SystemInfo().GetTickCount() - start, PanelExitWaitMs) << panels;
        ASSERT_EQ(machine.list.size(), 1u) << panels;
        EXPECT_EQ(machine.Item(panel)->Reason, ITEM_REASON::StillRunning) << panels;
        EXPECT_EQ(NotRemovedLines(machine.list, DefaultUninstallTexts()), panel + u": still running\r\n");
        EXPECT_THAT(Differences(installed, TakeSnapshot(machine.sim)), IsEmpty()) << panels;
        EXPECT_TRUE(machine.sim.Files().PendingMoves().empty()) << panels;
        EXPECT_EQ(machine.sim.Processes().OpenHandles(), 0u) << panels;
    }
}

TEST(Uninstall, AServiceThatRefusesToStopIsDeletedAtTheNextRestart) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    machine.sim.Services().Find(u"Castorel")->RefusesStop = true;
    machine.sim.Services().Find(u"Castorel")->Calls.clear(); // those of the installation
    EXPECT_EQ(machine.Uninstall(true), UninstallRestartNeeded);
    const SIM_SERVICE* service = machine.sim.Services().Find(u"Castorel");
    ASSERT_NE(service, nullptr);
    EXPECT_TRUE(service->MarkedForDeletion);
    EXPECT_EQ(machine.Item(u"Castorel")->Reason, ITEM_REASON::ServiceRunning);
    EXPECT_EQ(service->Calls, (std::vector<std::u16string>{u"stop", u"delete"}));
}

TEST(Uninstall, ADriverFileInUseIsDeletedAtTheNextRestartAndTheUserIsTold) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    const std::u16string driver = u"C:\\Windows\\system32\\drivers\\Pelix.sys";
    machine.sim.Files().SetInUse(driver);
    EXPECT_EQ(machine.Uninstall(true), UninstallRestartNeeded);
    ASSERT_EQ(machine.sim.Files().PendingMoves().size(), 1u);
    EXPECT_EQ(machine.sim.Files().PendingMoves()[0].from, driver);
    EXPECT_EQ(machine.sim.Files().PendingMoves()[0].to, u"");
    EXPECT_EQ(FinalMessage(machine.list, DefaultUninstallTexts()),
              u"The following could not be removed:\r\n\r\n" + driver +
                  u": in use; it is deleted when Windows restarts\r\n\r\n"
                  u"Please restart Windows to finish the removal.");
}

TEST(Uninstall, WithoutAdministratorRightsNothingIsRemoved) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    const SIM_SNAPSHOT installed = TakeSnapshot(machine.sim);
    const size_t broadcasts = machine.sim.WindowSystem().Broadcasts().size(); // the installation's
    machine.sim.SystemInfo().SetAdministrator(false);
    EXPECT_EQ(machine.Uninstall(false), UninstallNotAdministrator);
    EXPECT_THAT(Differences(installed, TakeSnapshot(machine.sim)), IsEmpty());
    EXPECT_EQ(machine.sim.WindowSystem().Broadcasts().size(), broadcasts) << "no panel asked to quit";
}

TEST(Uninstall, WithoutTheInstalledConfigurationNothingIsRemoved) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    machine.sim.Files().Delete(machine.Installed(u"AudioConfig.cfg"));
    const SIM_SNAPSHOT installed = TakeSnapshot(machine.sim);
    EXPECT_EQ(machine.Uninstall(false), UninstallNoConfiguration);
    EXPECT_THAT(Differences(installed, TakeSnapshot(machine.sim)), IsEmpty());
}

TEST(Uninstall, TheInstalledUninstallerWaitingForItsCopyIsMovedOutOfItsFolder) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    const std::u16string original = machine.Installed(u"TonvelUninstall.exe");
    machine.sim.Files().SetInUse(original);
    UNINSTALL_CONTEXT context{machine.sim.platform(), machine.folders, machine.usb};
    ASSERT_TRUE(LoadInstalledConfiguration(machine.sim.platform(), original, machine.folders, machine.usb));
    context.Options.OriginalProgram = original;
    context.Options.ParkingFolder = machine.TempFolder();
    context.Wow64 = true;
    EXPECT_EQ(RunUninstall(context, machine.list), UninstallDone);
    EXPECT_FALSE(machine.sim.Files().Exists(machine.installFolder));
    EXPECT_EQ(machine.Item(original)->Status, ITEM_STATUS::Removed);
    ASSERT_EQ(machine.sim.Files().PendingMoves().size(), 1u);
    EXPECT_EQ(machine.sim.Files().PendingMoves()[0].from, machine.TempFolder() + u"\\~TonvelUninstall.exe");
}

} // namespace
} // namespace tonvel::sim

namespace tonvel::sim {
namespace {

// The plugged headset loses the filter; a 32-bit uninstaller on 64-bit Windows restarts it through the
// native helper program, which this uninstaller does not carry: the restart is left to Windows.
TEST(Uninstall, TheFilterLeavesThePluggedHeadset) {
    for (const SIM_SITUATION situation : {SIM_SITUATION::Windows32, SIM_SITUATION::Wow64}) {
        SCOPED_TRACE(SituationName(situation));
        UNINSTALL_MACHINE machine(situation);
        machine.Install();
        CSimHeadset& headset = machine.sim.Headset();
        machine.sim.Devices().Plug(headset);
        headset.Nodes()[1].UpperFilters = std::vector<std::u16string>{u"Pelix"};
        const bool native = situation == SIM_SITUATION::Windows32;
        EXPECT_EQ(machine.Uninstall(true), native ? UninstallDone : UninstallRestartNeeded);
        EXPECT_FALSE(headset.Nodes()[1].UpperFilters.has_value());
        EXPECT_EQ(headset.Nodes()[1].StateChanges.size(), native ? 2u : 0u);
        EXPECT_EQ(machine.Item(u"Pelix")->Status,
                  native ? ITEM_STATUS::Removed : ITEM_STATUS::RemovedAtRestart);
        machine.sim.Devices().Unplug(headset);
    }
}

// A device whose filter list cannot be written back still names the filter: the filter is not removed,
// and the list says so with Windows' refusal.
TEST(Uninstall, AFilterListThatCannotBeWrittenIsNotCountedAsRemoved) {
    UNINSTALL_MACHINE machine(SIM_SITUATION::Windows32);
    machine.Install();
    CSimHeadset& headset = machine.sim.Headset();
    machine.sim.Devices().Plug(headset);
    headset.Nodes()[1].UpperFilters = std::vector<std::u16string>{u"Other", u"Pelix"};
    headset.Nodes()[1].RefuseFilterWrite = true;
    EXPECT_EQ(machine.Uninstall(true), UninstallIncomplete);
    EXPECT_EQ(headset.Nodes()[1].UpperFilters, (std::vector<std::u16string>{u"Other", u"Pelix"}));
    const UNINSTALL_ITEM* filter = machine.Item(u"Pelix");
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->Kind, UNINSTALL_KIND::DeviceFilter);
    EXPECT_EQ(filter->Status, ITEM_STATUS::Failed);
    EXPECT_EQ(filter->Reason, ITEM_REASON::FilterNotWritten);
    EXPECT_NE(NotRemovedLines(machine.list, DefaultUninstallTexts())
                  .find(u"Pelix: a device still names it; its filter list could not be written\r\n"),
              std::u16string::npos);
    machine.sim.Devices().Unplug(headset);
}

// While a device may still name the filter, its driver stays (key and file) and the list says so: a
// device whose filter list could not be written, or a device-ID group that did not load (it matches no
// device, so no device lost the filter).
TEST(Uninstall, TheDriverStaysWhileADeviceMayStillNameIt) {
    const std::u16string driverFile = u"C:\\Windows\\system32\\drivers\\Pelix.sys";
    const std::u16string driverKey = u"SYSTEM\\CurrentControlSet\\Services\\Pelix";
    for (const bool groupLoads : {true, false}) {
        SCOPED_TRACE(groupLoads ? "filter list refused" : "group not loaded");
        UNINSTALL_MACHINE machine(SIM_SITUATION::Windows32);
        machine.Install();
        CSimHeadset& headset = machine.sim.Headset();
        machine.sim.Devices().Plug(headset);
        headset.Nodes()[1].UpperFilters = std::vector<std::u16string>{u"Pelix"};
        if (groupLoads) {
            headset.Nodes()[1].RefuseFilterWrite = true;
        } else {
            std::filesystem::path host;
            ASSERT_TRUE(machine.sim.Files().HostPath(machine.Installed(u"AudioConfig.cfg"), host));
            std::ifstream in(host, std::ios::binary);
            std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            in.close();
            const size_t at = text.find("[USB_VID_PID]");
            ASSERT_NE(at, std::string::npos);
            text.replace(at, 13, "[USB_VID_PID_GONE]");
            std::ofstream(host, std::ios::binary) << text;
        }
        EXPECT_EQ(machine.Uninstall(true), UninstallIncomplete);
        EXPECT_TRUE(machine.sim.Files().Exists(driverFile));
        RegKey key = 0;
        EXPECT_EQ(machine.sim.Registry().OpenKey(RegLocalMachine, driverKey, RegRead, key), RegOk);
        machine.sim.Registry().CloseKey(key);
        for (const std::u16string& target : {driverFile, driverKey}) {
            const UNINSTALL_ITEM* item = machine.Item(target);
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->Status, ITEM_STATUS::Failed);
            EXPECT_EQ(item->Reason, ITEM_REASON::DriverStillNamed);
        }
        EXPECT_NE(NotRemovedLines(machine.list, DefaultUninstallTexts())
                      .find(driverFile + u": kept while a device may still name it\r\n"),
                  std::u16string::npos);
        EXPECT_EQ(machine.Item(u"Pelix")->Status, ITEM_STATUS::Failed);
        machine.sim.Devices().Unplug(headset);
    }
}

} // namespace
} // namespace tonvel::sim
