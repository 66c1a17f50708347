// The audio service's restart that Castorel does for the control panel: the panel runs with the user's
// (or under UAC an administrator's filtered) rights, which cannot stop and start a system service; any
// interactive user may send Castorel its user-defined controls, and Castorel runs as LocalSystem.
#pragma once

#include <cstdint>

namespace castorel {

inline constexpr wchar_t AudioServiceName[] = L"audiosrv";
inline constexpr uint32_t ServiceStopPolls = 1000;
inline constexpr uint32_t ServiceStopPollMs = 100;

enum RESTART_RESULT : int32_t {
    Restarted = 0, // stopped and started, or started when it was not running
    NotOpened = 1, // no such service, or no right to control it
    StopRefused = 2,
    StopTimedOut = 3, // it did not stop within the polls; it is not started again
    StartFailed = 4,
};

// Stops the named service when it runs (polling its state up to 1000 times, 100 ms apart), then starts it.
int32_t RestartNamedService(const wchar_t* name);

// The restart of the audio service on a worker thread, so that the control handler answers at once; a
// request while one runs is covered by it.
void StartAudioRestart();
// Waits for a restart that still runs (the service's stop).
void WaitForAudioRestart();

} // namespace castorel
