#pragma once
// Version query, WOW64 state and redirection through the functions looked up by name at run time, and the
// tick count.

#include "platform/api/SystemInfo.h"

namespace tonvel::win32 {

class CWin32SystemInfo : public ISystemInfo {
public:
    CALL_RESULT RtlGetVersion(OS_VERSION_RECORD& record, int32_t& status) override;
    CALL_RESULT IsWow64Process(bool& wow64) override;
    CALL_RESULT Wow64DisableWow64FsRedirection(void*& oldValue) override;
    CALL_RESULT Wow64RevertWow64FsRedirection(void* oldValue) override;
    bool RunsAsAdministrator() override;
    uint32_t GetTickCount() override;
};

} // namespace tonvel::win32
