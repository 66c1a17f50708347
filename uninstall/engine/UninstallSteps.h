#pragma once
// The removal steps, in the order the uninstaller runs them; each appends what it took back (or could not)
// to the list.

// The names and places the setup writes to.
#include "installation/InstallationNames.h"
#include "installation/InstallationPaths.h"
#include "uninstall/engine/UninstallContext.h"

namespace tonvel {

class IRegistry;

// A key under HKEY_LOCAL_MACHINE with everything below it, in the program's own registry view.
UNINSTALL_ITEM RemoveRegistryKey(IRegistry& registry, const std::u16string& keyPath);
// A registry call's outcome on its item: not there, or failed with the error.
void TakeRegistryStatus(UNINSTALL_ITEM& item, int32_t status);

// The exit broadcast to running control panels, then a bounded wait for their processes to end.
void ClosePanel(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);
// The helper service stopped and deleted, and its program file.
void RemoveHelperService(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);
// The filter detached from the matching devices (restarted), the driver's services key and its file.
void RemoveFilterDriver(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);
// The Run value and the device-ID group keys.
void RemoveRegistration(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);
// The Start-menu shortcuts and their folder.
void RemoveShortcuts(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);
// The shipped files of the install folder (but the uninstaller and its configuration), then the folders
// below it when they are empty.
void RemoveInstalledFiles(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);
// The per-user folder (configuration and profiles), kept or removed as the user chose.
void RemoveUserData(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);
// The Windows update package file the setup wrote into the system folder.
void RemoveUpdatePackage(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);
// Last, and only when nothing else stays (what goes at the next restart counts as gone): the uninstaller,
// its configuration, the install folder and then the Uninstall entry. Otherwise they all stay, so that the
// removal can be run again from the entry.
void RemoveUninstallEntry(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);

} // namespace tonvel
