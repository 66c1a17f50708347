// The installation table against the programs' own steps on the simulated machine: each install step
// writes exactly the items the table gives it (once the table's names are taken away, nothing the setup
// wrote is left), and each removal step of the uninstaller takes back exactly the items the table pairs
// with it. A name spelled differently on one side leaves an item behind or misses one, and fails here.

#include "foundation/config/IniString.h"
#include "foundation/config/ProductNames.h"
#include "installation/InstallationNames.h"
#include "installation/InstallationTable.h"
#include "installation/NativeSystemAccess.h"
#include "installation/ServiceControl.h"
#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "platform/api/Registry.h"
#include "platform/api/Services.h"
#include "tests/installation/UninstallFixture.h"
#include "uninstall/engine/Uninstaller.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace tonvel::sim {
namespace {

using ::testing::IsEmpty;

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

std::string Describe(const INSTALLATION_ENTRY& entry, const INSTALLED_NAME& name) {
    return std::string(entry.What) + ": " + Narrow(name.Path) +
           (name.Value.empty() ? "" : "|" + Narrow(name.Value));
}

INSTALLATION_PLACES PlacesOf(const Platform& platform, const _APPLICATION_FOLDER_PATH& folders) {
    INSTALLATION_PLACES places{folders, {}, {}, {}};
    platform.environment->FolderPath(FolderCommonPrograms, places.programs);
    platform.environment->Variable(UserFolderVariable, places.appData);
    ReadIniString(*platform.profile, folders.SourceFolderFullPath + ConfigFileName, u"Language",
                  u"DefaultLanguage", places.language);
    return places;
}

bool KeyOpens(IRegistry& registry, const std::u16string& path, RegKey& key) {
    return registry.OpenKey(RegLocalMachine, path, RegRead | RegWrite, key) == RegOk;
}

bool ServiceExists(IServices& services, const std::u16string& name, bool remove) {
    const ServiceHandle manager = services.OpenManager(ScManagerAllAccess);
    const ServiceHandle service = services.OpenNamedService(manager, name, ServiceAllAccess);
    if (service != NoService && remove) services.Delete(service);
    if (service != NoService) services.Close(service);
    services.Close(manager);
    return service != NoService;
}

// Whether the item is on the machine, as the programs see it (files with the native system folder
// reachable, as the setup writes them).
bool Exists(const Platform& platform, const INSTALLED_NAME& name) {
    RegKey key = 0;
    switch (name.Kind) {
    case INSTALLED_KIND::RegistryKey:
        if (!KeyOpens(*platform.registry, name.Path, key)) return false;
        platform.registry->CloseKey(key);
        return true;
    case INSTALLED_KIND::RegistryValue: {
        if (!KeyOpens(*platform.registry, name.Path, key)) return false;
        uint32_t type = 0;
        std::vector<uint8_t> data;
        const bool found = platform.registry->QueryValue(key, name.Value, type, data) == RegOk;
        platform.registry->CloseKey(key);
        return found;
    }
    case INSTALLED_KIND::Service:
        return ServiceExists(*platform.services, name.Path, false);
    case INSTALLED_KIND::File:
    case INSTALLED_KIND::Folder: {
        const uint32_t attributes = platform.files->Attributes(name.Path);
        if (attributes == FileAttrInvalid) return false;
        return ((attributes & FileAttrDirectory) != 0) == (name.Kind == INSTALLED_KIND::Folder);
    }
    }
    return false;
}

// Takes the item away directly, without the uninstaller (folders are taken after everything else).
void TakeAway(const Platform& platform, const INSTALLED_NAME& name) {
    RegKey key = 0;
    switch (name.Kind) {
    case INSTALLED_KIND::RegistryKey:
        platform.registry->DeleteTree(RegLocalMachine, name.Path, 0);
        break;
    case INSTALLED_KIND::RegistryValue:
        if (!KeyOpens(*platform.registry, name.Path, key)) break;
        platform.registry->DeleteValue(key, name.Value);
        platform.registry->CloseKey(key);
        break;
    case INSTALLED_KIND::Service:
        ControlServiceByName(platform, name.Path,
                             ServiceStopRequest); // a running service stays until it stops
        ServiceExists(*platform.services, name.Path, true);
        break;
    case INSTALLED_KIND::File:
        platform.files->Delete(name.Path);
        break;
    case INSTALLED_KIND::Folder:
        platform.files->RemoveFolder(name.Path);
        break;
    }
}

class InstallationPairing : public ::testing::TestWithParam<SIM_SITUATION> {
protected:
    bool Wow64() const { return machine.sim.Situation() == SIM_SITUATION::Wow64; }

    // Every item of the table is there exactly when its step is `present(entry)`.
    template <typename PRESENT>
    void ExpectItems(const INSTALLATION_PLACES& places, const char* when, PRESENT present) {
        const Platform& platform = machine.sim.platform();
        const CNativeSystemAccess native(platform, Wow64());
        for (const INSTALLATION_ENTRY& entry : InstallationTable())
            for (const INSTALLED_NAME& name : entry.Names(places))
                EXPECT_EQ(Exists(platform, name), present(entry)) << when << ", " << Describe(entry, name);
    }

