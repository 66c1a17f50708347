#pragma once
// Step 5's limits: the configuration file is copied beside the control panel and into the user's folder
// (their names are in InstallationPaths.h).

#include <cstddef>

namespace tonvel {

// The user's application-data folder is read into a buffer of this many units (terminator included).
inline constexpr size_t UserFolderUnits = 256;

} // namespace tonvel
