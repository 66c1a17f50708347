#include "platform/win32/Win32SystemInfo.h"

#include <windows.h>

namespace tonvel::win32 {

namespace {

using RtlGetVersionProc = LONG(WINAPI*)(OSVERSIONINFOEXW*);
using IsWow64ProcessProc = BOOL(WINAPI*)(HANDLE, BOOL*);
using DisableRedirectionProc = BOOL(WINAPI*)(PVOID*);
using RevertRedirectionProc = BOOL(WINAPI*)(PVOID);

// The module stays loaded for the process's life (ntdll and kernel32 always are), so no reference is taken.
template <typename Proc> Proc Lookup(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    if (!handle) return nullptr;
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

} // namespace

CALL_RESULT CWin32SystemInfo::RtlGetVersion(OS_VERSION_RECORD& record, int32_t& status) {
    const auto proc = Lookup<RtlGetVersionProc>(L"ntdll.dll", "RtlGetVersion");
    if (!proc) return CALL_MISSING;
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    status = proc(&info);
    if (status != 0) return CALL_FAILED;
    record.majorVersion = info.dwMajorVersion;
    record.minorVersion = info.dwMinorVersion;
    record.buildNumber = info.dwBuildNumber;
    record.platformId = info.dwPlatformId;
    record.servicePackMajor = info.wServicePackMajor;
    record.servicePackMinor = info.wServicePackMinor;
    record.suiteMask = info.wSuiteMask;
    record.productType = info.wProductType;
    return CALL_OK;
}

CALL_RESULT CWin32SystemInfo::IsWow64Process(bool& wow64) {
    const auto proc = Lookup<IsWow64ProcessProc>(L"kernel32", "IsWow64Process");
    if (!proc) return CALL_MISSING;
    BOOL answer = FALSE;
    if (!proc(GetCurrentProcess(), &answer)) return CALL_FAILED;
    wow64 = answer != FALSE;
    return CALL_OK;
}

CALL_RESULT CWin32SystemInfo::Wow64DisableWow64FsRedirection(void*& oldValue) {
    const auto proc = Lookup<DisableRedirectionProc>(L"kernel32", "Wow64DisableWow64FsRedirection");
    if (!proc) return CALL_MISSING;
    PVOID saved = nullptr;
    if (!proc(&saved)) return CALL_FAILED;
    oldValue = saved;
    return CALL_OK;
}

CALL_RESULT CWin32SystemInfo::Wow64RevertWow64FsRedirection(void* oldValue) {
    const auto proc = Lookup<RevertRedirectionProc>(L"kernel32", "Wow64RevertWow64FsRedirection");
    if (!proc) return CALL_MISSING;
    return proc(oldValue) ? CALL_OK : CALL_FAILED;
}

bool CWin32SystemInfo::RunsAsAdministrator() {
    SID_IDENTIFIER_AUTHORITY authority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    if (!::AllocateAndInitializeSid(&authority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0,
                                    0, 0, 0, 0, &administrators))
        return false;
    BOOL member = FALSE;
    if (!::CheckTokenMembership(nullptr, administrators, &member)) member = FALSE;
    ::FreeSid(administrators);
    return member != FALSE;
}

uint32_t CWin32SystemInfo::GetTickCount() {
    return ::GetTickCount();
}

} // namespace tonvel::win32
