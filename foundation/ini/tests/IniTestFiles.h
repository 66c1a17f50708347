#pragma once
// Test files for the INI engine tests: written into a private temporary folder that is removed at exit.

#include "foundation/ini/IniMgr.h"

#include <string>
#include <string_view>

namespace tonvel::test {

// Writes the bytes to a file of this name in the test folder and returns its full path.
std::u16string WriteIniTestFile(std::u16string_view name, std::string_view bytes);
// The full path of a name in the test folder (the file need not exist).
std::u16string IniTestPath(std::u16string_view name);

// Writes the bytes to a scratch file and loads it into ini; returns LoadFile's result.
std::int32_t LoadIniBytes(CIniMgr& ini, std::string_view bytes);

} // namespace tonvel::test
