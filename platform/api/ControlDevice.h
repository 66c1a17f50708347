#pragma once
// A driver's named control device: CreateFileW, DeviceIoControl, CloseHandle.

#include <cstdint>
#include <string_view>

namespace tonvel {

// An open control device; NoControlHandle is "none".
using ControlHandle = uintptr_t;
inline constexpr ControlHandle NoControlHandle = 0;

class IControlDevice {
public:
    virtual ~IControlDevice() = default;

    // CreateFileW: read and write access, shared for reading and writing, existing only, no flags.
    virtual ControlHandle Open(std::u16string_view path) = 0;
    // DeviceIoControl without an overlapped record; `returned` receives the number of bytes the driver gave
    // back.
    virtual bool IoControl(ControlHandle handle, uint32_t code, const void* input, uint32_t inputSize,
                           void* output, uint32_t outputSize, uint32_t& returned) = 0;
    // CloseHandle.
    virtual void Close(ControlHandle handle) = 0;
};

} // namespace tonvel
