#include "installation/ServiceControl.h"

#include "platform/api/Services.h"

#include <string>

namespace tonvel {
namespace {

int32_t Stop(IServices& services, ServiceHandle service, uint32_t state) {
    if (state == ServiceStateStopped) return ServiceDone;
    if (!services.Control(service, ServiceControlStop)) return ServiceStopRefused;
    return WaitForServiceState(services, service, ServiceStateStopped, ServicePolls, ServicePollMs)
               ? ServiceDone
               : ServiceNotStopped;
}

int32_t Start(IServices& services, ServiceHandle service, uint32_t state) {
    if (state == ServiceStateRunning) return ServiceDone;
    if (!services.Start(service)) return ServiceStartRefused;
    return WaitForServiceState(services, service, ServiceStateRunning, ServicePolls, ServicePollMs)
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
    const ServiceHandle manager = services.OpenManager(ScManagerAllAccess);
    if (manager == NoService) return ServiceManagerNotOpened;
    const ServiceHandle service =
        services.OpenNamedService(manager, std::u16string(serviceName), ServiceAllAccess);
    int32_t result = ServiceNotOpened;
    if (service != NoService) {
        result = Request(services, service, request);
        services.Close(service);
    }
    services.Close(manager);
    return result;
}

} // namespace tonvel
