#include "features/EqPresetStore.h"

#include "device/RegisterMap.h"

#include <algorithm>

namespace tonvel {
namespace {

constexpr size_t SlotByteAt = 14;
constexpr size_t LastSlotByteAt = 15;
constexpr uint8_t LastSlotBit = 0x80;
constexpr size_t SwitchByteAt = 7; // gain 4 bits 11-8 with the four switch bits

uint8_t Low(uint16_t gain) {
    return static_cast<uint8_t>(gain & 0xFF);
}

uint8_t HighNibble(uint16_t gain) {
    return static_cast<uint8_t>((gain >> 8) & 0x0F);
}

// Gains 2k and 2k + 1 share three bytes: low byte, high nibble | next low nibble, next bits 11-4.
void PackPair(EQ_SLOT& slot, size_t at, uint16_t first, uint16_t second) {
    slot[at] = Low(first);
    slot[at + 1] = static_cast<uint8_t>(HighNibble(first) | ((second & 0x0F) << 4));
    slot[at + 2] = static_cast<uint8_t>((second >> 4) & 0xFF);
}

void UnpackPair(const EQ_SLOT& slot, size_t at, uint16_t& first, uint16_t& second) {
    first = static_cast<uint16_t>(slot[at] | ((slot[at + 1] & 0x0F) << 8));
    second = static_cast<uint16_t>((slot[at + 1] >> 4) | (slot[at + 2] << 4));
}

} // namespace

EqRegisterSet DefaultEqRecord() {
    EqRegisterSet record;
    record.Gain.fill(EqGainNeutral);
    record.Bypass = 1;
    record.FlagB5 = 1;
    record.FlagB6 = 1;
    record.Sound3DOn = 0;
    record.SlotByte = 0;
    record.LastSlot = 1;
    return record;
}

EQ_SLOT PackEqSlot(const EqRegisterSet& record) {
    EQ_SLOT slot{};
    PackPair(slot, 0, record.Gain[0], record.Gain[1]);
    PackPair(slot, 3, record.Gain[2], record.Gain[3]);
    slot[6] = Low(record.Gain[4]);
    // The switch bits sit where register 0x129 has them.
    slot[SwitchByteAt] = EqBand5HighByte(record);
    slot[SlotByteAt] = record.SlotByte;
    slot[LastSlotByteAt] =
        static_cast<uint8_t>((record.SlotByte & ~LastSlotBit) | (record.LastSlot != 0 ? LastSlotBit : 0));
    return slot;
}

EqRegisterSet UnpackEqSlot(const EQ_SLOT& slot) {
    EqRegisterSet record;
    UnpackPair(slot, 0, record.Gain[0], record.Gain[1]);
    UnpackPair(slot, 3, record.Gain[2], record.Gain[3]);
    const uint8_t switches = slot[SwitchByteAt];
    record.Gain[4] = static_cast<uint16_t>(slot[6] | ((switches & 0x0F) << 8));
    record.Sound3DOn = (switches & EqHigh3DOnBit) != 0 ? 1 : 0;
    record.FlagB5 = (switches & EqHighFlagB5Bit) != 0 ? 1 : 0;
    record.FlagB6 = (switches & EqHighFlagB6Bit) != 0 ? 1 : 0;
    record.Bypass = (switches & EqHighBypassBit) != 0 ? 1 : 0;
    record.SlotByte = slot[SlotByteAt];
    record.LastSlot = (slot[LastSlotByteAt] & LastSlotBit) != 0 ? 1 : 0;
    return record;
}

size_t CEqPresetStore::SlotStart(int32_t index) {
    return EqSlotOffset + EqSlotBytes * static_cast<size_t>(std::clamp(index, 0, EqPresetCount - 1));
}

void CEqPresetStore::Pack(int32_t index, const EqRegisterSet& record) {
    const EQ_SLOT slot = PackEqSlot(record);
    std::copy(slot.begin(), slot.end(), m_Image.begin() + static_cast<ptrdiff_t>(SlotStart(index)));
}

EQ_SLOT CEqPresetStore::Slot(int32_t index) const {
    EQ_SLOT slot{};
    const auto start = m_Image.begin() + static_cast<ptrdiff_t>(SlotStart(index));
    std::copy(start, start + static_cast<ptrdiff_t>(EqSlotBytes), slot.begin());
    return slot;
}

EqRegisterSet CEqPresetStore::Unpack(int32_t index) const {
    return UnpackEqSlot(Slot(index));
}

} // namespace tonvel
