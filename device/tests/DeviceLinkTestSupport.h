#pragma once
// What the device link's tests share: the USB device-ID group of the simulated headset and the check of the
// link's presence.

#include "base/text/Utf.h"
#include "device/DeviceLink.h"

#include <gtest/gtest.h>

namespace tonvel::test {

// The product's USB group as the configuration's entries give it: "USB\VID_7F1C&PID_72XX&REV_0100&MI_00".
inline const HardwareIdMatcher UsbGroup = [](std::u16string_view id) {
    const std::u16string upper = AsciiUpper(id);
    return upper.size() == 36 && upper.rfind(u"USB\\VID_7F1C&PID_72", 0) == 0 &&
           upper.substr(21) == u"&REV_0100&MI_00";
};

// Present: both flags 1 and the presence handle held; absent: both 0 and none.
inline void ExpectPresent(const CDeviceLink& link, bool present) {
    EXPECT_EQ(link.DeviceConnected(), present ? 1 : 0);
    EXPECT_EQ(link.Synchronisation(), present ? 1 : 0);
    EXPECT_EQ(link.HasPresenceHandle(), present);
}

} // namespace tonvel::test
