#include "features/RegisterBits.h"

#include "device/HidRegisterAccess.h"

namespace tonvel {

int32_t ChangeRegisterBits(IHid& hid, HidHandle handle, uint16_t address, uint8_t mask, bool on,
                           int32_t readFailed, int32_t writeFailed) {
    uint8_t value = 0;
    if (HidReadRegister(hid, handle, address, value) != 0) return readFailed;
    value = static_cast<uint8_t>(on ? (value | mask) : (value & ~mask));
    return HidWriteRegister(hid, handle, address, value) == 0 ? 0 : writeFailed;
}

} // namespace tonvel
