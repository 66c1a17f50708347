#include "foundation/helpers/ResourceBytes.h"

#include "platform/api/Resources.h"

namespace tonvel {

const uint8_t* LoadResourceBytes(IResources& resources, uint16_t id, std::u16string_view typeName,
                                 uint32_t& size) {
    size = 0;
    RESOURCE_INFO_HANDLE info = resources.FindOwnResource(id, typeName);
    if (!info) return nullptr;
    const uint32_t length = resources.SizeofResource(info);
    if (length == 0) return nullptr;
    RESOURCE_DATA_HANDLE data = resources.LoadResource(info);
    if (!data) return nullptr;
    const void* bytes = resources.LockResource(data);
    if (!bytes) return nullptr;
    size = length;
    return static_cast<const uint8_t*>(bytes);
}

} // namespace tonvel
