#pragma once
// One band's gain to its two registers: the low byte, then the high nibble. Band 5 shares its high
// register with the equalizer's switch bits, which the write reads and keeps.

#include "platform/api/Hid.h"

#include <cstdint>

namespace tonvel {

// Band 0-4 (60 ... 12000 Hz). 0; 2 low-byte write failed; 3 reading 0x129 failed; 4 high-nibble write
// failed. Nothing is sent after the failed step.
int32_t WriteEqBandGain(IHid& hid, HidHandle handle, int32_t band, uint16_t gain);

} // namespace tonvel
