#include "foundation/helpers/Wow64.h"

#include "platform/api/SystemInfo.h"

namespace tonvel {

bool IsWow64(ISystemInfo& system) {
    bool wow64 = false;
    return system.IsWow64Process(wow64) == CALL_OK && wow64;
}

bool RunsOnWindows64(ISystemInfo& system) {
    return system.Is64BitProcess() || IsWow64(system);
}

bool DisableFsRedirection(ISystemInfo& system, void*& savedState) {
    return system.Wow64DisableWow64FsRedirection(savedState) == CALL_OK;
}

bool RevertFsRedirection(ISystemInfo& system, void* savedState) {
    return system.Wow64RevertWow64FsRedirection(savedState) == CALL_OK;
}

} // namespace tonvel
