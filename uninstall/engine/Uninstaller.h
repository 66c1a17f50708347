#pragma once
// The whole removal: the administrator check, then the steps in their order with their progress. The result
// is the program's exit code: 0 when everything is gone (kept user settings count as gone), 3010 when the
// rest goes at the next restart of Windows, 1 when something stays (the list tells what and why), 740
// without administrator rights and 2 without the installed configuration (nothing touched in these two).

#include "installation/InstallationTable.h"
#include "uninstall/engine/UninstallContext.h"

#include <cstdint>
#include <span>

namespace tonvel {

inline constexpr int32_t UninstallDone = 0;
inline constexpr int32_t UninstallIncomplete = 1;
inline constexpr int32_t UninstallNoConfiguration = 2;    // ERROR_FILE_NOT_FOUND
inline constexpr int32_t UninstallNotAdministrator = 740; // ERROR_ELEVATION_REQUIRED
inline constexpr int32_t UninstallCancelled = 1602;       // ERROR_INSTALL_USEREXIT
inline constexpr int32_t UninstallAlreadyRunning = 1618;  // ERROR_INSTALL_ALREADY_RUNNING
inline constexpr int32_t UninstallRestartNeeded = 3010;   // ERROR_SUCCESS_REBOOT_REQUIRED

using UNINSTALL_STEP = void (*)(const UNINSTALL_CONTEXT&, UNINSTALL_LIST&);

// The removal steps in their order, each with its place in the installation table and the progress posted
// after it.
struct REMOVAL_STEP_ENTRY {
    REMOVAL_STEP Step;
    UNINSTALL_STEP Run;
    int32_t Progress;
};
std::span<const REMOVAL_STEP_ENTRY> RemovalSteps();

// The names the setup used, from the AudioConfig.cfg beside the installed uninstaller, and the USB
// device-ID group of that file. False when the file does not give the install folder and program names.
bool LoadInstalledConfiguration(const Platform& platform, const std::u16string& installedProgram,
                                _APPLICATION_FOLDER_PATH& folders, CDeviceIdMgr& usbGroup);

// Whether this process may remove what the setup wrote (it runs with administrator rights).
bool MayUninstall(const Platform& platform);

// Runs every step; `list` receives every item in step order. A control panel that does not end stops the
// removal before anything is removed. Returns the exit code.
int32_t RunUninstall(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list);

// The exit code that a finished list gives.
int32_t UninstallResultOf(const UNINSTALL_LIST& list);

} // namespace tonvel
