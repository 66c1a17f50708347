#pragma once
// The helper service through the service control manager: start it and wait until it runs, stop it and
// wait until it has stopped, or send it a control code.

#include "installation/InstallationNames.h"
#include "platform/api/Platform.h"

#include <cstdint>
#include <string_view>

namespace tonvel {

inline constexpr int32_t ServiceStartRequest = 0; // other codes than these two are sent as control codes
inline constexpr int32_t ServiceStopRequest = 1;
inline constexpr int32_t ServiceResetControl = 128;

// Results.
inline constexpr int32_t ServiceDone = 0;
inline constexpr int32_t ServiceManagerNotOpened = 1;
inline constexpr int32_t ServiceNotOpened = 2;
inline constexpr int32_t ServiceStatusUnreadable = 3;
inline constexpr int32_t ServiceStopRefused = 4;
inline constexpr int32_t ServiceNotStopped = 5;
inline constexpr int32_t ServiceStartRefused = 6;
inline constexpr int32_t ServiceNotRunning = 7;

// The status is polled up to 30 times, 300 ms apart, after a stop or a start.
inline constexpr uint32_t ServicePolls = 30;
inline constexpr uint32_t ServicePollMs = 300;

// Starts (and waits until it runs), stops (and waits until it has stopped) or sends a control code to the
// named service. A service that is not installed fails at once (2).
int32_t ControlServiceByName(const Platform& platform, std::u16string_view serviceName, int32_t request);

} // namespace tonvel
