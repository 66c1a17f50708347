#pragma once
// The device's register map as far as the control panel uses it, and the register protocol's constants.

#include <cstdint>

namespace tonvel {

// Byte 1 of every register-protocol request.
inline constexpr std::uint8_t kRegisterRequestMark = 0x60;
// Byte 4: the command.
inline constexpr std::uint8_t kCommandSetAddress = 0x10;
inline constexpr std::uint8_t kCommandWriteData = 0x20;
inline constexpr std::uint8_t kCommandReadPins = 0x30;
inline constexpr std::uint8_t kCommandWritePins = 0x3C; // OR pin 9 x 2 OR pin 8
// Only the first five bytes of an output report carry meaning.
inline constexpr std::uint16_t kMeaningfulReportBytes = 5;

// 0x100 bit 2: processing enable (equalizer or 3D on); the whole register is 0 at shutdown.
inline constexpr std::uint16_t kRegProcessing = 0x100;
inline constexpr std::uint8_t kProcessingEnableBit = 0x04;

// 0x120 ... 0x129: equalizer band gains, low byte then high nibble, band 1 (60 Hz) first.
inline constexpr std::uint16_t kRegEqBandBase = 0x120;
inline constexpr std::uint16_t kRegEqBand5High = 0x129;
inline constexpr std::uint8_t kEqHigh3DOnBit = 0x10;
inline constexpr std::uint8_t kEqHighFlagB5Bit = 0x20;
inline constexpr std::uint8_t kEqHighFlagB6Bit = 0x40;
inline constexpr std::uint8_t kEqHighBypassBit = 0x80;

// 0x18A: bit 0 FBM on, bit 6 3D processing on.
inline constexpr std::uint16_t kReg3DControl = 0x18A;
inline constexpr std::uint8_t k3DFbmBit = 0x01;
inline constexpr std::uint8_t k3DProcessingBit = 0x40;
// 0x18B / 0x18C: alpha in bits 7-4, beta in bits 3-0, left / right channel.
inline constexpr std::uint16_t kReg3DLeftPair = 0x18B;
inline constexpr std::uint16_t kReg3DRightPair = 0x18C;

// Equalizer gains: 12 bits, 1024 neutral.
inline constexpr std::uint16_t kEqGainMax = 0xFFF;
inline constexpr std::uint16_t kEqGainNeutral = 0x400;

} // namespace tonvel
