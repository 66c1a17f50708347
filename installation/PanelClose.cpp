#include "installation/PanelClose.h"

#include "foundation/config/ProductNames.h"
#include "platform/api/Processes.h"
#include "platform/api/SystemInfo.h"
#include "platform/api/WindowSystem.h"

#include <vector>

namespace tonvel {

namespace {

// Waits for every process within one shared time budget; true when all have ended.
bool AllEnded(const Platform& platform, const std::vector<PROCESS_HANDLE>& processes) {
    const uint32_t start = platform.system->GetTickCount();
    bool ended = true;
    for (PROCESS_HANDLE process : processes) {
        const uint32_t spent = platform.system->GetTickCount() - start;
        const uint32_t left = spent >= PanelExitWaitMs ? 0 : PanelExitWaitMs - spent;
        ended = platform.processes->WaitForProcess(process, left) == WAIT_OBJECT_0_RESULT && ended;
    }
    return ended;
}

} // namespace

PANELS_CLOSED CloseRunningPanels(const Platform& platform, const std::u16string& panelFile) {
    const std::vector<PROCESS_HANDLE> processes = platform.processes->OpenProcessesOf(panelFile);
    const uint32_t exitMessage = platform.windowSystem->RegisterMessage(ExitMessageName);
    platform.windowSystem->Broadcast(exitMessage, 0, 0, AppExitBroadcastTimeoutMs);
    if (processes.empty()) return PANELS_CLOSED::NoneRan;
    const bool ended = AllEnded(platform, processes);
    for (PROCESS_HANDLE process : processes)
        platform.processes->CloseProcess(process);
    return ended ? PANELS_CLOSED::Ended : PANELS_CLOSED::StillRunning;
}

} // namespace tonvel
