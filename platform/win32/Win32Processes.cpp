#include "platform/win32/Win32Processes.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <shellapi.h>
#include <tlhelp32.h>

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

// Opens a process for waiting when its program file is `image`; null otherwise.
HANDLE OpenIfImage(DWORD processId, const std::u16string& image) {
    HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return nullptr;
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    const bool same = ::QueryFullProcessImageNameW(process, 0, path, &size) &&
                      ::CompareStringOrdinal(path, static_cast<int>(size), Wide(image),
                                             static_cast<int>(image.size()), TRUE) == CSTR_EQUAL;
    if (same) return process;
    ::CloseHandle(process);
    return nullptr;
}

bool CWin32Processes::GetExitCode(PROCESS_HANDLE process, uint32_t& code) {
    DWORD exitCode = 0;
    if (!::GetExitCodeProcess(process, &exitCode)) return false;
    code = exitCode;
    return true;
}

std::vector<PROCESS_HANDLE> CWin32Processes::OpenProcessesOf(const std::u16string& imagePath) {
    std::vector<PROCESS_HANDLE> processes;
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    const DWORD self = ::GetCurrentProcessId();
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more; more = ::Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == self || entry.th32ProcessID == 0) continue;
        if (HANDLE process = OpenIfImage(entry.th32ProcessID, imagePath)) processes.push_back(process);
    }
    ::CloseHandle(snapshot);
    return processes;
}

} // namespace tonvel::win32
