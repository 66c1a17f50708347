#pragma once
// Opening a host file by its UTF-16 path for binary reading, and taking its length.

#include <cstdint>
#include <cstdio>
#include <string>

namespace tonvel {

// Opens the file for binary reading ("rb"); null if it cannot be opened.
std::FILE* OpenFileForReading(const std::u16string& path);

// Takes the length of an open file and leaves the position at its start; false if it cannot be determined.
bool GetOpenFileLength(std::FILE* file, std::uint64_t* length);

} // namespace tonvel
