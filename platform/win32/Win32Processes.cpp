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

} // namespace tonvel::win32
