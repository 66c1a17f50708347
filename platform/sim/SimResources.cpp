#include "platform/sim/SimResources.h"

#include "base/text/Utf.h"

namespace tonvel::sim {

void CSimResources::AddResource(uint16_t id, const std::u16string& typeName, std::vector<uint8_t> bytes) {
    m_Resources[{id, AsciiUpper(typeName)}].bytes = std::move(bytes);
}

RESOURCE_INFO_HANDLE CSimResources::FindOwnResource(uint16_t id, std::u16string_view typeName) {
    const auto found = m_Resources.find({id, AsciiUpper(typeName)});
    return found == m_Resources.end() ? nullptr : &found->second;
}

uint32_t CSimResources::SizeofResource(RESOURCE_INFO_HANDLE info) {
    return info ? static_cast<uint32_t>(static_cast<SIM_RESOURCE*>(info)->bytes.size()) : 0;
}

RESOURCE_DATA_HANDLE CSimResources::LoadResource(RESOURCE_INFO_HANDLE info) {
    return m_LoadFails ? nullptr : info;
}

const void* CSimResources::LockResource(RESOURCE_DATA_HANDLE data) {
    if (!data) return nullptr;
    const auto& bytes = static_cast<SIM_RESOURCE*>(data)->bytes;
    return bytes.empty() ? nullptr : bytes.data();
}

} // namespace tonvel::sim
