#include "tests/installation/UninstallFixture.h"

#include "foundation/config/ApplicationConfig.h"
#include "installation/InstallationNames.h"
#include "installation/InstallationPaths.h"
#include "installation/RegUninstallInfo.h"
#include "setup/install/InstallPayload.h"
#include "setup/install/InstallSequence.h"
#include "uninstall/engine/UninstallSteps.h"
#include "uninstall/engine/Uninstaller.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tonvel::sim {

namespace {

namespace fs = std::filesystem;

const fs::path Assets = TONVEL_ASSETS_DIR;
constexpr uint16_t DriverPayload32 = 102;
constexpr uint16_t DriverPayload64 = 103;
const std::u16string SetupFolder = u"C:\\Users\\Setup\\TonvelSetup\\";

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Every file of an assets folder below `target` (a Windows folder with its trailing backslash).
void CopyTree(CSimFileSystem& files, const fs::path& source, const std::u16string& target) {
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        if (!entry.is_regular_file()) continue;
        std::u16string relative = fs::relative(entry.path(), source).u16string();
        for (auto& c : relative)
            if (c == u'/') c = u'\\';
        files.PutFile(target + relative, Read(entry.path()));
    }
}

void SetString(IRegistry& registry, const std::u16string& keyPath, const std::u16string& name,
               const std::u16string& value) {
    RegKey key = 0;
    registry.CreateKey(RegLocalMachine, keyPath, RegAllAccess, key);
    registry.SetString(key, name, value);
    registry.CloseKey(key);
}

void AddService(CSimServices& services, const std::u16string& name, uint32_t state = ServiceStateRunning) {
    SIM_SERVICE service;
    service.Name = name;
    service.State = state;
    services.Add(service);
}

} // namespace

UNINSTALL_MACHINE::UNINSTALL_MACHINE(SIM_SITUATION situation) {
    sim.SetSituation(situation);
    sim.CreateSystemFolders();
    CSimFileSystem& files = sim.Files();
    for (const auto& folder : {u"C:\\Users\\User\\AppData\\Roaming", u"C:\\Users\\User\\AppData\\Local\\Temp",
                               u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Accessories"})
        files.CreateFolders(folder);
    files.CreateFolders(IsWindows64(situation) ? u"C:\\Program Files (x86)" : u"C:\\Program Files");
    // What Windows and other programs have: the keys the setup writes into, and foreign entries in them.
    IRegistry& registry = sim.Registry();
    SetString(registry, RunKeyPath, u"OtherTool", u"C:\\Tools\\other.exe");
    SetString(registry, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\OtherTool", u"DisplayName",
              u"Other tool");
    SetString(registry, u"SYSTEM\\CurrentControlSet\\Services\\OtherDriver", u"ImagePath", u"other.sys");
    AddService(sim.Services(), u"audiosrv");
    installFolder = (IsWindows64(situation) ? u"C:\\Program Files (x86)\\" : u"C:\\Program Files\\") +
                    std::u16string(u"Tonvel\\");
    sim.FilterDriver().SetPresent(false); // no old driver running
    PrepareSetup();
}

std::u16string UNINSTALL_MACHINE::NativeSystem() const {
    return sim.Situation() == SIM_SITUATION::Wow64 ? u"C:\\Windows\\Sysnative\\" : u"C:\\Windows\\System32\\";
}

// The setup's source folder as the build lays it out, its payloads as resources, the service program's
// registration run, and the wizard's configuration record.
void UNINSTALL_MACHINE::PrepareSetup() {
    CSimFileSystem& files = sim.Files();
    files.PutFile(SetupFolder + u"AudioConfig.cfg", Read(Assets / "AudioConfig.cfg"));
    files.PutFile(SetupFolder + u"Tonvel.ico", Read(Assets / "Tonvel.ico"));
    for (const char* tree : {"Skin", "Language", "Manual"})
        CopyTree(files, Assets / tree, SetupFolder + fs::path(tree).u16string() + u"\\");
    const std::pair<uint16_t, const char16_t*> payloads[] = {
        {DriverPayload32, u"DRIVER"},   {DriverPayload64, u"DRIVER"}, {ServicePayload32, u"SERVICE"},
        {ServicePayload64, u"SERVICE"}, {AppPayload, u"APP"},         {UninstallPayload, u"UNINSTALL"},
        {UpdatePayload, u"WINDOWPATCH"}};
    for (const auto& [id, type] : payloads)
        sim.Resources().AddResource(id, type, std::vector<uint8_t>{'p', static_cast<uint8_t>(id)});
    LoadApplicationConfig(sim.platform(), CONFIG_PROGRAM::Setup, u"AudioConfig.cfg",
                          SetupFolder + u"TonvelSetup.exe", setup);
    setupUsb.Load(files, SetupFolder + u"AudioConfig.cfg", u"USB_VID_PID");
    setupHid.Load(files, SetupFolder + u"AudioConfig.cfg", u"HID_VID_PID");
    sim.Processes().AddProgram(
        setup.NativeSystemFolder + ServiceProgramFileName, 3000, 0,
        [this](const std::u16string&) { AddService(sim.Services(), u"Castorel", ServiceStateStopped); });
}

void UNINSTALL_MACHINE::Install() {
    // The wizard writes the device-ID groups when it is first shown, then runs the install sequence.
    SaveDeviceGroups();
    RunInstallSequence(DefaultInstallSteps());
}

void UNINSTALL_MACHINE::SaveDeviceGroups() {
    setupUsb.SaveToRegistry(sim.Registry(), UsbGroupName);
    setupHid.SaveToRegistry(sim.Registry(), HidGroupName);
}

void UNINSTALL_MACHINE::RunInstallSequence(INSTALL_STEPS steps) {
    const std::u16string uninstaller = UninstallProgramPath(setup);
    const _REG_UNINSTALL_INFO uninstall{
        UninstallKeyPath, setup.UninstallDisplayName, uninstaller, uninstaller, u"1.0.0.0", setup.Publisher};
    const INSTALL_WARNINGS warnings;
    INSTALL_CONTEXT context{sim.platform(), setup, uninstall, setupUsb, setupHid, warnings};
    context.Wow64 = sim.Situation() == SIM_SITUATION::Wow64;
    context.windows64 = IsWindows64(sim.Situation());
    installResult = CInstallSequence(context, std::move(steps)).Run();
}

int32_t UNINSTALL_MACHINE::Uninstall(bool keepUserSettings) {
    folders = {};
    usb.Clear();
    list.clear();
    if (!LoadInstalledConfiguration(sim.platform(), Installed(u"TonvelUninstall.exe"), folders, usb))
        return UninstallNoConfiguration;
    UNINSTALL_CONTEXT context{sim.platform(), folders, usb};
    context.Options.KeepUserSettings = keepUserSettings;
    context.Options.ParkingFolder = TempFolder();
    context.Wow64 = sim.Situation() == SIM_SITUATION::Wow64;
    return RunUninstall(context, list);
}

const UNINSTALL_ITEM* UNINSTALL_MACHINE::Item(const std::u16string& target) const {
    for (const auto& item : list)
        if (item.Target == target) return &item;
    return nullptr;
}

} // namespace tonvel::sim
