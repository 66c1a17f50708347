#include "device/AudioService.h"

namespace tonvel {
namespace {

std::int32_t Restart(IServices& services, ServiceHandle service) {
    std::uint32_t state = 0;
    // A status that cannot be read counts as not running: the start then tells.
    if (services.QueryState(service, state) && state == kServiceRunning) {
        if (!services.Control(service, kServiceControlStop)) return AudioServiceStopRefused;
        if (!WaitForServiceState(services, service, kServiceStopped, ServiceStopPolls, ServiceStopPollMs))
            return AudioServiceStopTimedOut;
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
