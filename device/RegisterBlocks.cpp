#include "device/RegisterBlocks.h"

#include "device/HidRegisterAccess.h"
#include "device/RegisterMap.h"

namespace tonvel {

namespace {

int32_t WritePair(IHid& hid, HidHandle handle, uint16_t address, uint8_t alpha, uint8_t beta) {
    if (alpha > 15 || beta > 15) {
        return 1;
    }
    return HidWriteRegister(hid, handle, address, static_cast<uint8_t>(alpha * 16 + beta)) == 0 ? 0 : 2;
}

uint8_t PairByte(uint8_t alpha, uint8_t beta) {
    return static_cast<uint8_t>((alpha % 16) * 16 + beta % 16);
}

} // namespace

uint8_t EqBand5HighByte(const EqRegisterSet& eq) {
    auto value = static_cast<uint8_t>((eq.Gain[4] >> 8) & 0x0F);
    if (eq.Sound3DOn != 0) {
        value |= EqHigh3DOnBit;
    }
    if (eq.FlagB5 != 0) {
        value |= EqHighFlagB5Bit;
    }
    if (eq.FlagB6 != 0) {
        value |= EqHighFlagB6Bit;
    }
    if (eq.Bypass != 0) {
        value |= EqHighBypassBit;
    }
    return value;
}

int32_t WriteEqRegisters(IHid& hid, HidHandle handle, const EqRegisterSet& eq) {
    for (size_t band = 0; band < 5; ++band) {
        const auto address = static_cast<uint16_t>(RegEqBandBase + 2 * band);
        const auto step = static_cast<int32_t>(2 * band + 1);
        if (HidWriteRegister(hid, handle, address, static_cast<uint8_t>(eq.Gain[band] & 0xFF)) != 0) {
            return step;
        }
        const uint8_t high =
            band == 4 ? EqBand5HighByte(eq) : static_cast<uint8_t>((eq.Gain[band] >> 8) & 0x0F);
        if (HidWriteRegister(hid, handle, static_cast<uint16_t>(address + 1), high) != 0) {
            return step + 1;
        }
    }
    return 0;
}

int32_t Write3DRegisters(IHid& hid, HidHandle handle, const Sound3DRegisterSet& set) {
    uint8_t control = 0;
    if (HidReadRegister(hid, handle, Sound3DControlRegister, control) != 0) {
        return 1;
    }
    control = static_cast<uint8_t>(set.Fbm != 0 ? (control | Sound3DFbmBit) : (control & ~Sound3DFbmBit));
    if (HidWriteRegister(hid, handle, Sound3DControlRegister, control) != 0) {
        return 2;
    }
    if (HidWriteRegister(hid, handle, Reg3DLeftPair, PairByte(set.LeftAlpha, set.LeftBeta)) != 0) {
        return 3;
    }
    if (HidWriteRegister(hid, handle, Reg3DRightPair, PairByte(set.RightAlpha, set.RightBeta)) != 0) {
        return 4;
    }
    return 0;
}

int32_t WriteLeft3DPair(IHid& hid, HidHandle handle, uint8_t alpha, uint8_t beta) {
    return WritePair(hid, handle, Reg3DLeftPair, alpha, beta);
}

int32_t WriteRight3DPair(IHid& hid, HidHandle handle, uint8_t alpha, uint8_t beta) {
    return WritePair(hid, handle, Reg3DRightPair, alpha, beta);
}

} // namespace tonvel
