#pragma once
// What the removal steps read: the platform, the installed configuration (the names the setup used), the
// device-ID group of the supported hardware, the user's choices and the ways to report progress.

#include "foundation/config/ApplicationFolderPath.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "platform/api/Platform.h"
#include "uninstall/engine/UninstallItem.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tonvel {

struct UNINSTALL_OPTIONS {
    bool KeepUserSettings = true;
    // The uninstaller's own file in the install folder when this run is its temporary copy (empty
    // otherwise): it is removed with the other files; in use, it is moved out of the way.
    std::u16string OriginalProgram;
    // Where a file in use is moved so that its folder can go (the temporary folder); empty: files in use
    // are deleted in place at the next restart.
    std::u16string ParkingFolder;
};

struct UNINSTALL_CONTEXT {
    const Platform& Plat;
    const _APPLICATION_FOLDER_PATH& Folders;
    const CDeviceIdMgr& UsbGroup;
    UNINSTALL_OPTIONS Options = {};
    std::function<void(int32_t percent)> OnProgress = {};
    bool Wow64 = false;

    void Progress(int32_t percent) const {
        if (OnProgress) OnProgress(percent);
    }
};

} // namespace tonvel
