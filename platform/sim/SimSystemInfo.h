#pragma once
// Simulated version query, WOW64 state, file-system redirection and tick count. The tick count is the
// simulated clock that running programs and message pumping advance.

#include "platform/api/SystemInfo.h"

#include <vector>

namespace tonvel::sim {

class CSimSystemInfo : public ISystemInfo {
public:
    // One call of the redirection functions, as it was asked.
    struct REDIRECTION_CALL {
        bool disable; // Wow64DisableWow64FsRedirection (else the revert call)
        void* value;  // the saved state handed out (disable) or handed in (revert)
        CALL_RESULT result;
    };

    // The version RtlGetVersion reports (Windows 10 at first).
    void SetVersion(uint32_t major, uint32_t minor, uint16_t servicePack = 0, uint32_t build = 0);
    // RtlGetVersion not exported by the sim's ntdll.
    void SetVersionMissing(bool missing) { m_VersionMissing = missing; }
    // A non-zero NTSTATUS makes RtlGetVersion fail.
    void SetVersionStatus(int32_t status) { m_VersionStatus = status; }

    // A 32-bit process on 64-bit Windows (false at first). Redirection can be switched only under WOW64.
    void SetWow64(bool wow64) {
        m_Wow64 = wow64;
        if (!wow64) m_RedirectionDisabled = false;
    }
    bool Wow64() const { return m_Wow64; }
    // A 64-bit process (on 64-bit Windows; false at first).
    void SetProcess64(bool process64) { m_Process64 = process64; }
    // IsWow64Process not exported, or failing.
    void SetWow64Missing(bool missing) { m_Wow64Missing = missing; }
    void SetWow64Fails(bool fails) { m_Wow64Fails = fails; }
    // The two redirection functions not exported.
    void SetRedirectionMissing(bool missing) { m_RedirectionMissing = missing; }

    const std::vector<REDIRECTION_CALL>& RedirectionCalls() const { return m_RedirectionCalls; }
    // Whether file access currently sees the native system folder (CSimFileSystem asks this once it is
    // attached with SetRedirection).
    bool RedirectionDisabled() const { return m_RedirectionDisabled; }

    void SetTickCount(uint32_t ticks) { m_Ticks = ticks; }
    void AdvanceTicks(uint32_t milliseconds) { m_Ticks += milliseconds; }

    CALL_RESULT RtlGetVersion(OS_VERSION_RECORD& record, int32_t& status) override;
    CALL_RESULT IsWow64Process(bool& wow64) override;
    bool Is64BitProcess() override { return m_Process64; }
    CALL_RESULT Wow64DisableWow64FsRedirection(void*& oldValue) override;
    CALL_RESULT Wow64RevertWow64FsRedirection(void* oldValue) override;
    uint32_t GetTickCount() override { return m_Ticks; }
    // The process runs elevated (at first) or as a user without administrator rights.
    void SetAdministrator(bool administrator) { m_Administrator = administrator; }
    bool RunsAsAdministrator() override { return m_Administrator; }

private:
    OS_VERSION_RECORD m_Version{10, 0, 19045, 2, 0, 0, 0x100, 1};
    bool m_VersionMissing = false;
    int32_t m_VersionStatus = 0;
    bool m_Wow64 = false;
    bool m_Process64 = false;
    bool m_Wow64Missing = false;
    bool m_Wow64Fails = false;
    bool m_RedirectionMissing = false;
    bool m_RedirectionDisabled = false;
    std::vector<REDIRECTION_CALL> m_RedirectionCalls;
    uint32_t m_Ticks = 1000;
    bool m_Administrator = true;
};

} // namespace tonvel::sim
