#pragma once
// The six strings of the product's Uninstall entry, filled when the wizard is created and written by
// install step 4 (the key and the value names are in InstallationNames.h).

#include <string>

namespace tonvel {

struct _REG_UNINSTALL_INFO {
    std::u16string KeyPath;         // under HKEY_LOCAL_MACHINE
    std::u16string DisplayName;     // "DisplayName"
    std::u16string UninstallString; // "UninstallString"
    std::u16string DisplayIcon;     // "DisplayIcon"
    std::u16string DisplayVersion;  // "DisplayVersion": the setup program's file version
    std::u16string Publisher;       // "Publisher"
};

} // namespace tonvel
