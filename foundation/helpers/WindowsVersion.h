#pragma once
// Which Windows runs: the true version from RtlGetVersion, also for programs without a manifest that the
// system would otherwise hand an older version number.

#include <cstdint>

namespace tonvel {

class ISystemInfo;

enum WINDOWS_VERSION_RESULT : int32_t {
    WINDOWS_VERSION_OK = 0,
    WINDOWS_VERSION_MISSING = 1, // the version function is not there
    WINDOWS_VERSION_FAILED = 2,  // it returned a non-zero status
};

// Family codes: 0 NT 4, 1 2000, 2 XP / Server 2003, 3 Vista, 4 Windows 7, 5 Windows 8 / 8.1, 6 Windows 10
// and later, -1 unknown. Version codes: major << 8 | minor for the known versions (0x400 ... 0xA00), -1 for
// others. Each output may be null; a requested output is written whenever the call succeeds and is left
// alone otherwise.
int32_t GetWindowsVersion(ISystemInfo& system, int32_t* family, int32_t* version, int32_t* servicePack);

} // namespace tonvel
