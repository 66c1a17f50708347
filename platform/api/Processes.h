#pragma once
// Starting programs (through the shell or directly), waiting for them, and pumping the calling thread's
// window messages.

#include <cstdint>
#include <string>
#include <vector>

namespace tonvel {

using PROCESS_HANDLE = void*;

constexpr uint32_t SEE_MASK_NOCLOSEPROCESS_FLAG = 0x00000040;
constexpr uint32_t SEE_MASK_FLAG_NO_UI_FLAG = 0x00000400;
constexpr uint32_t WAIT_INFINITE = 0xFFFFFFFF;
constexpr uint32_t WAIT_OBJECT_0_RESULT = 0x00000000;
constexpr uint32_t WAIT_TIMEOUT_RESULT = 0x00000102;
constexpr uint32_t WAIT_FAILED_RESULT = 0xFFFFFFFF;
constexpr uint32_t HIGH_PRIORITY_CLASS_FLAG = 0x00000080;
constexpr uint32_t STILL_ACTIVE_CODE = 259;

// The fields of SHELLEXECUTEINFOW that our callers set; empty texts are passed as null pointers.
struct SHELL_EXECUTE_INFO {
    uint32_t mask = 0;
    std::u16string verb;
    std::u16string file;
    std::u16string parameters;
    std::u16string directory;
    int32_t show = 0;
    PROCESS_HANDLE process = nullptr; // out: set when mask has SEE_MASK_NOCLOSEPROCESS and a process started
};

class IProcesses {
public:
    virtual ~IProcesses() = default;

    // ShellExecuteExW; true when the shell started the file.
    virtual bool RunShellExecuteEx(SHELL_EXECUTE_INFO& info) = 0;
    // WaitForSingleObject on a process handle (WAIT_INFINITE: no limit); one of the WAIT_*_RESULT values.
    virtual uint32_t WaitForProcess(PROCESS_HANDLE process, uint32_t milliseconds) = 0;
    // Takes and dispatches every pending window message of the calling thread, then waits at most the given
    // time for the next one to arrive (MsgWaitForMultipleObjects on the thread's input queue).
    virtual void PumpMessages(uint32_t maxWaitMilliseconds) = 0;
    // CloseHandle on a process handle.
    virtual bool CloseProcess(PROCESS_HANDLE process) = 0;
    // CreateProcessW with no application name (the program is the command line's first item), no
    // security attributes, no inherited handles, these creation flags, the caller's environment and
    // current folder and an empty start-up record. The process handle, or null when nothing started.
    virtual PROCESS_HANDLE StartProcess(const std::u16string& commandLine, uint32_t creationFlags) = 0;
    // GetExitCodeProcess; STILL_ACTIVE (259) while the process runs.
    virtual bool GetExitCode(PROCESS_HANDLE process, uint32_t& code) = 0;
    // The other running processes whose program file is `imagePath` (letter case ignored), each opened for
    // waiting (CreateToolhelp32Snapshot, OpenProcess with SYNCHRONIZE and the right to read the image
    // name, QueryFullProcessImageNameW). The caller closes each with CloseProcess.
    virtual std::vector<PROCESS_HANDLE> OpenProcessesOf(const std::u16string& imagePath) = 0;
};

} // namespace tonvel
