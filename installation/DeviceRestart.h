#pragma once
// Restarting the product's devices (disable, then enable) so that their filter drivers are reloaded. A
// 32-bit process on 64-bit Windows cannot call the class installer (ERROR_IN_WOW64): there the devices
// are found here and restarted by the native helper program the setup carries.

#include "platform/api/DeviceInstall.h"
#include "platform/api/Platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tonvel {

class CDeviceIdMgr;

// The helper program: resource "DEVRESTART" 111, run from a folder of its own under %TEMP% with the
// device instance IDs as its arguments.
inline constexpr char16_t DeviceRestartResourceType[] = u"DEVRESTART";
inline constexpr uint16_t DeviceRestartResourceId = 111;
inline constexpr char16_t DeviceRestartFileName[] = u"TonvelDeviceRestart.exe";
inline constexpr char16_t DeviceRestartFolderPrefix[] = u"TonvelRestart";
inline constexpr char16_t TempVariable[] = u"TEMP";
inline constexpr uint32_t DeviceRestartWaitMs = 60000;
inline constexpr size_t FilePathUnits = 260;      // MAX_PATH, with the terminator
inline constexpr size_t CommandLineUnits = 32767; // CreateProcessW's limit, with the terminator

// The helper's exit codes, and what the setup makes of a helper that could not be run.
inline constexpr int32_t HelperRestarted = 0;
inline constexpr int32_t HelperNeedsReboot = 1;
inline constexpr int32_t HelperBadCommandLine = 2;
inline constexpr int32_t HelperNotRun = 3;   // no payload, no temporary file, or it did not start
inline constexpr int32_t HelperTimedOut = 4; // still running after DeviceRestartWaitMs

// Disables the device and, when that worked, enables it again. True when both worked and Windows asks for
// no restart.
bool RestartDevice(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device);

// The helper's command line: the program path quoted, then each ID, quoted when it holds a space.
std::u16string DeviceRestartCommandLine(const std::u16string& program,
                                        const std::vector<std::u16string>& ids);
// Writes the helper to a new folder under %TEMP%, runs it for these devices, waits at most
// DeviceRestartWaitMs, and deletes the file and its folder. The helper's exit code or HelperNotRun /
// HelperTimedOut.
int32_t RunDeviceRestartHelper(const Platform& platform, const std::vector<std::u16string>& instanceIds);

// The product's devices as the setup and the uninstaller handle them: the USB group that names them, and
// whether the program runs under WOW64 (then the helper restarts them).
struct MATCHING_DEVICES {
    const Platform& platform;
    const CDeviceIdMgr& usbGroup;
    bool wow64 = false;
};

// Every present device of the USB group restarted: 0 after a full pass, 1 when the device list cannot be
// had. `restartNeeded` is set when a device can be restarted only with Windows.
int32_t RestartMatchingDevices(const MATCHING_DEVICES& devices, bool& restartNeeded);
// The "Pelix" upper filter removed from every device of the USB group, which are then restarted. The
// result of the filter pass (DevicePassDone, DeviceListUnavailable, DeviceFilterNotWritten).
int32_t DetachFilterAndRestart(const MATCHING_DEVICES& devices, bool& restartNeeded);

} // namespace tonvel
