#pragma once
// Step 5's names: the configuration file copied beside the control panel and into the user's folder.

#include <cstddef>

namespace tonvel {

inline constexpr char16_t InstallConfigFileName[] = u"AudioConfig.cfg";
inline constexpr char16_t UserFolderVariable[] = u"APPDATA";
// The user's application-data folder is read into a buffer of this many units (terminator included).
inline constexpr size_t UserFolderUnits = 256;

} // namespace tonvel
