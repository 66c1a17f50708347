#pragma once
// Simulated resources of the own executable: numeric IDs with named types (type names compare without
// case, as Windows stores them upper-cased).

#include "platform/api/Resources.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tonvel::sim {

class CSimResources : public IResources {
public:
    void AddResource(uint16_t id, const std::u16string& typeName, std::vector<uint8_t> bytes);
    // LoadResource fails for every resource.
    void SetLoadFails(bool fails) { m_LoadFails = fails; }

    RESOURCE_INFO_HANDLE FindOwnResource(uint16_t id, std::u16string_view typeName) override;
    uint32_t SizeofResource(RESOURCE_INFO_HANDLE info) override;
    RESOURCE_DATA_HANDLE LoadResource(RESOURCE_INFO_HANDLE info) override;
    const void* LockResource(RESOURCE_DATA_HANDLE data) override;

private:
    struct SIM_RESOURCE {
        std::vector<uint8_t> bytes;
    };
    // Entries are never removed, so their addresses serve as handles for the program's lifetime.
    std::map<std::pair<uint16_t, std::u16string>, SIM_RESOURCE> m_Resources;
    bool m_LoadFails = false;
};

} // namespace tonvel::sim
