#include "features/EqBandWrite.h"

#include "device/HidRegisterAccess.h"
#include "device/RegisterMap.h"
#include "features/DeviceWriteStatus.h"

namespace tonvel {
namespace {

constexpr int32_t SharedHighBand = 4;
constexpr uint8_t SwitchBits = 0xF0; // 0x129 bits 7-4

} // namespace

int32_t WriteEqBandGain(IHid& hid, HidHandle handle, int32_t band, uint16_t gain) {
    const auto low = static_cast<uint16_t>(RegEqBandBase + 2 * band);
    if (HidWriteRegister(hid, handle, low, static_cast<uint8_t>(gain & 0xFF)) != 0) return BandLowWriteFailed;
    uint8_t upper = 0;
    if (band == SharedHighBand) {
        if (HidReadRegister(hid, handle, EqBand5HighRegister, upper) != 0) return BandHighReadFailed;
        upper &= SwitchBits;
    }
    const auto high = static_cast<uint8_t>(upper | ((gain >> 8) & 0x0F));
    return HidWriteRegister(hid, handle, static_cast<uint16_t>(low + 1), high) == 0 ? WriteSent
                                                                                    : BandHighWriteFailed;
}

} // namespace tonvel
