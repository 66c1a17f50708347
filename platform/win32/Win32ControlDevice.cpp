#include "platform/win32/Win32ControlDevice.h"

#include <windows.h>

#include <string>

namespace tonvel::win32 {

ControlHandle CWin32ControlDevice::Open(std::u16string_view path) {
    const std::u16string text(path); // terminated copy
    HANDLE handle =
        ::CreateFileW(reinterpret_cast<const wchar_t*>(text.c_str()), GENERIC_READ | GENERIC_WRITE,
                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return NoControlHandle;
    return reinterpret_cast<ControlHandle>(handle);
}

bool CWin32ControlDevice::IoControl(ControlHandle handle, uint32_t code, const void* input,
                                    uint32_t inputSize, void* output, uint32_t outputSize,
                                    uint32_t& returned) {
    returned = 0;
    if (handle == NoControlHandle) return false;
    DWORD bytes = 0;
    // The driver does not write to the input buffer; DeviceIoControl's parameter is not const.
    const BOOL ok = ::DeviceIoControl(reinterpret_cast<HANDLE>(handle), code, const_cast<void*>(input),
                                      inputSize, output, outputSize, &bytes, nullptr);
    returned = bytes;
    return ok != FALSE;
}

void CWin32ControlDevice::Close(ControlHandle handle) {
    if (handle != NoControlHandle) ::CloseHandle(reinterpret_cast<HANDLE>(handle));
}

} // namespace tonvel::win32
