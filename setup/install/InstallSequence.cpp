#include "setup/install/InstallSequence.h"

#include "device/DeviceSearch.h"
#include "device/FilterChannel.h"
#include "foundation/helpers/DebugTrace.h"
#include "installation/InstallationPaths.h"
#include "installation/PanelClose.h"
#include "installation/ServiceControl.h"
#include "platform/api/ControlDevice.h"
#include "platform/api/Machine.h"
#include "platform/api/WindowSystem.h"
#include "setup/install/InstallPayload.h"
#include "setup/install/InstallSteps.h"

#include <string>

namespace tonvel {

namespace {

std::u16string StepLine(int32_t number) {
    return u"===== Install STEP" + std::u16string(1, static_cast<char16_t>(u'0' + number)) + u" =====\n";
}

} // namespace

INSTALL_STEPS DefaultInstallSteps() {
    INSTALL_STEPS steps;
    steps.ControlService = [](const INSTALL_CONTEXT& context, int32_t request) {
        return ControlServiceByName(context.Plat, HelperServiceName, request);
    };
    steps.DetachFilter = DetachFilterAndRestart;
    steps.FilterDriver = Install_FilterDriver;
    steps.Service = Install_Service;
    steps.App = Install_App;
    steps.Uninstall = Install_Uninstall;
    steps.Config = Install_Config;
    steps.Manual = Install_Manual;
    steps.RestartDevices = RestartMatchingDevices;
    steps.KB3033929 = Install_KB3033929;
    return steps;
}

int32_t CInstallSequence::Run() const {
    const Platform& platform = m_Context.Plat;
    TraceEnter(platform, u"TMainForm::Install");
    if (!Prepare()) return InstallNotDone;
    m_Context.Progress(1);
    const struct {
        const INSTALL_STEP_FUNCTION& step;
        std::u16string_view code;
    } counted[] = {{m_Steps.FilterDriver, u"(Code = 0x80000001)"},
                   {m_Steps.Service, u"(Code = 0x80000002)"},
                   {m_Steps.App, u"(Code = 0x80000003)"},
                   {m_Steps.Uninstall, u"(Code = 0x80000004)"},
                   {m_Steps.Config, u"(Code = 0x80000005)"}};
    int32_t number = 1;
    for (const auto& entry : counted)
        if (!RunCounted(number++, entry.step, entry.code)) return InstallNotDone;
    Trace(platform, StepLine(6));
    m_Steps.Manual(m_Context);
    Trace(platform, StepLine(7));
    CheckChannelAfterRestart();
    if (!RunCounted(8, m_Steps.KB3033929, u"(Code = 0x80000006)")) return InstallNotDone;
    m_Context.Progress(100);
    platform.machine->Beep(DoneBeepHz, DoneBeepMs);
    return InstallDone;
}

// Running control panels are asked to quit, the helper service is brought into a known state and the old
// filter is detached; an old driver whose channel still opens stops the installation, unless its device
// could not be restarted: then the old driver goes with the Windows restart that finishes the installation.
// A panel still running after the wait stops it before anything is written: step 3 could not replace its
// file, and the driver and service would already be the new ones.
bool CInstallSequence::Prepare() const {
    const std::u16string panel = PanelProgramPath(m_Context.Folders);
    if (CloseRunningPanels(m_Context.Plat, panel) == PANELS_CLOSED::StillRunning) {
        m_Context.Message(m_Context.Warnings.PanelStillRuns + panel);
        return false;
    }
    for (const int32_t request : {ServiceStartRequest, ServiceResetControl, ServiceStopRequest})
        m_Steps.ControlService(m_Context, request);
    m_Steps.DetachFilter(m_Context);
    if (!FilterChannelOpens() || m_Context.RestartNeeded) return true;
    m_Context.Message(m_Context.Warnings.OldDriverActive);
    return false;
}

bool CInstallSequence::RunCounted(int32_t number, const INSTALL_STEP_FUNCTION& step,
                                  std::u16string_view code) const {
    Trace(m_Context.Plat, StepLine(number));
    std::u16string message = m_Context.Warnings.StepFailed;
    if (step(m_Context) == InstallOk) return true;
    message += code;
    m_Context.Message(message.substr(0, InstallMessageUnits - 1));
    return false;
}

// Step 7: the devices restarted with the new filter; a present device whose channel does not open gets a
// warning, and the installation goes on. A device that waits for the Windows restart gets no warning: its
// channel opens only after that restart.
void CInstallSequence::CheckChannelAfterRestart() const {
    const Platform& platform = m_Context.Plat;
    platform.machine->Sleep(DeviceSettleMs);
    m_Steps.RestartDevices(m_Context);
    if (m_Context.RestartNeeded) return;
    const CDeviceIdMgr& group = m_Context.UsbGroup;
    const int32_t found = FindMatchingDevice(
        *platform.deviceInstall, HidSetupClass, SetupHardwareIdPattern,
        [&group](std::u16string_view id) { return group.Match(std::u16string(id)); }, nullptr,
        DigcfPresent | DigcfAllClasses);
    if (found == 1 && !FilterChannelOpens()) m_Context.Message(m_Context.Warnings.ChannelNotOpen);
}

bool CInstallSequence::FilterChannelOpens() const {
    IControlDevice& channel = *m_Context.Plat.controlDevice;
    const ControlHandle handle = channel.Open(FilterChannelPath);
    if (handle == NoControlHandle) return false;
    channel.Close(handle);
    return true;
}

} // namespace tonvel
