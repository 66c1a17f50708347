#include "installation/InstallationTable.h"

#include "foundation/devid/DeviceIdMgr.h"
#include "installation/InstallationNames.h"
#include "installation/InstallationPaths.h"
#include "installation/ShippedFiles.h"

namespace tonvel {

namespace {

INSTALLED_NAME Key(std::u16string path) {
    return {INSTALLED_KIND::RegistryKey, std::move(path), {}};
}

INSTALLED_NAME Value(std::u16string key, std::u16string name) {
    return {INSTALLED_KIND::RegistryValue, std::move(key), std::move(name)};
}

INSTALLED_NAME File(std::u16string path) {
    return {INSTALLED_KIND::File, std::move(path), {}};
}

INSTALLED_NAME Folder(std::u16string path) {
    while (!path.empty() && path.back() == u'\\')
        path.pop_back();
    return {INSTALLED_KIND::Folder, std::move(path), {}};
}

// The shipped files of one root (of the manual only those of the chosen language) and the folders that
// hold them, below the install folder.
INSTALLED_NAMES Shipped(const INSTALLATION_PLACES& places, SHIPPED_ROOT root) {
    const std::u16string languagePrefix = places.language + u"\\";
    std::vector<std::u16string> folders;
    INSTALLED_NAMES names;
    for (const SHIPPED_FILE& shipped : ShippedFiles()) {
        if (shipped.Root != root) continue;
        if (root == SHIPPED_ROOT::Manual && std::u16string(shipped.Path).rfind(languagePrefix, 0) != 0)
            continue;
        const std::u16string path = ShippedFilePath(places.folders, shipped);
        if (path.empty()) continue;
        names.push_back(File(path));
        AddHoldingFolders(places.folders.InstallFolderFullPath, path, folders);
    }
    for (const std::u16string& folder : folders)
        names.push_back(Folder(folder));
    return names;
}

INSTALLED_NAMES DriverKey(const INSTALLATION_PLACES&) {
    const std::u16string key = DriverServiceKeyPath(FilterDriverName);
    return {Key(key), Value(key, DriverErrorControlValue), Value(key, DriverStartValue),
            Value(key, DriverTypeValue), Value(key, DriverImagePathValue)};
}

INSTALLED_NAMES UninstallEntry(const INSTALLATION_PLACES&) {
    return {Key(UninstallKeyPath),
            Value(UninstallKeyPath, DisplayNameValue),
            Value(UninstallKeyPath, UninstallStringValue),
            Value(UninstallKeyPath, DisplayIconValue),
            Value(UninstallKeyPath, DisplayVersionValue),
            Value(UninstallKeyPath, PublisherValue)};
}

constexpr INSTALLATION_ENTRY InstallationEntries[] = {
    {"device-ID groups' keys", INSTALL_STEP::DeviceGroups, REMOVAL_STEP::Registration,
     [](const INSTALLATION_PLACES&) -> INSTALLED_NAMES {
         return {Key(DeviceIdGroupKeyPath(UsbGroupName)), Key(DeviceIdGroupKeyPath(HidGroupName))};
     }},
    {"filter driver's service key", INSTALL_STEP::FilterDriver, REMOVAL_STEP::FilterDriver, DriverKey},
    {"filter driver's file", INSTALL_STEP::FilterDriver, REMOVAL_STEP::FilterDriver,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES { return {File(DriverFilePath(p.folders))}; }},
    {"helper service", INSTALL_STEP::Service, REMOVAL_STEP::HelperService,
     [](const INSTALLATION_PLACES&) -> INSTALLED_NAMES {
         return {{INSTALLED_KIND::Service, HelperServiceName, {}}};
     }},
    {"helper service's program", INSTALL_STEP::Service, REMOVAL_STEP::HelperService,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES { return {File(ServiceProgramPath(p.folders))}; }},
    {"install folder", INSTALL_STEP::App, REMOVAL_STEP::UninstallEntry,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES {
         return {Folder(p.folders.InstallFolderFullPath)};
     }},
    {"control panel", INSTALL_STEP::App, REMOVAL_STEP::InstalledFiles,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES { return {File(PanelProgramPath(p.folders))}; }},
    {"control panel's Run value", INSTALL_STEP::App, REMOVAL_STEP::Registration,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES {
         return {Value(RunKeyPath, p.folders.APPFileName)};
     }},
    {"Start-menu folder and the control panel's shortcut", INSTALL_STEP::App, REMOVAL_STEP::Shortcuts,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES {
         return {Folder(ShortcutFolderPath(p.programs, p.folders)),
                 File(ShortcutPath(p.programs, p.folders, p.folders.AppShortcutName))};
     }},
    {"uninstaller", INSTALL_STEP::Uninstall, REMOVAL_STEP::UninstallEntry,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES { return {File(UninstallProgramPath(p.folders))}; }},
    {"uninstaller's shortcut", INSTALL_STEP::Uninstall, REMOVAL_STEP::Shortcuts,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES {
         return {File(ShortcutPath(p.programs, p.folders, p.folders.UninstallShortcutName))};
     }},
    {"Uninstall entry", INSTALL_STEP::Uninstall, REMOVAL_STEP::UninstallEntry, UninstallEntry},
    {"skins", INSTALL_STEP::Config, REMOVAL_STEP::InstalledFiles,
     [](const INSTALLATION_PLACES& p) { return Shipped(p, SHIPPED_ROOT::Skin); }},
    {"languages", INSTALL_STEP::Config, REMOVAL_STEP::InstalledFiles,
     [](const INSTALLATION_PLACES& p) { return Shipped(p, SHIPPED_ROOT::Language); }},
    {"configuration", INSTALL_STEP::Config, REMOVAL_STEP::UninstallEntry,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES { return {File(InstalledConfigPath(p.folders))}; }},
    {"icon", INSTALL_STEP::Config, REMOVAL_STEP::InstalledFiles,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES { return {File(InstalledIconPath(p.folders))}; }},
    {"per-user folder and its configuration", INSTALL_STEP::Config, REMOVAL_STEP::UserData,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES {
         return {Folder(UserFolderPath(p.appData, p.folders)), File(UserConfigPath(p.appData, p.folders))};
     }},
    {"Windows update package", INSTALL_STEP::Config, REMOVAL_STEP::UpdatePackage,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES { return {File(UpdatePackagePath(p.folders))}; }},
    {"user manual", INSTALL_STEP::Manual, REMOVAL_STEP::InstalledFiles,
     [](const INSTALLATION_PLACES& p) { return Shipped(p, SHIPPED_ROOT::Manual); }},
    {"user manual's shortcut", INSTALL_STEP::Manual, REMOVAL_STEP::Shortcuts,
     [](const INSTALLATION_PLACES& p) -> INSTALLED_NAMES {
         return {File(ShortcutPath(p.programs, p.folders, p.folders.UserManualShortcutName))};
     }},
};

} // namespace

std::span<const INSTALLATION_ENTRY> InstallationTable() {
    return InstallationEntries;
}

} // namespace tonvel
