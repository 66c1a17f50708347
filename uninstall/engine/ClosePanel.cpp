#include "platform/api/Processes.h"
#include "platform/api/SystemInfo.h"
#include "platform/api/WindowSystem.h"
#include "setup/install/InstallSequence.h"
#include "uninstall/engine/UninstallSteps.h"

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

void ClosePanel(const UNINSTALL_CONTEXT& context, UNINSTALL_LIST& list) {
    const Platform& platform = context.platform;
    const std::u16string panel =
        context.folders.InstallFolderFullPath + context.folders.APPFileName + ExeSuffix;
    const std::vector<PROCESS_HANDLE> processes = platform.processes->OpenProcessesOf(panel);
    const uint32_t exitMessage = platform.windowSystem->RegisterMessage(AppExitMessageName);
    platform.windowSystem->Broadcast(exitMessage, 0, 0, AppExitBroadcastTimeoutMs);
    if (processes.empty()) return;
    UNINSTALL_ITEM item = ItemOf(UNINSTALL_KIND::Program, panel);
    if (!AllEnded(platform, processes)) {
        item.Status = ITEM_STATUS::Failed;
        item.Reason = ITEM_REASON::StillRunning;
    }
    for (PROCESS_HANDLE process : processes)
        platform.processes->CloseProcess(process);
    list.push_back(item);
}

} // namespace tonvel
