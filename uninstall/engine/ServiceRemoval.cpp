#include "installation/NativeSystemAccess.h"
#include "installation/ServiceControl.h"
#include "platform/api/FileSystem.h"
#include "platform/api/Services.h"
#include "uninstall/engine/RemoveFile.h"
#include "uninstall/engine/UninstallSteps.h"

namespace tonvel {

namespace {

// DeleteService on the named service; false when it cannot be opened or the manager refuses.
bool DeleteNamedService(IServices& services, const std::u16string& name) {
    const ServiceHandle manager = services.OpenManager(ScManagerAllAccess);
    if (manager == NoService) return false;
    const ServiceHandle service = services.OpenNamedService(manager, name, ServiceAllAccess);
    const bool deleted = service != NoService && services.Delete(service);
    if (service != NoService) services.Close(service);
    services.Close(manager);
    return deleted;
}

UNINSTALL_ITEM RemoveService(const Platform& platform) {
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::Service, HelperServiceName);
    const int32_t stopped = ControlServiceByName(platform, HelperServiceName, ServiceStopRequest);
    if (stopped == ServiceNotOpened) {
        item.Status = ITEM_STATUS::NotPresent;
    } else if (stopped == ServiceManagerNotOpened ||
               !DeleteNamedService(*platform.services, HelperServiceName)) {
        item.Status = ITEM_STATUS::Failed;
        item.Reason = ITEM_REASON::Error;
        item.Error = FileAccessDenied;
    } else if (stopped != ServiceDone) {
        // Deleted while it runs: the service control manager lets it go when it stops or Windows restarts.
        item.Status = ITEM_STATUS::RemovedAtRestart;
        item.Reason = ITEM_REASON::ServiceRunning;
    }
    return item;
}

} // namespace

void RemoveHelperService(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    list.push_back(RemoveService(context.Plat));
    CNativeSystemAccess native(context.Plat, context.Wow64);
    list.push_back(
        RemoveInstalledFile(context, ServiceProgramPath(context.Folders), IN_USE_FILE::DeleteInPlace));
}

} // namespace tonvel
