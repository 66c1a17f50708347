#include "foundation/helpers/WindowsVersion.h"

#include "platform/api/SystemInfo.h"

namespace tonvel {

namespace {

struct VERSION_CODES {
    int32_t family;
    int32_t version;
};

VERSION_CODES CodesFor(uint32_t major, uint32_t minor) {
    switch (major) {
    case 4:
        return {0, minor == 0 ? 0x400 : -1};
    case 5:
        if (minor == 0) return {1, 0x500};
        if (minor == 1) return {2, 0x501};
        if (minor == 2) return {2, 0x502};
        break;
    case 6:
        if (minor == 0) return {3, 0x600};
        if (minor == 1) return {4, 0x601};
        if (minor == 2) return {5, 0x602};
        if (minor == 3) return {5, 0x603};
        break;
    case 10:
        return {6, minor == 0 ? 0xA00 : -1};
    default:
        break;
    }
    return {-1, -1};
}

} // namespace

int32_t GetWindowsVersion(ISystemInfo& system, int32_t* family, int32_t* version, int32_t* servicePack) {
    OS_VERSION_RECORD record;
    int32_t status = 0;
    const CALL_RESULT result = system.RtlGetVersion(record, status);
    if (result == CALL_MISSING) return WINDOWS_VERSION_MISSING;
    if (result != CALL_OK) return WINDOWS_VERSION_FAILED;

    const VERSION_CODES codes = CodesFor(record.majorVersion, record.minorVersion);
    if (family) *family = codes.family;
    if (version) *version = codes.version;
    if (servicePack) *servicePack = record.servicePackMajor;
    return WINDOWS_VERSION_OK;
}

} // namespace tonvel
