// Step 2: the service program written to the native system folder, run once to register the service, and
// the service started.

#include "setup/install/InstallService.h"

#include "foundation/helpers/Wow64.h"
#include "platform/api/Processes.h"
#include "platform/api/WindowSystem.h"
#include "setup/install/InstallPayload.h"
#include "setup/install/InstallSequence.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/ServiceControl.h"

namespace tonvel {

namespace {

// File-system redirection of the calling thread switched off under WOW64 while it lives, so that the native
// system folder is reached (also for the program image of the registration run).
class CNativeSystemFolder {
public:
    explicit CNativeSystemFolder(const INSTALL_CONTEXT& context) : m_System(*context.platform.system) {
        if (context.wow64) m_Disabled = DisableFsRedirection(m_System, m_SavedState);
    }
    ~CNativeSystemFolder() {
        if (m_Disabled) RevertFsRedirection(m_System, m_SavedState);
    }
    CNativeSystemFolder(const CNativeSystemFolder&) = delete;
    CNativeSystemFolder& operator=(const CNativeSystemFolder&) = delete;

private:
    ISystemInfo& m_System;
    void* m_SavedState = nullptr;
    bool m_Disabled = false;
};

// The service program runs with " /Service" and has 100 s to register the service.
int32_t RunRegistration(const Platform& platform, const std::u16string& program) {
    IProcesses& processes = *platform.processes;
    const PROCESS_HANDLE process =
        processes.StartProcess(program + ServiceRegistrationArgument, HIGH_PRIORITY_CLASS_FLAG);
    if (process == nullptr) return ServiceStartFailed;
    const uint32_t waited = processes.WaitForProcess(process, ServiceRegistrationMs);
    processes.CloseProcess(process);
    return waited == WAIT_OBJECT_0_RESULT ? InstallOk : ServiceRegistrationTimedOut;
}

int32_t DeployService(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.platform;
    const CNativeSystemFolder native(context);
    const std::u16string program = context.folders.NativeSystemFolder + ServiceProgramFileName;
    const uint16_t payload = context.wow64 ? ServicePayload64 : ServicePayload32;
    const int32_t written = WritePayload(platform, payload, ServicePayloadType, program);
    if (written == WRITE_PAYLOAD_MISSING) return ServicePayloadMissing;
    if (written != WRITE_PAYLOAD_OK) return ServiceFileFailed;
    context.Progress(40);
    return RunRegistration(platform, program);
}

} // namespace

int32_t Install_Service(const INSTALL_CONTEXT& context) {
    const Platform& platform = context.platform;
    ControlServiceByName(platform, HelperServiceName, ServiceStopRequest);
    const uint32_t exitMessage = platform.windowSystem->RegisterMessage(AppExitMessageName);
    platform.windowSystem->Broadcast(exitMessage, 0, 0, AppExitBroadcastTimeoutMs);
    context.Progress(30);
    const int32_t deployed = DeployService(context);
    if (deployed != InstallOk) return deployed;
    context.Progress(50);
    ControlServiceByName(platform, HelperServiceName, ServiceStartRequest);
    context.Progress(60);
    return InstallOk;
}

} // namespace tonvel
