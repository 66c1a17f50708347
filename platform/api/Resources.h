#pragma once
// Resources of the program's own executable: FindResource, SizeofResource, LoadResource, LockResource.

#include <cstdint>
#include <string_view>

namespace tonvel {

using RESOURCE_INFO_HANDLE = void*; // HRSRC
using RESOURCE_DATA_HANDLE = void*; // HGLOBAL of a loaded resource

class IResources {
public:
    virtual ~IResources() = default;

    // FindResourceW in the own module with a numeric ID and a named type; null when it is not there.
    virtual RESOURCE_INFO_HANDLE FindOwnResource(uint16_t id, std::u16string_view typeName) = 0;
    virtual uint32_t SizeofResource(RESOURCE_INFO_HANDLE info) = 0;
    virtual RESOURCE_DATA_HANDLE LoadResource(RESOURCE_INFO_HANDLE info) = 0;
    // The bytes stay valid for the life of the program.
    virtual const void* LockResource(RESOURCE_DATA_HANDLE data) = 0;
};

} // namespace tonvel
