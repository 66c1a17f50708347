#pragma once
// ShellExecuteExW, CreateProcessW, process waits and the calling thread's message pump.

#include "platform/api/Processes.h"

namespace tonvel::win32 {

class CWin32Processes : public IProcesses {
public:
    bool RunShellExecuteEx(SHELL_EXECUTE_INFO& info) override;
    uint32_t WaitForProcess(PROCESS_HANDLE process, uint32_t milliseconds) override;
    void PumpMessages(uint32_t maxWaitMilliseconds) override;
    bool CloseProcess(PROCESS_HANDLE process) override;
    PROCESS_HANDLE StartProcess(const std::u16string& commandLine, uint32_t creationFlags) override;
    bool GetExitCode(PROCESS_HANDLE process, uint32_t& code) override;
    std::vector<PROCESS_HANDLE> OpenProcessesOf(const std::u16string& imagePath) override;
};

} // namespace tonvel::win32
