#pragma once
// The restart of the system's audio service "audiosrv".

#include "platform/api/Services.h"

#include <cstdint>

namespace tonvel {

inline constexpr char16_t AudioServiceName[] = u"audiosrv";
inline constexpr uint32_t ServiceStopPolls = 1000;
inline constexpr uint32_t ServiceStopPollMs = 100;

enum AUDIO_SERVICE_RESULT : int32_t {
    AudioServiceRestarted = 0,   // restarted, or started when it was not running
    AudioServiceStopRefused = 1, // also: the manager or the service could not be opened with full access
    AudioServiceStopTimedOut = 2,
    AudioServiceStartFailed = 3,
};

// Stops the service when it runs (waiting up to 1000 polls 100 ms apart for it to stop), then starts it.
int32_t RestartAudioService(IServices& services);

} // namespace tonvel
