#pragma once
// Step 2's constants: the service program's registration run (its file is named in InstallationNames.h).

#include "installation/InstallationNames.h"

#include <cstdint>

namespace tonvel {

// The service program, run with this argument, registers the service and ends.
inline constexpr char16_t ServiceRegistrationArgument[] = u" /Service";
inline constexpr uint32_t ServiceRegistrationMs = 100000;
inline constexpr uint32_t ServiceRegisteredCode = 0; // its exit code when the service is registered

} // namespace tonvel
