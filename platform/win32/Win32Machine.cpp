#include "platform/win32/Win32Machine.h"

#include <windows.h>

namespace tonvel::win32 {

namespace {

// Enables the shutdown privilege of the process token; what fails here is left to ExitWindowsEx to report.
void EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

} // namespace

void CWin32Machine::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

bool CWin32Machine::Beep(uint32_t frequency, uint32_t milliseconds) {
    return ::Beep(frequency, milliseconds) != FALSE;
}

bool CWin32Machine::RestartWindows() {
    EnableShutdownPrivilege();
    return ExitWindowsEx(EWX_REBOOT, 0) != FALSE;
}

} // namespace tonvel::win32
