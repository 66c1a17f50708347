#pragma once
// The filter driver's control channel: four device-control requests with small fixed buffers. Each request
// opens and closes the control device itself.

#include "platform/api/ControlDevice.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tonvel {

inline constexpr std::u16string_view FilterChannelPath = u"\\\\.\\Class#PelixChannel&7F1C&00";

// CTL_CODE(FILE_DEVICE_UNKNOWN, function, METHOD_BUFFERED, FILE_ANY_ACCESS).
constexpr uint32_t FilterRequestCode(uint32_t function) {
    return (0x22u << 16) | (function << 2);
}

inline constexpr uint32_t DriverGeneralRequestCode = FilterRequestCode(0xC0A);
inline constexpr uint32_t DriverSelectEffectCode = FilterRequestCode(0xC3C);
inline constexpr uint32_t DriverSetVirtualSpeakersCode = FilterRequestCode(0xC50);
inline constexpr uint32_t DriverQueryStateCode = FilterRequestCode(0xC64);
static_assert(DriverGeneralRequestCode == 0x223028 && DriverSelectEffectCode == 0x2230F0 &&
              DriverSetVirtualSpeakersCode == 0x223140 && DriverQueryStateCode == 0x223190);

// Eight gains then eight directions (radians), speakers in the order L, R, C, SUB, LS, RS, LB, RB.
using VirtualSpeakerParameters = std::array<float, 16>;

// 0 done (`value` replaced by the reply); 1 the control device cannot be opened; 2 the request failed;
// 3 the request returned no bytes.
int32_t DriverGeneralRequest(IControlDevice& control, uint16_t selector, uint32_t& value);
// 0 done; 1 cannot open; 2 request failed.
int32_t DriverSelectEffect(IControlDevice& control, uint32_t effect);
// 0 done; 1 cannot open; 2 request failed.
int32_t DriverSetVirtualSpeakers(IControlDevice& control, uint32_t enable,
                                 const VirtualSpeakerParameters& parameters);
// 0 done (`value` = the reply); 1 cannot open; 2 request failed.
int32_t DriverQueryState(IControlDevice& control, uint32_t& value);

// The driver reset a device arrival does: state query; virtual speakers off with sixteen zeros; general
// request with selector 0 and value 0. The results are not used.
void ResetFilterDriver(IControlDevice& control);

} // namespace tonvel
