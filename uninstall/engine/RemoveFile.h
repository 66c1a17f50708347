#pragma once
// Removing one file or folder the setup wrote. A file that is missing counts as removed (NotPresent); a file
// in use (a running program, a loaded driver) is deleted when Windows restarts: when it lies in a folder
// that should go, it is first moved into the parking folder so that the folder can be removed now.

#include "installation/InstallationPaths.h"
#include "uninstall/engine/UninstallContext.h"

#include <string>

namespace tonvel {

inline constexpr int32_t FileSharingViolation = 32; // ERROR_SHARING_VIOLATION

enum class IN_USE_FILE : int32_t {
    DeleteInPlace, // registered for deletion at the next restart where it is
    MoveAway,      // moved into the parking folder first, so that its folder can go
};

UNINSTALL_ITEM RemoveInstalledFile(const UNINSTALL_CONTEXT& context, const std::u16string& path,
                                   IN_USE_FILE inUse);

// Removes a folder when it is empty. One that still holds entries stays and names them (ForeignFiles),
// unless each of them goes at the next restart (an item of `done` removed at restart): then the folder is
// registered for deletion at the next restart after them.
UNINSTALL_ITEM RemoveInstalledFolder(const UNINSTALL_CONTEXT& context, const std::u16string& folder,
                                     const UNINSTALL_LIST& done);

} // namespace tonvel
