#include "setup/install/InstallPayload.h"

#include "foundation/helpers/BinaryFile.h"
#include "foundation/helpers/ResourceBytes.h"

namespace tonvel {

bool HasPayload(const Platform& platform, uint16_t id, const std::u16string& type) {
    uint32_t size = 0;
    return LoadResourceBytes(*platform.resources, id, type, size) != nullptr;
}

int32_t WritePayload(const Platform& platform, uint16_t id, const std::u16string& type,
                     const std::u16string& path) {
    uint32_t size = 0;
    const uint8_t* bytes = LoadResourceBytes(*platform.resources, id, type, size);
    if (bytes == nullptr) return WRITE_PAYLOAD_MISSING;
    if (WriteBinaryFile(*platform.files, path, bytes, size) != WRITE_BINARY_FILE_OK)
        return WRITE_PAYLOAD_NOT_WRITTEN;
    return WRITE_PAYLOAD_OK;
}

} // namespace tonvel
