#pragma once
// Version query, WOW64 state and file-system redirection, and the tick count. The version, WOW64 and
// redirection functions are looked up by name at run time ("RtlGetVersion" in ntdll, "IsWow64Process",
// "Wow64DisableWow64FsRedirection" and "Wow64RevertWow64FsRedirection" in kernel32); each call reports
// CALL_MISSING when the function is not there.

#include <cstdint>

namespace tonvel {

// What a call of a function looked up at run time gave.
enum CALL_RESULT : int32_t {
    CALL_MISSING = -1, // the function is not exported on this system
    CALL_FAILED = 0,   // it was called and reported failure
    CALL_OK = 1,       // it was called and reported success
};

// The fields of the extended version record that RtlGetVersion fills.
struct OS_VERSION_RECORD {
    uint32_t majorVersion = 0;
    uint32_t minorVersion = 0;
    uint32_t buildNumber = 0;
    uint32_t platformId = 0;
    uint16_t servicePackMajor = 0;
    uint16_t servicePackMinor = 0;
    uint16_t suiteMask = 0;
    uint8_t productType = 0;
};

class ISystemInfo {
public:
    virtual ~ISystemInfo() = default;

    // RtlGetVersion with a size-initialised extended record. CALL_OK when its status is 0; CALL_FAILED
    // otherwise (status then holds the non-zero NTSTATUS).
    virtual CALL_RESULT RtlGetVersion(OS_VERSION_RECORD& record, int32_t& status) = 0;
    // IsWow64Process on the current process.
    virtual CALL_RESULT IsWow64Process(bool& wow64) = 0;
    // Whether this process is a 64-bit one: on Windows a fact of the build.
    virtual bool Is64BitProcess() { return sizeof(void*) == 8; }
    // Wow64DisableWow64FsRedirection / Wow64RevertWow64FsRedirection on the calling thread. The saved state
    // is opaque: whatever the disable call stored, handed back unchanged to the revert call.
    virtual CALL_RESULT Wow64DisableWow64FsRedirection(void*& oldValue) = 0;
    virtual CALL_RESULT Wow64RevertWow64FsRedirection(void* oldValue) = 0;
    // Whether the process runs with the rights of the Administrators group (CheckTokenMembership on the
    // group's well-known SID: under UAC a filtered token has it for deny only, so this is "elevated").
    virtual bool RunsAsAdministrator() = 0;
    // GetTickCount: milliseconds since start, wrapping at 2^32.
    virtual uint32_t GetTickCount() = 0;
};

} // namespace tonvel
