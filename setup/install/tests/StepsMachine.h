#pragma once
// A simulated machine for the install steps: the setup's folder with the product's AudioConfig.cfg, the
// setup's configuration record read from it as the wizard reads it, and what the steps report.

#include "foundation/config/ApplicationConfig.h"
#include "foundation/helpers/Wow64.h"
#include "installation/InstallationNames.h"
#include "platform/sim/SimWindows.h"
#include "setup/install/InstallContext.h"
#include "setup/install/InstallPayload.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tonvel::test {

inline const std::u16string SetupFolder = u"C:\\Users\\Setup\\TonvelSetup\\";
inline const std::u16string StartMenu = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\";

struct STEPS_MACHINE {
    sim::CSimWindows sim;
    Platform platform; // the simulation's, with parts a test may replace
    _APPLICATION_FOLDER_PATH folders;
    _REG_UNINSTALL_INFO uninstall;
    CDeviceIdMgr usb, hid;
    INSTALL_WARNINGS warnings{
        u"old driver", u"Install failed ", u"channel closed", u"Install the update", {}};
    int32_t family = 6;
    int32_t servicePack = 0;
    std::vector<int32_t> progress;
    std::vector<std::u16string> messages;

    explicit STEPS_MACHINE(sim::SIM_SITUATION situation = sim::SIM_SITUATION::Wow64) {
        sim.SetSituation(situation);
        platform = sim.platform();
        sim.CreateSystemFolders();
        sim.Files().CreateFolders(SetupFolder);
        std::filesystem::path host;
        sim.Files().HostPath(SetupFolder, host);
        std::filesystem::copy_file(std::filesystem::path(TONVEL_ASSETS_DIR) / "AudioConfig.cfg",
                                   host / "AudioConfig.cfg");
        LoadApplicationConfig(sim.platform(), CONFIG_PROGRAM::Setup, u"AudioConfig.cfg",
                              SetupFolder + u"TonvelSetup.exe", folders);
        const std::u16string uninstaller = UninstallerPath();
        uninstall = {UninstallKeyPath, folders.UninstallDisplayName, uninstaller, uninstaller, u"1.2.3.4",
                     folders.Publisher};
        // What an installed Windows has: Program Files, the all-users programs folder, the user's folder.
        sim.Files().CreateFolders(folders.ProgramFilesFolder);
        sim.Files().CreateFolders(StartMenu);
        std::u16string appData;
        if (sim.Environment().Variable(u"APPDATA", appData)) sim.Files().CreateFolders(appData);
        sim.DebugOutput().Clear();
        m_RedirectionCallsBefore = sim.SystemInfo().RedirectionCalls().size();
    }
    // The redirection switches of the steps (not those of reading the configuration).
    size_t RedirectionCalls() {
        return sim.SystemInfo().RedirectionCalls().size() - m_RedirectionCallsBefore;
    }
    INSTALL_CONTEXT Context() {
        INSTALL_CONTEXT context{platform, folders, uninstall, usb, hid, warnings};
        context.Wow64 = IsWow64(sim.SystemInfo());
        context.windows64 = RunsOnWindows64(sim.SystemInfo());
        context.Family = family;
        context.ServicePack = servicePack;
        context.Reports.Progress = [this](int32_t percent) { progress.push_back(percent); };
        context.Reports.Message = [this](const std::u16string& text) { messages.push_back(text); };
        return context;
    }
    void AddPayload(uint16_t id, const std::u16string& type, const std::string& bytes) {
        sim.Resources().AddResource(id, type, std::vector<uint8_t>(bytes.begin(), bytes.end()));
    }
    std::u16string AppPath() const { return folders.InstallFolderFullPath + folders.APPFileName + u".exe"; }
    std::u16string UninstallerPath() const {
        return folders.InstallFolderFullPath + folders.UninstallFileName + u".exe";
    }
    std::u16string ShortcutFolder() const { return StartMenu + folders.ShortcutFolderName + u"\\"; }
    // The text of a file, empty when it is not there.
    std::string FileText(const std::u16string& path) {
        std::vector<uint8_t> bytes;
        if (sim.Files().ReadAll(path, bytes) != FileOk) return {};
        return std::string(bytes.begin(), bytes.end());
    }
    std::vector<std::u16string> Trace() { return sim.DebugOutput().Lines(); }
    size_t m_RedirectionCallsBefore = 0;
    // A REG_SZ value under HKLM in the default view of the setup; "(none)" when it is not there.
    std::u16string MachineString(const std::u16string& keyPath, const std::u16string& name) {
        IRegistry& registry = sim.Registry();
        RegKey key = 0;
        std::u16string value = u"(none)";
        if (registry.OpenKey(RegLocalMachine, keyPath, RegRead, key) != RegOk) return value;
        registry.QueryString(key, name, value);
        registry.CloseKey(key);
        return value;
    }
};

} // namespace tonvel::test
