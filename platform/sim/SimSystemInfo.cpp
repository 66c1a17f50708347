#include "platform/sim/SimSystemInfo.h"

#include <cstdint>

namespace tonvel::sim {

namespace {

// The saved states the sim hands out: one for "was on", one for "was off".
void* const WasEnabled = reinterpret_cast<void*>(static_cast<uintptr_t>(0x5E00));
void* const WasDisabled = reinterpret_cast<void*>(static_cast<uintptr_t>(0x5E01));

} // namespace

void CSimSystemInfo::SetVersion(uint32_t major, uint32_t minor, uint16_t servicePack, uint32_t build) {
    m_Version.majorVersion = major;
    m_Version.minorVersion = minor;
    m_Version.servicePackMajor = servicePack;
    m_Version.buildNumber = build;
}

CALL_RESULT CSimSystemInfo::RtlGetVersion(OS_VERSION_RECORD& record, int32_t& status) {
    if (m_VersionMissing) return CALL_MISSING;
    status = m_VersionStatus;
    if (status != 0) return CALL_FAILED;
    record = m_Version;
    return CALL_OK;
}

CALL_RESULT CSimSystemInfo::IsWow64Process(bool& wow64) {
    if (m_Wow64Missing) return CALL_MISSING;
    if (m_Wow64Fails) return CALL_FAILED;
    wow64 = m_Wow64;
    return CALL_OK;
}

CALL_RESULT CSimSystemInfo::Wow64DisableWow64FsRedirection(void*& oldValue) {
    if (m_RedirectionMissing) return CALL_MISSING;
    CALL_RESULT result = CALL_FAILED;
    if (m_Wow64) {
        oldValue = m_RedirectionDisabled ? WasDisabled : WasEnabled;
        m_RedirectionDisabled = true;
        result = CALL_OK;
    }
    m_RedirectionCalls.push_back({true, result == CALL_OK ? oldValue : nullptr, result});
    return result;
}

CALL_RESULT CSimSystemInfo::Wow64RevertWow64FsRedirection(void* oldValue) {
    if (m_RedirectionMissing) return CALL_MISSING;
    CALL_RESULT result = CALL_FAILED;
    if (m_Wow64 && (oldValue == WasEnabled || oldValue == WasDisabled)) {
        m_RedirectionDisabled = oldValue == WasDisabled;
        result = CALL_OK;
    }
    m_RedirectionCalls.push_back({false, oldValue, result});
    return result;
}

} // namespace tonvel::sim
