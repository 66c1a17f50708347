#pragma once
// Test files for the INI engine tests, read back through a real file system: the simulated one natively, the
// kernel's under wine. They live in a private temporary folder that is removed at exit.

#include "foundation/ini/IniMgr.h"
#include "platform/api/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

namespace tonvel::test {

// The file system the test files are written to and loaded through.
IFileSystem& IniTestFiles();
// Writes the bytes to a file of this name in the test folder and returns its full path.
std::u16string WriteIniTestFile(std::u16string_view name, std::string_view bytes);
// The full path of a name in the test folder (the file need not exist); the folder itself for "".
std::u16string IniTestPath(std::u16string_view name);

// Writes the bytes to a scratch file and loads it into ini; returns LoadFile's result.
int32_t LoadIniBytes(CIniMgr& ini, std::string_view bytes);

// Lines as strings, to compare with the expected ones.
inline std::vector<std::u16string> Strings(const std::vector<std::u16string_view>& lines) {
    return std::vector<std::u16string>(lines.begin(), lines.end());
}

} // namespace tonvel::test
