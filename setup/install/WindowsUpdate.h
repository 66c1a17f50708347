#pragma once
// The Windows update KB3033929 that the product needs on 64-bit Windows 7 with a service pack: its package
// file written in step 5 on every system, and installed in step 8 where it is needed and missing.

#include "installation/InstallationNames.h"
#include "setup/install/InstallContext.h"

#include <cstdint>

namespace tonvel {

inline constexpr int32_t UpdateWindows7Family = 4;

// Results of writing the package file (0 otherwise; a file that could not be written is only traced).
inline constexpr int32_t UpdatePayloadMissing = 0x10000701;
inline constexpr int32_t UpdateFileFailed = 0x10000702;

// Writes the package to the system folder (the 32-bit one on 64-bit Windows): 0 or UpdatePayloadMissing.
int32_t Copy_KB3033929(const INSTALL_CONTEXT& context);

} // namespace tonvel
