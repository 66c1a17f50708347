#include "uninstall/engine/tests/UninstallFixture.h"

#include "setup/install/RegUninstallInfo.h"
#include "uninstall/engine/UninstallSteps.h"
#include "uninstall/engine/Uninstaller.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tonvel::sim {

namespace {

namespace fs = std::filesystem;

const fs::path kAssets = TONVEL_ASSETS_DIR;

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

void AddService(CSimServices& services, const std::u16string& name) {
    SIM_SERVICE service;
    service.Name = name;
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
}

std::u16string UNINSTALL_MACHINE::NativeSystem() const {
    return sim.Situation() == SIM_SITUATION::Wow64 ? u"C:\\Windows\\Sysnative\\" : u"C:\\Windows\\System32\\";
}

void UNINSTALL_MACHINE::Install() {
    CSimFileSystem& files = sim.Files();
    IRegistry& registry = sim.Registry();
    // Before step 1: the device-ID groups.
    SetString(registry, UsbGroupKeyPath, u"1", u"USB\\VID_7F1C&PID_72XX&REV_0100&MI_03,token");
    SetString(registry, HidGroupKeyPath, u"1", u"HID\\VID_7F1C&PID_72XX&REV_0100&MI_03,token");
    // Step 1: the driver.
    RegKey key = 0;
    registry.CreateKey(RegLocalMachine, DriverServiceKeyPath, RegAllAccess, key);
    registry.SetDword(key, u"ErrorControl", 1);
    registry.SetDword(key, u"Start", 3);
    registry.SetDword(key, u"Type", 1);
    registry.SetString(key, u"ImagePath", u"System32\\DRIVERS\\Pelix.sys", RegTypeExpandSz);
    registry.CloseKey(key);
    files.PutFile(NativeSystem() + u"drivers\\Pelix.sys", "driver");
    // Step 2: the service program, registered by itself, running.
    files.PutFile(NativeSystem() + u"Castorel.exe", "service");
    AddService(sim.Services(), u"Castorel");
    // Steps 3 to 6: the program files, configuration, skins, languages, manual, icon.
    files.PutFile(Installed(u"Tonvel.exe"), "panel");
    files.PutFile(Installed(u"TonvelUninstall.exe"), "uninstaller");
    files.PutFile(Installed(u"Tonvel.ico"), Read(kAssets / "Tonvel.ico"));
    const std::string config = Read(kAssets / "AudioConfig.cfg");
    files.PutFile(Installed(u"AudioConfig.cfg"), config);
    files.PutFile(UserFolder() + u"\\AudioConfig.cfg", config);
    CopyTree(files, kAssets / "Skin", Installed(u"Skin\\"));
    CopyTree(files, kAssets / "Language", Installed(u"Language\\"));
    CopyTree(files, kAssets / "Manual" / "English", Installed(u"Manual\\English\\"));
    const std::u16string windowsSystem =
        IsWindows64(sim.Situation()) ? u"C:\\Windows\\SysWOW64\\" : u"C:\\Windows\\System32\\";
    files.PutFile(windowsSystem + UpdatePackageFileName, "update");
    // Registration.
    SetString(registry, RunKeyPath, u"Tonvel", u"\"" + Installed(u"Tonvel.exe") + u"\"");
    for (const auto& [name, value] :
         {std::pair<std::u16string, std::u16string>{u"DisplayName", u"Tonvel 7.1 Audio"},
          {u"UninstallString", u"\"" + Installed(u"TonvelUninstall.exe") + u"\""},
          {u"DisplayIcon", Installed(u"TonvelUninstall.exe")},
          {u"DisplayVersion", u"1.0.0.0"},
          {u"Publisher", u"Tonvel Audio"}})
        SetString(registry, UninstallKeyPath, name, value);
    const std::u16string links =
        u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Tonvel 7.1 Audio\\";
    for (const auto* name : {u"Tonvel Control Panel", u"Uninstall Tonvel", u"Tonvel User Manual"})
        files.PutFile(links + name + u".lnk", "link");
}

int32_t UNINSTALL_MACHINE::Uninstall(bool keepUserSettings) {
    folders = {};
    usb.Clear();
    list.clear();
    if (!LoadInstalledConfiguration(sim.platform(), Installed(u"TonvelUninstall.exe"), folders, usb))
        return UninstallNoConfiguration;
    UNINSTALL_CONTEXT context{sim.platform(), folders, usb};
    context.options.KeepUserSettings = keepUserSettings;
    context.options.ParkingFolder = TempFolder();
    context.wow64 = sim.Situation() == SIM_SITUATION::Wow64;
    return RunUninstall(context, list);
}

const UNINSTALL_ITEM* UNINSTALL_MACHINE::Item(const std::u16string& target) const {
    for (const auto& item : list)
        if (item.Target == target) return &item;
    return nullptr;
}

} // namespace tonvel::sim
