#include "installation/InstallationPaths.h"

#include "foundation/config/ProductNames.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "foundation/helpers/Shortcut.h"
#include "installation/InstallationNames.h"

namespace tonvel {

std::u16string WithBackslash(std::u16string folder) {
    while (!folder.empty() && folder.back() == u'\\')
        folder.pop_back();
    return folder + u'\\';
}

std::u16string DriverServiceKeyPath(std::u16string_view serviceName) {
    return DriverServicesKey + std::u16string(serviceName);
}

std::u16string DriverImagePath(std::u16string_view serviceName) {
    return DriverImageFolder + std::u16string(serviceName) + DriverFileExtension;
}

std::u16string DriverFilePath(const _APPLICATION_FOLDER_PATH& folders) {
    return folders.NativeSystemFolder + DriversFolder + FilterDriverName + DriverFileExtension;
}

std::u16string ServiceProgramPath(const _APPLICATION_FOLDER_PATH& folders) {
    return folders.NativeSystemFolder + ServiceProgramFileName;
}

std::u16string DeviceIdGroupKeyPath(std::u16string_view groupName) {
    return DeviceIdGroupKeyRoot + std::u16string(groupName);
}

std::u16string PanelProgramPath(const _APPLICATION_FOLDER_PATH& folders) {
    return folders.InstallFolderFullPath + folders.APPFileName + ExeSuffix;
}

std::u16string UninstallProgramPath(const _APPLICATION_FOLDER_PATH& folders) {
    return folders.InstallFolderFullPath + folders.UninstallFileName + ExeSuffix;
}

std::u16string InstalledConfigPath(const _APPLICATION_FOLDER_PATH& folders) {
    return folders.InstallFolderFullPath + ConfigFileName;
}

std::u16string InstalledIconPath(const _APPLICATION_FOLDER_PATH& folders) {
    return folders.InstallFolderFullPath + folders.InstallIconFileName;
}

std::u16string InstalledManualFolder(const _APPLICATION_FOLDER_PATH& folders) {
    return folders.InstallFolderFullPath + ManualFolderName + u'\\';
}

std::u16string UpdatePackagePath(const _APPLICATION_FOLDER_PATH& folders) {
    return folders.SystemFolder + UpdatePackageFileName;
}

std::u16string ShortcutFolderPath(const std::u16string& programs, const _APPLICATION_FOLDER_PATH& folders) {
    return WithBackslash(programs) + folders.ShortcutFolderName;
}

std::u16string ShortcutPath(const std::u16string& programs, const _APPLICATION_FOLDER_PATH& folders,
                            const std::u16string& shortcutName) {
    return WithBackslash(ShortcutFolderPath(programs, folders)) + shortcutName + LinkSuffix;
}

std::u16string UserFolderPath(const std::u16string& appData, const _APPLICATION_FOLDER_PATH& folders) {
    return WithBackslash(appData) + folders.InstallFolderName;
}

std::u16string UserConfigPath(const std::u16string& appData, const _APPLICATION_FOLDER_PATH& folders) {
    return UserFolderPath(appData, folders) + u'\\' + ConfigFileName;
}

} // namespace tonvel
