#include "platform/win32/Win32Processes.h"

#include <windows.h>

#include <shellapi.h>

namespace tonvel::win32 {

namespace {

const wchar_t* TextOrNull(const std::u16string& text) {
    return text.empty() ? nullptr : reinterpret_cast<const wchar_t*>(text.c_str());
}

} // namespace

bool CWin32Processes::RunShellExecuteEx(SHELL_EXECUTE_INFO& info) {
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = info.mask;
    execute.lpVerb = TextOrNull(info.verb);
    execute.lpFile = TextOrNull(info.file);
    execute.lpParameters = TextOrNull(info.parameters);
    execute.lpDirectory = TextOrNull(info.directory);
    execute.nShow = info.show;
    const BOOL started = ::ShellExecuteExW(&execute);
    info.process = started ? execute.hProcess : nullptr;
    return started != FALSE;
}

uint32_t CWin32Processes::WaitForProcess(PROCESS_HANDLE process, uint32_t milliseconds) {
    return ::WaitForSingleObject(process, milliseconds);
}

void CWin32Processes::PumpMessages(uint32_t maxWaitMilliseconds) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, maxWaitMilliseconds, QS_ALLINPUT);
}

bool CWin32Processes::CloseProcess(PROCESS_HANDLE process) {
    return ::CloseHandle(process) != FALSE;
}

PROCESS_HANDLE CWin32Processes::StartProcess(const std::u16string& commandLine, uint32_t creationFlags) {
    std::wstring command(commandLine.begin(), commandLine.end()); // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, creationFlags, nullptr, nullptr,
                          &startup, &started))
        return nullptr;
    ::CloseHandle(started.hThread); // only the process is waited for
    return started.hProcess;
}

bool CWin32Processes::GetExitCode(PROCESS_HANDLE process, uint32_t& code) {
    DWORD exitCode = 0;
    if (!::GetExitCodeProcess(process, &exitCode)) return false;
    code = exitCode;
    return true;
}

} // namespace tonvel::win32
