#pragma once
// What the equalizer's and the 3D effect's device writes return: WriteSent when everything went out, else
// the step that failed (nothing is sent after it). Each write counts its own steps.

#include <cstdint>

namespace tonvel {

inline constexpr int32_t WriteSent = 0;

// A processing switch: its bit (EQ: 0x100 bit 2; 3D: 0x18A bit 6) and, when on, the feature's whole block.
inline constexpr int32_t SwitchNoDevice = 1;
inline constexpr int32_t SwitchOnReadFailed = 2;
inline constexpr int32_t SwitchOnWriteFailed = 3;
inline constexpr int32_t SwitchBlockFailed = 4;
inline constexpr int32_t SwitchOffReadFailed = 5;
inline constexpr int32_t SwitchOffWriteFailed = 6;
inline constexpr int32_t SwitchIdleFailed = 7;

// One equalizer band's gain: the low byte, then the high nibble (band 5 reads 0x129 first).
inline constexpr int32_t BandNoDevice = 1;
inline constexpr int32_t BandLowWriteFailed = 2;
inline constexpr int32_t BandHighReadFailed = 3;
inline constexpr int32_t BandHighWriteFailed = 4;
inline constexpr int32_t BandIdleFailed = 5;

// A bit of 0x129 beside the band gains (bypass, 3D on), a transaction of its own whose outcome nobody reads.
inline constexpr int32_t FlagUnreported = 0;
inline constexpr int32_t FlagReadFailed = 1;
inline constexpr int32_t FlagWriteFailed = 2;

// A preset's equalizer block.
inline constexpr int32_t PresetNoDevice = 1;
inline constexpr int32_t PresetBlockFailed = 2;
inline constexpr int32_t PresetIdleFailed = 3;

// The Reset buttons: the default block, in a transaction that sends no idle report.
inline constexpr int32_t NoIdleReportStatus = 0;
inline constexpr int32_t EqResetNoDevice = 3;
inline constexpr int32_t EqResetBlockFailed = 4;
inline constexpr int32_t Sound3DResetNoDevice = 2;
inline constexpr int32_t Sound3DResetBlockFailed = 3;

// The 3D page's FBM switch (0x18A bit 0).
inline constexpr int32_t FbmNoDevice = 2;
inline constexpr int32_t FbmReadFailed = 3;
inline constexpr int32_t FbmWriteFailed = 4;
inline constexpr int32_t FbmIdleFailed = 5;

// One side's 3D channels: 0x18A bit 0, then both pair registers (0x18B, 0x18C).
inline constexpr int32_t ChannelsNoDevice = 1;
inline constexpr int32_t ChannelsFbmReadFailed = 2;
inline constexpr int32_t ChannelsFbmWriteFailed = 3;
inline constexpr int32_t ChannelsLeftPairFailed = 4;
inline constexpr int32_t ChannelsRightPairFailed = 5;
inline constexpr int32_t ChannelsIdleFailed = 7;

} // namespace tonvel
