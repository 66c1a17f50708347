#pragma once
// Where an installation's items lie, composed from the configuration record and the fixed names: the
// setup writes to exactly these paths and keys, and the uninstaller removes exactly these.

#include "foundation/config/ApplicationFolderPath.h"

#include <string>
#include <string_view>

namespace tonvel {

// A folder path with exactly one trailing backslash.
std::u16string WithBackslash(std::u16string folder);

// The driver's kernel-service key under HKEY_LOCAL_MACHINE, and its ImagePath value.
std::u16string DriverServiceKeyPath(std::u16string_view serviceName);
std::u16string DriverImagePath(std::u16string_view serviceName);
// NativeSystemFolder + "drivers\Pelix.sys".
std::u16string DriverFilePath(const _APPLICATION_FOLDER_PATH& folders);
// NativeSystemFolder + "Castorel.exe".
std::u16string ServiceProgramPath(const _APPLICATION_FOLDER_PATH& folders);
// A device-ID group's key under HKEY_LOCAL_MACHINE.
std::u16string DeviceIdGroupKeyPath(std::u16string_view groupName);

// The install folder's programs and files.
std::u16string PanelProgramPath(const _APPLICATION_FOLDER_PATH& folders);
std::u16string UninstallProgramPath(const _APPLICATION_FOLDER_PATH& folders);
std::u16string InstalledConfigPath(const _APPLICATION_FOLDER_PATH& folders);
std::u16string InstalledIconPath(const _APPLICATION_FOLDER_PATH& folders);
// The manual's folder in the install folder, with its trailing backslash.
std::u16string InstalledManualFolder(const _APPLICATION_FOLDER_PATH& folders);
// SystemFolder (of the setup's bitness) + the update package's name.
std::u16string UpdatePackagePath(const _APPLICATION_FOLDER_PATH& folders);

// The Start-menu folder below the all-users programs folder, and a shortcut in it.
std::u16string ShortcutFolderPath(const std::u16string& programs, const _APPLICATION_FOLDER_PATH& folders);
std::u16string ShortcutPath(const std::u16string& programs, const _APPLICATION_FOLDER_PATH& folders,
                            const std::u16string& shortcutName);
// The per-user folder below the user's application-data folder, and the configuration's copy in it.
std::u16string UserFolderPath(const std::u16string& appData, const _APPLICATION_FOLDER_PATH& folders);
std::u16string UserConfigPath(const std::u16string& appData, const _APPLICATION_FOLDER_PATH& folders);

} // namespace tonvel
