#pragma once
// The file version of an executable as "a.b.c.d".

#include <cstdint>
#include <string>
#include <string_view>

namespace tonvel {

class IVersionInfo;

enum FILE_VERSION_RESULT : int32_t {
    FILE_VERSION_OK = 0,
    FILE_VERSION_NONE = 1,       // the file has no version information
    FILE_VERSION_UNREADABLE = 2, // it cannot be read
    FILE_VERSION_NO_ROOT = 3,    // the root block cannot be queried
    FILE_VERSION_EMPTY_ROOT = 4, // the root block is empty
};

// Writes the file version (at most 23 characters) into text when the root block is a fixed file information
// record; text is left unchanged on every other path, including FILE_VERSION_OK with a foreign signature.
int32_t GetFileVersionString(IVersionInfo& versionInfo, std::u16string_view path, std::u16string& text);

} // namespace tonvel
