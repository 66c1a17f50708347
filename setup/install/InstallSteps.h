#pragma once
// The numbered install steps and the device handling around them. Each returns 0 or its own result code
// (0x8000SSNN: step SS, reason NN); steps 5 and 6 always succeed. The steps post their own progress.

#include "installation/InstallationNames.h"
#include "setup/install/InstallContext.h"

#include <cstdint>
#include <string_view>

namespace tonvel {

inline constexpr int32_t InstallOk = 0;

constexpr int32_t StepResult(uint32_t code) {
    return static_cast<int32_t>(code);
}
inline constexpr int32_t DriverKeyFailed = StepResult(0x80000101);
inline constexpr int32_t DriverPayloadMissing = StepResult(0x80000102);
inline constexpr int32_t DriverFileFailed = StepResult(0x80000103);
inline constexpr int32_t ServicePayloadMissing = StepResult(0x80000201);
inline constexpr int32_t ServiceFileFailed = StepResult(0x80000202);
inline constexpr int32_t ServiceRegistrationTimedOut = StepResult(0x80000203);
inline constexpr int32_t ServiceStartFailed = StepResult(0x80000204);        // the registration run
inline constexpr int32_t ServiceRegistrationFailed = StepResult(0x80000205); // it ended with another code
inline constexpr int32_t ServiceNotStarted = StepResult(0x80000206);         // the service did not start
inline constexpr int32_t AppPayloadMissing = StepResult(0x80000301);
inline constexpr int32_t AppFileFailed = StepResult(0x80000302);
inline constexpr int32_t RunValueFailed = StepResult(0x80000303);
inline constexpr int32_t UninstallPayloadMissing = StepResult(0x80000401);
inline constexpr int32_t UninstallFileFailed = StepResult(0x80000402);
inline constexpr int32_t UpdateStartFailed = StepResult(0x80000601);

// Step 1: the driver's service key and file (0x800001NN).
int32_t Install_FilterDriver(const INSTALL_CONTEXT& context);
// Step 2: the service program's file, its registration run and its start (0x800002NN).
int32_t Install_Service(const INSTALL_CONTEXT& context);
// Step 3: the control panel's file, its Run value and program shortcut (0x800003NN).
int32_t Install_App(const INSTALL_CONTEXT& context);
// Step 4: the uninstaller's file, its shortcut and the Uninstall key (0x800004NN).
int32_t Install_Uninstall(const INSTALL_CONTEXT& context);
// Step 5: skins, languages, configuration copies, icon and the update package file.
int32_t Install_Config(const INSTALL_CONTEXT& context);
// Step 6: the user manual and its shortcut.
int32_t Install_Manual(const INSTALL_CONTEXT& context);
// Step 8: the Windows update KB3033929 where it is needed (0x80000601).
int32_t Install_KB3033929(const INSTALL_CONTEXT& context);

// The "Pelix" upper filter removed from every device of the USB group, which are then restarted.
void DetachFilterAndRestart(const INSTALL_CONTEXT& context);
// Every device of the USB group restarted: 0 after a full pass, 1 when the device list cannot be had.
int32_t RestartMatchingDevices(const INSTALL_CONTEXT& context);

} // namespace tonvel
