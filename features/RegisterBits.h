#pragma once
// Read-modify-write of single register bits: the other bits of the register are kept.

#include "platform/api/Hid.h"

#include <cstdint>

namespace tonvel {

// Reads the register, sets (on) or clears the bits of `mask` and writes the byte back. 0; `readFailed` when
// the read failed (nothing written); `writeFailed` when the write failed.
int32_t ChangeRegisterBits(IHid& hid, HidHandle handle, uint16_t address, uint8_t mask, bool on,
                           int32_t readFailed, int32_t writeFailed);

} // namespace tonvel
