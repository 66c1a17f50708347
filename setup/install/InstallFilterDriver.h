#pragma once
// Install step 1 (the filter driver's service key and file) and the detach of an old filter before it.
// Both are declared with the other steps in InstallSteps.h.

#include <cstdint>

namespace tonvel {

// The driver payloads: 103 for 64-bit Windows, 102 for 32-bit Windows.
inline constexpr char16_t DriverResourceType[] = u"DRIVER";
inline constexpr uint16_t DriverResource32 = 102;
inline constexpr uint16_t DriverResource64 = 103;

} // namespace tonvel
