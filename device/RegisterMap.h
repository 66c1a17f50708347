#pragma once
// The device's register map as far as the control panel uses it, and the register protocol's constants.

#include <cstdint>

namespace tonvel {

// Byte 1 of every register-protocol request.
inline constexpr uint8_t RegisterRequestMark = 0x60;
// Byte 4: the command.
inline constexpr uint8_t CommandSetAddress = 0x10;
inline constexpr uint8_t CommandWriteData = 0x20;
inline constexpr uint8_t CommandReadPins = 0x30;
inline constexpr uint8_t CommandWritePins = 0x3C; // OR pin 9 x 2 OR pin 8
// Only the first five bytes of an output report carry meaning.
inline constexpr uint16_t MeaningfulReportBytes = 5;

// 0x100 bit 2: processing enable (equalizer or 3D on); the whole register is 0 at shutdown.
inline constexpr uint16_t ProcessingEnableRegister = 0x100;
inline constexpr uint8_t ProcessingEnableBit = 0x04;

// 0x120 ... 0x129: equalizer band gains, low byte then high nibble, band 1 (60 Hz) first.
inline constexpr uint16_t RegEqBandBase = 0x120;
inline constexpr uint16_t EqBand5HighRegister = 0x129;
inline constexpr uint8_t EqHigh3DOnBit = 0x10;
inline constexpr uint8_t EqHighFlagB5Bit = 0x20;
inline constexpr uint8_t EqHighFlagB6Bit = 0x40;
inline constexpr uint8_t EqHighBypassBit = 0x80;

// 0x18A: bit 0 FBM on, bit 6 3D processing on.
inline constexpr uint16_t Sound3DControlRegister = 0x18A;
inline constexpr uint8_t Sound3DFbmBit = 0x01;
inline constexpr uint8_t Sound3DProcessingBit = 0x40;
// 0x18B / 0x18C: alpha in bits 7-4, beta in bits 3-0, left / right channel.
inline constexpr uint16_t Reg3DLeftPair = 0x18B;
inline constexpr uint16_t Reg3DRightPair = 0x18C;

// Equalizer gains: 12 bits, 1024 neutral.
inline constexpr uint16_t EqGainMax = 0xFFF;
inline constexpr uint16_t EqGainNeutral = 0x400;

} // namespace tonvel
