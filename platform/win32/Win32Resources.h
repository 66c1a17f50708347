#pragma once
// FindResourceW / SizeofResource / LoadResource / LockResource on the program's own module.

#include "platform/api/Resources.h"

namespace tonvel::win32 {

class CWin32Resources : public IResources {
public:
    RESOURCE_INFO_HANDLE FindOwnResource(uint16_t id, std::u16string_view typeName) override;
    uint32_t SizeofResource(RESOURCE_INFO_HANDLE info) override;
    RESOURCE_DATA_HANDLE LoadResource(RESOURCE_INFO_HANDLE info) override;
    const void* LockResource(RESOURCE_DATA_HANDLE data) override;
};

} // namespace tonvel::win32
