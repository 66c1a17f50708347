// Castorel.exe started by the service control manager: runs as the service "Castorel" until it is told to
// stop or Windows shuts down.
#pragma once

#include <cstdint>

namespace castorel {

// Sent by the setup before it replaces the driver: the service lets go of the audio devices.
inline constexpr uint32_t ControlReleaseDevices = 128;
// Sent by the control panel after it switched the headset's LED: the Windows audio service is restarted.
inline constexpr uint32_t ControlRestartAudio = 129;

// Exit code when the program was not started by the service control manager.
inline constexpr int32_t NotStartedAsService = 10;

// Connects to the service control manager and runs the service; 0 after a clean stop.
int32_t RunService();

} // namespace castorel
