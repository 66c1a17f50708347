#pragma once
// The installation as one table, in the way an installer database pairs each action with its removal:
// every item the setup writes, the install step that writes it and the uninstaller's step that takes it
// back. An item's names are composed with the functions the steps themselves use (InstallationPaths.h,
// ShippedFiles.h), so a name lives in one place for both programs.

#include "foundation/config/ApplicationFolderPath.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tonvel {

// The setup's steps that write something, in their order.
enum class INSTALL_STEP : int32_t {
    DeviceGroups, // the wizard, when it is first shown
    FilterDriver, // step 1
    Service,      // step 2
    App,          // step 3
    Uninstall,    // step 4
    Config,       // step 5
    Manual,       // step 6
};

// The uninstaller's steps, in their order.
enum class REMOVAL_STEP : int32_t {
    ClosePanel,
    HelperService,
    FilterDriver,
    Registration,
    Shortcuts,
    InstalledFiles,
    UserData,
    UpdatePackage,
    UninstallEntry, // last, with the uninstaller, its configuration and the install folder
};

enum class INSTALLED_KIND : int32_t {
    RegistryKey,   // a key under HKEY_LOCAL_MACHINE, in the programs' own registry view
    RegistryValue, // a value of such a key
    Service,       // a service by its name
    File,
    Folder,
};

struct INSTALLED_NAME {
    INSTALLED_KIND Kind = INSTALLED_KIND::File;
    std::u16string Path;  // the key's path, the file's or folder's path, or the service's name
    std::u16string Value; // the value's name (RegistryValue)
};
using INSTALLED_NAMES = std::vector<INSTALLED_NAME>;

// Where this machine keeps an installation: the configuration record, the all-users Start-menu programs
// folder, the user's application-data folder and the language chosen at install.
struct INSTALLATION_PLACES {
    const _APPLICATION_FOLDER_PATH& folders;
    std::u16string programs;
    std::u16string appData;
    std::u16string language;
};

struct INSTALLATION_ENTRY {
    const char* What;
    INSTALL_STEP WrittenBy;
    REMOVAL_STEP RemovedBy;
    INSTALLED_NAMES (*Names)(const INSTALLATION_PLACES& places);
};

// Every item of an installation, in the order the setup writes them.
std::span<const INSTALLATION_ENTRY> InstallationTable();

} // namespace tonvel
