#pragma once
// The search for the first present device whose hardware ID belongs to a device-ID group.

#include "platform/api/DeviceInstall.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tonvel {

// The device-ID group's answer for one hardware ID (CDeviceIdMgr::Match).
using HardwareIdMatcher = std::function<bool(std::u16string_view hardwareId)>;

// The pattern the control panel searches with; only its length (36) takes part.
inline constexpr std::u16string_view DiscoveryPattern = u"USB\\VID_7F1C&PID_72XX&REV_0100&MI_00";

// Lists the devices (`flags`: the control panel lists the present devices with an interface of `classGuid`;
// the setup all present devices), and returns 1 at the first device whose first hardware ID has the
// pattern's length and is accepted by `match` (copied to `hardwareId` when given), 1 when the list cannot
// be made (`hardwareId` unchanged), and 0 when no device matches.
int32_t FindMatchingDevice(IDeviceInstall& install, std::u16string_view classGuid,
                           std::u16string_view pattern, const HardwareIdMatcher& match,
                           std::u16string* hardwareId, uint32_t flags = DigcfPresent | DigcfDeviceInterface);

// The first string of a device's multi-string property, or nothing when it cannot be read: asks for the
// size, then reads into a zeroed buffer of twice that size plus 4 bytes.
bool ReadFirstPropertyString(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device,
                             uint32_t property, std::u16string& text);

} // namespace tonvel
