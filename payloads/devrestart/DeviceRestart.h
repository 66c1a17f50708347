// Restarts one device through its class installer: disabled, then enabled again in the current hardware
// profile, as Device Manager does.
#pragma once

namespace devrestart {

enum class ERestartResult {
    Restarted,   // disabled and enabled again; nothing left for Windows to do
    NotFound,    // the ID names no device: nothing to restart
    NeedsReboot, // a step failed or the class installer asks for a restart of Windows
};

ERestartResult RestartDevice(const wchar_t* deviceInstanceId);

} // namespace devrestart