    UNINSTALL_MACHINE machine{GetParam()};
};

TEST_P(InstallationPairing, EachInstallStepWritesWhatTheTableGivesItAndNothingElse) {
    const Platform& platform = machine.sim.platform();
    const INSTALLATION_PLACES places = PlacesOf(platform, machine.setup);
    const SIM_SNAPSHOT before = TakeSnapshot(machine.sim);
    ExpectItems(places, "before the setup", [](const INSTALLATION_ENTRY&) { return false; });
    machine.SaveDeviceGroups();
    const auto writtenBy = [&](INSTALL_STEP step) {
        ExpectItems(places, "after its step",
                    [step](const INSTALLATION_ENTRY& e) { return e.WrittenBy <= step; });
    };
    writtenBy(INSTALL_STEP::DeviceGroups);
    INSTALL_STEPS steps = DefaultInstallSteps();
    const auto checked = [&](INSTALL_STEP_FUNCTION run, INSTALL_STEP step) {
        return [run, step, &writtenBy](const INSTALL_CONTEXT& context) {
            const int32_t result = run(context);
            writtenBy(step);
            return result;
        };
    };
    steps.FilterDriver = checked(steps.FilterDriver, INSTALL_STEP::FilterDriver);
    steps.Service = checked(steps.Service, INSTALL_STEP::Service);
    steps.App = checked(steps.App, INSTALL_STEP::App);
    steps.Uninstall = checked(steps.Uninstall, INSTALL_STEP::Uninstall);
    steps.Config = checked(steps.Config, INSTALL_STEP::Config);
    steps.Manual = checked(steps.Manual, INSTALL_STEP::Manual);
    // The device restart and the update write nothing of their own.
    steps.RestartDevices = checked(steps.RestartDevices, INSTALL_STEP::Manual);
    steps.KB3033929 = checked(steps.KB3033929, INSTALL_STEP::Manual);
    machine.RunInstallSequence(std::move(steps));
    ASSERT_EQ(machine.installResult, InstallDone);

    // With the table's items taken away, the machine is as it was: the table names all the setup wrote.
    std::vector<INSTALLED_NAME> folders;
    {
        const CNativeSystemAccess native(platform, Wow64());
        for (const INSTALLATION_ENTRY& entry : InstallationTable())
            for (const INSTALLED_NAME& name : entry.Names(places))
                if (name.Kind == INSTALLED_KIND::Folder)
                    folders.push_back(name);
                else
                    TakeAway(platform, name);
        std::sort(folders.begin(), folders.end(),
                  [](const auto& a, const auto& b) { return a.Path.size() > b.Path.size(); });
        for (const INSTALLED_NAME& folder : folders)
            TakeAway(platform, folder);
    }
    EXPECT_THAT(Differences(before, TakeSnapshot(machine.sim)), IsEmpty());
}

TEST_P(InstallationPairing, EachRemovalStepTakesBackWhatTheTablePairsWithIt) {
    const SIM_SNAPSHOT before = TakeSnapshot(machine.sim);
    machine.Install();
    ASSERT_EQ(machine.installResult, InstallDone);
    // The uninstaller's own view: the installed configuration beside the installed uninstaller.
    _APPLICATION_FOLDER_PATH folders;
    CDeviceIdMgr usb;
    const Platform& platform = machine.sim.platform();
    ASSERT_TRUE(
        LoadInstalledConfiguration(platform, machine.Installed(u"TonvelUninstall.exe"), folders, usb));
    const INSTALLATION_PLACES places = PlacesOf(platform, folders);
    ExpectItems(places, "after the setup", [](const INSTALLATION_ENTRY&) { return true; });
    UNINSTALL_CONTEXT context{platform, folders, usb};
    context.Options.KeepUserSettings = false;
    context.Options.ParkingFolder = machine.TempFolder();
    context.Wow64 = Wow64();
    UNINSTALL_LIST list;
    for (const REMOVAL_STEP_ENTRY& step : RemovalSteps()) {
        step.Run(context, list);
        ExpectItems(places, "after its removal step",
                    [&step](const INSTALLATION_ENTRY& e) { return e.RemovedBy > step.Step; });
    }
    EXPECT_THAT(Differences(before, TakeSnapshot(machine.sim)), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Situations, InstallationPairing,
                         ::testing::Values(SIM_SITUATION::Wow64, SIM_SITUATION::Windows32),
                         [](const auto& info) { return std::string(SituationName(info.param)); });

// One owner per item: no name is given by two entries of the table.
TEST(InstallationTable, NamesEachItemOnce) {
    UNINSTALL_MACHINE machine;
    const INSTALLATION_PLACES places = PlacesOf(machine.sim.platform(), machine.setup);
    std::set<std::u16string> seen;
    for (const INSTALLATION_ENTRY& entry : InstallationTable()) {
        const INSTALLED_NAMES names = entry.Names(places);
        EXPECT_FALSE(names.empty()) << entry.What;
        for (const INSTALLED_NAME& name : names)
            EXPECT_TRUE(seen.insert(name.Path + u"|" + name.Value).second) << Describe(entry, name);
    }
}

} // namespace
} // namespace tonvel::sim
