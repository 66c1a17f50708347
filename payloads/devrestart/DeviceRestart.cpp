#include "DeviceRestart.h"

#include <windows.h>

#include <setupapi.h>

namespace devrestart {
namespace {

bool ChangeState(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD state) {
    SP_PROPCHANGE_PARAMS params{};
    params.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
    params.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
    params.StateChange = state;
    params.Scope = DICS_FLAG_CONFIGSPECIFIC;
    params.HwProfile = 0;
    return SetupDiSetClassInstallParamsW(set, &device, &params.ClassInstallHeader, sizeof(params)) &&
           SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set, &device);
}

bool RebootRequested(HDEVINFO set, SP_DEVINFO_DATA& device) {
    SP_DEVINSTALL_PARAMS_W params{};
    params.cbSize = sizeof(params);
    return SetupDiGetDeviceInstallParamsW(set, &device, &params) &&
           (params.Flags & (DI_NEEDREBOOT | DI_NEEDRESTART)) != 0;
}

ERestartResult Restart(HDEVINFO set, SP_DEVINFO_DATA& device) {
    if (!ChangeState(set, device, DICS_DISABLE)) {
        return ERestartResult::NeedsReboot;
    }
    // Once disabled, the device is always enabled again, whatever else went wrong.
    const bool enabled = ChangeState(set, device, DICS_ENABLE);
    if (!enabled || RebootRequested(set, device)) {
        return ERestartResult::NeedsReboot;
    }
    return ERestartResult::Restarted;
}

} // namespace

ERestartResult RestartDevice(const wchar_t* deviceInstanceId) {
    HDEVINFO set = SetupDiCreateDeviceInfoList(nullptr, nullptr);
    if (set == INVALID_HANDLE_VALUE) {
        return ERestartResult::NeedsReboot;
    }
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    ERestartResult result = ERestartResult::NotFound;
    if (SetupDiOpenDeviceInfoW(set, deviceInstanceId, nullptr, 0, &device)) {
        result = Restart(set, device);
    }
    SetupDiDestroyDeviceInfoList(set);
    return result;
}

} // namespace devrestart
