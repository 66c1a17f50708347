#pragma once
// A driver's control device on real Windows: CreateFileW, DeviceIoControl, CloseHandle.

#include "platform/api/ControlDevice.h"

namespace tonvel::win32 {

class CWin32ControlDevice : public IControlDevice {
public:
    ControlHandle Open(std::u16string_view path) override;
    bool IoControl(ControlHandle handle, uint32_t code, const void* input, uint32_t inputSize, void* output,
                   uint32_t outputSize, uint32_t& returned) override;
    void Close(ControlHandle handle) override;
};

} // namespace tonvel::win32
