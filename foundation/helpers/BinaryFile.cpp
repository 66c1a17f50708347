#include "foundation/helpers/BinaryFile.h"

#include "platform/api/FileSystem.h"

namespace tonvel {

int32_t WriteBinaryFile(IFileSystem& files, const std::u16string& path, const void* bytes, uint32_t count) {
    const int32_t status = files.WriteAll(path, bytes, count);
    if (status == FileOk) return WRITE_BINARY_FILE_OK;
    // The file system reports a write that stopped short as a write fault; anything else kept the file from
    // being opened.
    if (status == FileWriteFault) return WRITE_BINARY_FILE_SHORT;
    return WRITE_BINARY_FILE_CANNOT_OPEN;
}

} // namespace tonvel
