#pragma once
// The equalizer's four presets in the window's 2048-byte configuration image: slot n (1-4) is 16 bytes at
// 0x100 + 16 x (n - 1), the five 12-bit gains packed in pairs of bytes and a half with the switch bits,
// then the slot bytes. The rest of the image plays no part.

#include "device/RegisterBlocks.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tonvel {

inline constexpr size_t EqImageBytes = 2048;
inline constexpr size_t EqSlotBytes = 16;
inline constexpr size_t EqSlotOffset = 0x100;
inline constexpr int32_t EqPresetCount = 4;

using EQ_SLOT = std::array<uint8_t, EqSlotBytes>;

// The equalizer's record as it starts and as Reset leaves it: neutral gains, bypassed, last slot.
EqRegisterSet DefaultEqRecord();

// One slot's bytes for a record (the slot is zeroed first), and the record a slot holds.
EQ_SLOT PackEqSlot(const EqRegisterSet& record);
EqRegisterSet UnpackEqSlot(const EQ_SLOT& slot);

class CEqPresetStore {
public:
    // Every byte of the image 0xFF.
    void Clear() { m_Image.fill(0xFF); }
    // Preset index 0-3.
    void Pack(int32_t index, const EqRegisterSet& record);
    EqRegisterSet Unpack(int32_t index) const;
    EQ_SLOT Slot(int32_t index) const;
    const std::array<uint8_t, EqImageBytes>& Image() const { return m_Image; }

private:
    static size_t SlotStart(int32_t index);

    std::array<uint8_t, EqImageBytes> m_Image{};
};

} // namespace tonvel
