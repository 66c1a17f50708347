#include "platform/win32/Win32Audio.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <mmsystem.h>

#include <cwchar>
#include <vector>

namespace tonvel::win32 {

namespace {

// The driver messages of <mmddk.h> that ask a device for its interface path.
constexpr UINT QueryDeviceInterface = DRV_RESERVED + 12;     // DRV_QUERYDEVICEINTERFACE
constexpr UINT QueryDeviceInterfaceSize = DRV_RESERVED + 13; // DRV_QUERYDEVICEINTERFACESIZE

// The device's interface path, as its driver gives it (DRV_QUERYDEVICEINTERFACE); empty when it gives none.
std::u16string InterfacePath(UINT device) {
    ULONG bytes = 0;
    const auto id = reinterpret_cast<HWAVEIN>(static_cast<UINT_PTR>(device));
    if (::waveInMessage(id, QueryDeviceInterfaceSize, reinterpret_cast<DWORD_PTR>(&bytes), 0) !=
            MMSYSERR_NOERROR ||
        bytes < sizeof(wchar_t))
        return {};
    std::vector<wchar_t> path(bytes / sizeof(wchar_t) + 1, L'\0');
    if (::waveInMessage(id, QueryDeviceInterface, reinterpret_cast<DWORD_PTR>(path.data()), bytes) !=
        MMSYSERR_NOERROR)
        return {};
    return FromWide(path.data(), std::wcslen(path.data()));
}

} // namespace

// The wave-in devices in their order: the name from the device's capabilities, the path from its driver.
bool CWin32CaptureDevices::Enumerate(const CaptureDeviceCallback& callback) {
    const UINT count = ::waveInGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        WAVEINCAPSW caps{};
        if (::waveInGetDevCapsW(i, &caps, sizeof caps) != MMSYSERR_NOERROR) continue;
        CAPTURE_DEVICE device;
        device.HasRecord = true;
        device.Name = FromWide(caps.szPname, std::wcslen(caps.szPname));
        device.InterfacePath = InterfacePath(i);
        device.WaveInId = i;
        if (!callback(device)) break;
    }
    return true;
}

} // namespace tonvel::win32
