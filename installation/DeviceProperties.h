#pragma once
// Reading a device's string properties (hardware IDs, upper filters) through SetupAPI, and the rule that
// says whether a device belongs to the product: its first hardware ID has the pattern's length and the
// device-ID group accepts it.

#include "platform/api/DeviceInstall.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonvel {

class CDeviceIdMgr;

// The property's bytes in a zeroed buffer of twice the reported size plus 4 bytes, and its value type;
// false when the property cannot be read.
bool GetDeviceStringProperty(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device,
                             uint32_t property, std::vector<uint8_t>& bytes, uint32_t& valueType);
// The strings of a multi-string property (an empty list when it cannot be read or is no multi-string).
std::vector<std::u16string> DeviceMultiString(IDeviceInstall& install, DeviceListHandle list,
                                              const DEVICE_INFO_DATA& device, uint32_t property);
// True when the property is a multi-string whose first string is `name`, ignoring letter case.
bool UpperFilterIs(IDeviceInstall& install, DeviceListHandle list, const DEVICE_INFO_DATA& device,
                   std::u16string_view name, uint32_t property);
// ASCII letters compared without regard to case (driver names are ASCII).
bool SameNameNoCase(std::u16string_view a, std::u16string_view b);
// The matching rule for one hardware ID.
bool DeviceIdMatches(std::u16string_view hardwareId, std::u16string_view pattern, const CDeviceIdMgr& group);

} // namespace tonvel
