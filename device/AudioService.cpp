#include "device/AudioService.h"

namespace tonvel {
namespace {

int32_t Restart(IServices& services, ServiceHandle service) {
    uint32_t state = 0;
    // A status that cannot be read counts as not running: the start then tells.
    if (services.QueryState(service, state) && state == ServiceStateRunning) {
        if (!services.Control(service, ServiceControlStop)) return AudioServiceStopRefused;
        if (!WaitForServiceState(services, service, ServiceStateStopped, ServiceStopPolls, ServiceStopPollMs))
            return AudioServiceStopTimedOut;
    }
    return services.Start(service) ? AudioServiceRestarted : AudioServiceStartFailed;
}

} // namespace

int32_t RestartAudioService(IServices& services) {
    const ServiceHandle manager = services.OpenManager(ScManagerAllAccess);
    if (manager == NoService) return AudioServiceStopRefused;
    const ServiceHandle service = services.OpenNamedService(manager, AudioServiceName, ServiceAllAccess);
    int32_t result = AudioServiceStopRefused;
    if (service != NoService) {
        result = Restart(services, service);
        services.Close(service);
    }
    services.Close(manager);
    return result;
}

} // namespace tonvel
