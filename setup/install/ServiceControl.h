#pragma once
// The helper service through the service control manager: start it and wait until it runs, stop it and
// wait until it has stopped, or send it a control code.

#include "platform/api/Platform.h"

#include <cstdint>
#include <string_view>

namespace tonvel {

inline constexpr char16_t HelperServiceName[] = u"Castorel";
inline constexpr int32_t ServiceStartRequest = 0; // other codes than these two are sent as control codes
inline constexpr int32_t ServiceStopRequest = 1;
inline constexpr int32_t ServiceResetControl = 128;

// Results: 0 done; 1 service control manager not opened; 2 service not opened; 3 status not readable;
// 4 stop request refused; 5 not stopped after polling; 6 start refused; 7 not running after polling.
inline constexpr int32_t ServiceManagerNotOpened = 1;

// The platform has no service control manager yet: every request ends as on a system where it cannot be
// opened, which is what a first installation sees of a service that is not installed.
int32_t ControlServiceByName(const Platform& platform, std::u16string_view serviceName, int32_t request);

} // namespace tonvel
