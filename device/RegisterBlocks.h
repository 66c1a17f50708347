#pragma once
// The equalizer's and the 3D effect's register records and their block writes.

#include "platform/api/Hid.h"

#include <array>
#include <cstdint>

namespace tonvel {

// The equalizer's registers 0x120-0x129 (also the equalizer's working state).
struct EqRegisterSet {
    std::array<uint16_t, 5> Gain{}; // bands 60, 300, 1200, 3600, 12000 Hz; bits 11-0
    int32_t Bypass = 0;             // 0x129 bit 7: equalizer off
    int32_t FlagB5 = 1;             // 0x129 bit 5, always 1
    int32_t FlagB6 = 1;             // 0x129 bit 6, always 1
    int32_t Sound3DOn = 0;          // 0x129 bit 4
    uint8_t SlotByte = 0;           // preset-slot byte only
    int32_t LastSlot = 0;           // preset-slot flag only
};

// The 3D effect's registers 0x18A (FBM bit) and 0x18B / 0x18C (alpha and beta per channel).
struct Sound3DRegisterSet {
    int32_t Reserved = 0; // never sent
    int32_t Fbm = 0;
    uint8_t LeftAlpha = 0;
    uint8_t LeftBeta = 0;
    uint8_t RightAlpha = 0;
    uint8_t RightBeta = 0;
};

// The value of register 0x129: band 5 bits 11-8 with the switch bits.
uint8_t EqBand5HighByte(const EqRegisterSet& eq);

// Ten register writes 0x120 ... 0x129; 0 or the number (1-10) of the write that failed, nothing sent after
// it.
int32_t WriteEqRegisters(IHid& hid, HidHandle handle, const EqRegisterSet& eq);
// 0; 1 reading 0x18A failed; 2 writing 0x18A failed; 3 writing 0x18B failed; 4 writing 0x18C failed.
int32_t Write3DRegisters(IHid& hid, HidHandle handle, const Sound3DRegisterSet& set);
// 0; 1 alpha or beta above 15 (nothing sent); 2 the register write failed.
int32_t WriteLeft3DPair(IHid& hid, HidHandle handle, uint8_t alpha, uint8_t beta);
int32_t WriteRight3DPair(IHid& hid, HidHandle handle, uint8_t alpha, uint8_t beta);

} // namespace tonvel
