// Step 2: the service program written to the native system folder, run once to register the service, and
// the service started.

#include "setup/install/InstallService.h"

#include "foundation/config/ProductNames.h"
#include "installation/InstallationPaths.h"
#include "installation/NativeSystemAccess.h"
#include "installation/PanelClose.h"
#include "installation/ServiceControl.h"
#include "platform/api/Processes.h"
#include "platform/api/WindowSystem.h"
#include "setup/install/InstallPayload.h"
#include "setup/install/InstallSequence.h"
#include "setup/install/InstallSteps.h"

namespace tonvel {

namespace {

// The service program runs with " /Service" and has 100 s to register the service; it ends with 0 when
// the service is registered.
int32_t RunRegistration(const Platform& platform, const std::u16string& program) {
    IProcesses& processes = *platform.processes;
    const PROCESS_HANDLE process =
        processes.StartProcess(program + ServiceRegistrationArgument, HIGH_PRIORITY_CLASS_FLAG);
    if (process == nullptr) return ServiceStartFailed;
    int32_t result = ServiceRegistrationTimedOut;
    uint32_t code = 0;
    if (processes.WaitForProcess(process, ServiceRegistrationMs) == WAIT_OBJECT_0_RESULT)
        result = processes.GetExitCode(process, code) && code == ServiceRegisteredCode
                     ? InstallOk
                     : ServiceRegistrationFailed;
    processes.CloseProcess(process);
    return result;
}

int32_t DeployService(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    // Under WOW64 the native system folder is reached (also for the registration run's program image) only
    // with the thread's redirection off.
    const CNativeSystemAccess native(platform, context.Wow64);
    const std::u16string program = ServiceProgramPath(context.Folders);
    const uint16_t payload = context.windows64 ? ServicePayload64 : ServicePayload32;
    const int32_t written = WritePayload(platform, payload, ServicePayloadType, program);
    if (written == WRITE_PAYLOAD_MISSING) return ServicePayloadMissing;
    if (written != WRITE_PAYLOAD_OK) return ServiceFileFailed;
    context.Progress(40);
    return RunRegistration(platform, program);
}

} // namespace

int32_t Install_Service(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.Plat;
    ControlServiceByName(platform, HelperServiceName, ServiceStopRequest);
    const uint32_t exitMessage = platform.windowSystem->RegisterMessage(ExitMessageName);
    platform.windowSystem->Broadcast(exitMessage, 0, 0, AppExitBroadcastTimeoutMs);
    context.Progress(30);
    const int32_t deployed = DeployService(context);
    if (deployed != InstallOk) return deployed;
    context.Progress(50);
    if (ControlServiceByName(platform, HelperServiceName, ServiceStartRequest) != ServiceDone)
        return ServiceNotStarted;
    context.Progress(60);
    return InstallOk;
}

} // namespace tonvel
