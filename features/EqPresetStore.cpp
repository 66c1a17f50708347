#include "features/EqPresetStore.h"

#include "device/RegisterMap.h"

#include <algorithm>

namespace tonvel {
namespace {

constexpr std::size_t kSlotByteAt = 14;
constexpr std::size_t kLastSlotByteAt = 15;
constexpr std::uint8_t kLastSlotBit = 0x80;
constexpr std::size_t kSwitchByteAt = 7; // gain 4 bits 11-8 with the four switch bits

std::uint8_t Low(std::uint16_t gain) {
    return static_cast<std::uint8_t>(gain & 0xFF);
}

std::uint8_t HighNibble(std::uint16_t gain) {
    return static_cast<std::uint8_t>((gain >> 8) & 0x0F);
}

// Gains 2k and 2k + 1 share three bytes: low byte, high nibble | next low nibble, next bits 11-4.
void PackPair(EQ_SLOT& slot, std::size_t at, std::uint16_t first, std::uint16_t second) {
    slot[at] = Low(first);
    slot[at + 1] = static_cast<std::uint8_t>(HighNibble(first) | ((second & 0x0F) << 4));
    slot[at + 2] = static_cast<std::uint8_t>((second >> 4) & 0xFF);
}

void UnpackPair(const EQ_SLOT& slot, std::size_t at, std::uint16_t& first, std::uint16_t& second) {
    first = static_cast<std::uint16_t>(slot[at] | ((slot[at + 1] & 0x0F) << 8));
    second = static_cast<std::uint16_t>((slot[at + 1] >> 4) | (slot[at + 2] << 4));
}

} // namespace

EqRegisterSet DefaultEqRecord() {
    EqRegisterSet record;
    record.Gain.fill(kEqGainNeutral);
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
    slot[kSwitchByteAt] = EqBand5HighByte(record);
    slot[kSlotByteAt] = record.SlotByte;
    slot[kLastSlotByteAt] = static_cast<std::uint8_t>((record.SlotByte & ~kLastSlotBit) |
                                                      (record.LastSlot != 0 ? kLastSlotBit : 0));
    return slot;
}

EqRegisterSet UnpackEqSlot(const EQ_SLOT& slot) {
    EqRegisterSet record;
    UnpackPair(slot, 0, record.Gain[0], record.Gain[1]);
    UnpackPair(slot, 3, record.Gain[2], record.Gain[3]);
    const std::uint8_t switches = slot[kSwitchByteAt];
    record.Gain[4] = static_cast<std::uint16_t>(slot[6] | ((switches & 0x0F) << 8));
    record.Sound3DOn = (switches & kEqHigh3DOnBit) != 0 ? 1 : 0;
    record.FlagB5 = (switches & kEqHighFlagB5Bit) != 0 ? 1 : 0;
    record.FlagB6 = (switches & kEqHighFlagB6Bit) != 0 ? 1 : 0;
    record.Bypass = (switches & kEqHighBypassBit) != 0 ? 1 : 0;
    record.SlotByte = slot[kSlotByteAt];
    record.LastSlot = (slot[kLastSlotByteAt] & kLastSlotBit) != 0 ? 1 : 0;
    return record;
}

std::size_t CEqPresetStore::SlotStart(int32_t index) {
    return EqSlotOffset + EqSlotBytes * static_cast<std::size_t>(std::clamp(index, 0, EqPresetCount - 1));
}

void CEqPresetStore::Pack(int32_t index, const EqRegisterSet& record) {
    const EQ_SLOT slot = PackEqSlot(record);
    std::copy(slot.begin(), slot.end(), m_Image.begin() + static_cast<std::ptrdiff_t>(SlotStart(index)));
}

EQ_SLOT CEqPresetStore::Slot(int32_t index) const {
    EQ_SLOT slot{};
    const auto start = m_Image.begin() + static_cast<std::ptrdiff_t>(SlotStart(index));
    std::copy(start, start + static_cast<std::ptrdiff_t>(EqSlotBytes), slot.begin());
    return slot;
}

EqRegisterSet CEqPresetStore::Unpack(int32_t index) const {
    return UnpackEqSlot(Slot(index));
}

} // namespace tonvel
