#include "device/DeviceIdGroupMatcher.h"

#include "foundation/devid/DeviceIdMgr.h"

#include <string>

namespace tonvel {

HardwareIdMatcher MatchDeviceIdGroup(const CDeviceIdMgr& group) {
    return [&group](std::u16string_view hardwareId) { return group.Match(std::u16string(hardwareId)); };
}

} // namespace tonvel
