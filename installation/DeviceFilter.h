#pragma once
// The product's devices in a SetupAPI device list, and the filter driver's entry in their UpperFilters.

#include "platform/api/DeviceInstall.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace tonvel {

class CDeviceIdMgr;

inline constexpr int32_t DevicePassDone = 0;
inline constexpr int32_t DeviceListUnavailable = 1;
inline constexpr int32_t DeviceFilterNotWritten = 2; // a device's filter list could not be written back

using MATCHING_DEVICE_VISITOR = std::function<void(DeviceListHandle list, const DEVICE_INFO_DATA& device)>;

// Lists the devices with these flags and visits each one whose first hardware ID matches the group (same
// length as the pattern, accepted by the group). DeviceListUnavailable when the list cannot be made.
int32_t ForEachMatchingDevice(IDeviceInstall& install, std::u16string_view classGuid,
                              std::u16string_view pattern, const CDeviceIdMgr& group, uint32_t flags,
                              const MATCHING_DEVICE_VISITOR& visit);

// Every matching device (present or not) loses the filter's entries from its UpperFilters, found in any
// letter case and at any position; the other drivers' entries are written back in their order, and the
// value is deleted only when nothing is left. DevicePassDone after the pass; DeviceFilterNotWritten when a
// device's list could not be written (that device still names the filter; the others are done).
int32_t RemoveUpperFilter(IDeviceInstall& install, std::u16string_view classGuid, std::u16string_view pattern,
                          const CDeviceIdMgr& group, std::u16string_view filterName);

} // namespace tonvel
