#pragma once
// The device-ID group as the matcher of the device search: start-up discovery asks the group loaded from
// the configuration file whether a hardware ID belongs to the supported hardware.

#include "device/DeviceSearch.h"
#include "foundation/config/ProductNames.h"

#include <string_view>

namespace tonvel {

class CDeviceIdMgr;

// The configuration section that holds the USB device-ID group.
inline constexpr std::u16string_view kUsbDeviceIdSection = UsbDeviceIdSection;

// A matcher that answers with the group's Match. It refers to the group, which must outlive it.
HardwareIdMatcher MatchDeviceIdGroup(const CDeviceIdMgr& group);

} // namespace tonvel
