#pragma once
// GUIDs as the registry writes them: "{4D1E55B2-F16F-11CF-88CB-001111000030}", upper-case hexadecimal.

#include <windows.h>

#include <string>
#include <string_view>

namespace tonvel::win32 {

// The registry form of a GUID.
std::u16string GuidText(const GUID& guid);
// Reads the registry form (either letter case, braces required); false leaves `guid` unchanged.
bool ParseGuid(std::u16string_view text, GUID& guid);

} // namespace tonvel::win32
