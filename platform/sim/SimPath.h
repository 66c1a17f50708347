#pragma once
// Windows path rules for the simulation: drive letters, backslashes (forward slashes accepted), "." and
// ".." folded, trailing dots and blanks of names dropped, names compared regardless of letter case.

#include <string>
#include <string_view>
#include <vector>

namespace tonvel::sim {

struct SIM_PATH {
    char16_t drive = u'\0';            // upper-case drive letter
    std::vector<std::u16string> names; // the names below the drive's root
};

// Splits an absolute ("C:\a\b") or relative ("a\b", "\a", resolved against `current`) Windows path.
// False for paths the simulation does not know (UNC, devices, another drive form).
bool ParseWindowsPath(const std::u16string& path, const std::u16string& current, SIM_PATH& out);

// Case-insensitive comparison of names as Windows does it for ASCII and Latin-1 letters.
bool SameName(std::u16string_view a, std::u16string_view b);
char16_t FoldCase(char16_t c);

} // namespace tonvel::sim
