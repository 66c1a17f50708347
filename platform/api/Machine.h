#pragma once
// The machine as a whole: waiting on the calling thread, the loudspeaker beep and the restart of Windows.

#include <cstdint>

namespace tonvel {

class IMachine {
public:
    virtual ~IMachine() = default;

    // Sleep: the calling thread waits that long.
    virtual void Sleep(uint32_t milliseconds) = 0;
    // Beep: a tone of that frequency (Hz) for that long; false when it could not be sounded.
    virtual bool Beep(uint32_t frequency, uint32_t milliseconds) = 0;
    // Enables "SeShutdownPrivilege" in the process token (OpenProcessToken with TOKEN_ADJUST_PRIVILEGES |
    // TOKEN_QUERY, LookupPrivilegeValueW, AdjustTokenPrivileges with SE_PRIVILEGE_ENABLED; a failure there
    // is ignored), then ExitWindowsEx(EWX_REBOOT, 0). False when Windows refuses the restart.
    virtual bool RestartWindows() = 0;
};

} // namespace tonvel
