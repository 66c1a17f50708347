#pragma once
// The device-ID group as the matcher of the device search: start-up discovery asks the group loaded from
// the configuration file whether a hardware ID belongs to the supported hardware.

#include "device/DeviceSearch.h"
#include "foundation/config/ProductNames.h"

namespace tonvel {

class CDeviceIdMgr;

// A matcher that answers with the group's Match. It refers to the group, which must outlive it.
HardwareIdMatcher MatchDeviceIdGroup(const CDeviceIdMgr& group);

} // namespace tonvel
