#include "installation/ServiceControl.h"

#include "platform/api/Services.h"

#include <string>

namespace tonvel {
namespace {

int32_t Stop(IServices& services, ServiceHandle service, uint32_t state) {
    if (state == kServiceStopped) return ServiceDone;
    if (!services.Control(service, kServiceControlStop)) return ServiceStopRefused;
    return WaitForServiceState(services, service, kServiceStopped, ServicePolls, ServicePollMs)
               ? ServiceDone
               : ServiceNotStopped;
}

int32_t Start(IServices& services, ServiceHandle service, uint32_t state) {
    if (state == kServiceRunning) return ServiceDone;
    if (!services.Start(service)) return ServiceStartRefused;
    return WaitForServiceState(services, service, kServiceRunning, ServicePolls, ServicePollMs)
               ? ServiceDone
               : ServiceNotRunning;
}

int32_t Request(IServices& services, ServiceHandle service, int32_t request) {
    uint32_t state = 0;
    if (!services.QueryState(service, state)) return ServiceStatusUnreadable;
    if (request == ServiceStopRequest) return Stop(services, service, state);
    if (request == ServiceStartRequest) return Start(services, service, state);
    services.Control(service, static_cast<uint32_t>(request)); // the outcome does not count
    return ServiceDone;
}

} // namespace

int32_t ControlServiceByName(const Platform& platform, std::u16string_view serviceName, int32_t request) {
    IServices& services = *platform.services;
    const ServiceHandle manager = services.OpenManager(kScManagerAllAccess);
    if (manager == kNoService) return ServiceManagerNotOpened;
    const ServiceHandle service =
        services.OpenNamedService(manager, std::u16string(serviceName), kServiceAllAccess);
    int32_t result = ServiceNotOpened;
    if (service != kNoService) {
        result = Request(services, service, request);
        services.Close(service);
    }
    services.Close(manager);
    return result;
}

} // namespace tonvel
