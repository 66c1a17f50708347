#include "foundation/helpers/RunProgram.h"

#include "platform/api/Platform.h"
#include "platform/api/Processes.h"
#include "platform/api/SystemInfo.h"

namespace tonvel {

namespace {

// Dispatches window messages until the time has passed on the tick count. The elapsed time is the modular
// difference of two tick counts, so a wrap of the counter during the wait neither ends nor stretches it.
void PumpFor(IProcesses& processes, ISystemInfo& system, uint32_t milliseconds) {
    const uint32_t start = system.GetTickCount();
    for (;;) {
        const uint32_t elapsed = system.GetTickCount() - start;
        if (elapsed >= milliseconds) return;
        processes.PumpMessages(milliseconds - elapsed);
    }
}

} // namespace

int32_t RunProgram(const Platform& platform, std::u16string_view file, int32_t waitMilliseconds) {
    IProcesses& processes = *platform.processes;
    SHELL_EXECUTE_INFO info;
    info.mask = SEE_MASK_NOCLOSEPROCESS_FLAG | SEE_MASK_FLAG_NO_UI_FLAG;
    info.file = std::u16string(file);
    info.show = 0;
    if (!processes.RunShellExecuteEx(info)) return RUN_PROGRAM_NOT_STARTED;

    if (waitMilliseconds < 0) {
        // The shell may hand the file to a program that is already running and report no process.
        if (info.process) processes.WaitForProcess(info.process, WAIT_INFINITE);
    } else if (waitMilliseconds > 0) {
        PumpFor(processes, *platform.system, static_cast<uint32_t>(waitMilliseconds));
    }
    if (info.process) processes.CloseProcess(info.process);
    return RUN_PROGRAM_STARTED;
}

} // namespace tonvel
