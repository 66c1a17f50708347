#include "device/AudioService.h"

namespace tonvel {
namespace {

// Polls until the service shows stopped: true, or false when the polls run out.
bool WaitStopped(IServices& services, ServiceHandle service) {
    for (std::uint32_t poll = 0; poll < ServiceStopPolls; ++poll) {
        std::uint32_t state = 0;
        if (services.QueryState(service, state) && state == kServiceStopped) return true;
        services.Sleep(ServiceStopPollMs);
    }
    return false;
}

std::int32_t Restart(IServices& services, ServiceHandle service) {
    std::uint32_t state = 0;
    // A status that cannot be read counts as not running: the start then tells.
    if (services.QueryState(service, state) && state == kServiceRunning) {
        if (!services.Control(service, kServiceControlStop)) return AudioServiceStopRefused;
        if (!WaitStopped(services, service)) return AudioServiceStopTimedOut;
    }
    return services.Start(service) ? AudioServiceRestarted : AudioServiceStartFailed;
}

} // namespace

std::int32_t RestartAudioService(IServices& services) {
    const ServiceHandle manager = services.OpenManager(kScManagerAllAccess);
    if (manager == kNoService) return AudioServiceStopRefused;
    const ServiceHandle service = services.OpenNamedService(manager, AudioServiceName, kServiceAllAccess);
    std::int32_t result = AudioServiceStopRefused;
    if (service != kNoService) {
        result = Restart(services, service);
        services.Close(service);
    }
    services.Close(manager);
    return result;
}

} // namespace tonvel
