#pragma once
// The LED switch's restart of the Windows audio service, without holding up the window. The product's own
// service "Castorel" (LocalSystem) does it on its restart control: a service's default security lets an
// interactive user send its user-defined controls, so this works from the panel's filtered token too. Only
// where the helper cannot be reached (not installed, or not running) is the audio service restarted
// directly, on a worker thread, which needs administrator rights.

#include "platform/api/Services.h"

#include <atomic>
#include <cstdint>
#include <thread>

namespace tonvel {

inline constexpr char16_t HelperServiceName[] = u"Castorel";
// Castorel's control: restart the audio service.
inline constexpr uint32_t HelperControlRestartAudio = 129;

enum class AUDIO_RESTART : int32_t {
    ByHelper,       // Castorel took the request
    Direct,         // restarting on the worker thread
    AlreadyRunning, // a direct restart still runs; it covers this request as well
};

// Sends Castorel its restart control, with no more rights than a user has. False when it cannot be reached.
bool AskHelperToRestartAudio(IServices& services);

class CAudioServiceRestart {
public:
    explicit CAudioServiceRestart(IServices& services) : m_Services(services) {}
    CAudioServiceRestart(const CAudioServiceRestart&) = delete;
    CAudioServiceRestart& operator=(const CAudioServiceRestart&) = delete;
    // Waits for a direct restart that still runs.
    ~CAudioServiceRestart() { Wait(); }

    AUDIO_RESTART Request();
    bool Running() const { return m_Running; }
    void Wait();

private:
    IServices& m_Services;
    std::thread m_Worker;
    std::atomic<bool> m_Running{false};
};

} // namespace tonvel
