#include "device/AudioServiceRestart.h"

#include "device/AudioService.h"

namespace tonvel {

bool AskHelperToRestartAudio(IServices& services) {
    const ServiceHandle manager = services.OpenManager(ScManagerConnect);
    if (manager == NoService) return false;
    const ServiceHandle helper =
        services.OpenNamedService(manager, HelperServiceName, ServiceUserDefinedControl);
    bool taken = false;
    if (helper != NoService) {
        taken = services.Control(helper, HelperControlRestartAudio);
        services.Close(helper);
    }
    services.Close(manager);
    return taken;
}

AUDIO_RESTART CAudioServiceRestart::Request() {
    if (m_Running) return AUDIO_RESTART::AlreadyRunning;
    Wait();
    if (AskHelperToRestartAudio(m_Services)) return AUDIO_RESTART::ByHelper;
    m_Running = true;
    m_Worker = std::thread([this] {
        RestartAudioService(m_Services);
        m_Running = false;
    });
    return AUDIO_RESTART::Direct;
}

void CAudioServiceRestart::Wait() {
    if (m_Worker.joinable()) m_Worker.join();
}

} // namespace tonvel
