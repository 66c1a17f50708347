#include "platform/sim/SimDeviceNotifications.h"

#include <vector>

namespace tonvel::sim {

uint32_t CSimDeviceNotifications::Register(DeviceChangeHandler handler) {
    const uint32_t id = m_Next++;
    m_Handlers.emplace(id, std::move(handler));
    return id;
}

uint32_t CSimDeviceNotifications::RegisterHandle(uintptr_t handle, HandleChangeHandler handler) {
    const uint32_t id = m_Next++;
    m_HandleHandlers.emplace(id, HANDLE_ENTRY{handle, std::move(handler)});
    return id;
}

void CSimDeviceNotifications::Unregister(uint32_t registration) {
    m_Handlers.erase(registration);
    m_HandleHandlers.erase(registration);
}

size_t CSimDeviceNotifications::PostHandle(uintptr_t handle, uint32_t event) {
    std::vector<uint32_t> ids;
    for (const auto& [id, entry] : m_HandleHandlers)
        if (entry.Handle == handle) ids.push_back(id);
    size_t told = 0;
    for (uint32_t id : ids) {
        auto it = m_HandleHandlers.find(id);
        if (it == m_HandleHandlers.end()) continue;
        HandleChangeHandler handler = it->second.Handler;
        handler(event);
        ++told;
    }
    return told;
}

void CSimDeviceNotifications::Post(uint32_t event, const DEVICE_CHANGE_RECORD& record) {
    // A handler may unregister while it runs: walk a copy of the registration numbers.
    std::vector<uint32_t> ids;
    for (const auto& entry : m_Handlers) {
        ids.push_back(entry.first);
    }
    for (uint32_t id : ids) {
        auto it = m_Handlers.find(id);
        if (it != m_Handlers.end()) {
            DeviceChangeHandler handler = it->second;
            handler(event, record);
        }
    }
}

void CSimDeviceNotifications::PostInterface(uint32_t event, std::u16string_view interfaceClass,
                                            std::u16string_view path) {
    DEVICE_CHANGE_RECORD record;
    record.DeviceType = DbtDevtypDeviceInterface;
    record.ClassGuid = std::u16string(interfaceClass);
    record.Name = std::u16string(path);
    Post(event, record);
}

} // namespace tonvel::sim
