#pragma once
// Writing bytes to a file in one go.

#include <cstdint>
#include <string>

namespace tonvel {

class IFileSystem;

enum WRITE_BINARY_FILE_RESULT : int32_t {
    WRITE_BINARY_FILE_OK = 0,
    WRITE_BINARY_FILE_CANNOT_OPEN = 1,
    WRITE_BINARY_FILE_SHORT = 2, // fewer bytes were written than asked
};

// Creates or overwrites the file with the bytes.
int32_t WriteBinaryFile(IFileSystem& files, const std::u16string& path, const void* bytes, uint32_t count);

} // namespace tonvel
