#pragma once
// Simulated device-change notifications: handlers registered by the program receive the notices that the
// device tree produces on plug and unplug, or that a test posts itself. Delivery is immediate, on the
// caller's thread (the simulated user-interface thread). Handle registrations hear the notices of their
// handle's device (CSimWindows::QueryRemove and CancelRemove send them).

#include "platform/api/DeviceNotifications.h"

#include <cstdint>
#include <map>

namespace tonvel::sim {

class CSimDeviceNotifications : public IDeviceNotifications {
public:
    uint32_t Register(DeviceChangeHandler handler) override;
    uint32_t RegisterHandle(uintptr_t handle, HandleChangeHandler handler) override;
    // Delivers a handle notice to the registrations of that handle; the number of registrations told.
    size_t PostHandle(uintptr_t handle, uint32_t event);
    size_t HandleRegistrationCount() const { return m_HandleHandlers.size(); }
    void Unregister(uint32_t registration) override;

    // Delivers one notice to every registered handler.
    void Post(uint32_t event, const DEVICE_CHANGE_RECORD& record);
    // A device-interface notice.
    void PostInterface(uint32_t event, std::u16string_view interfaceClass, std::u16string_view path);

    size_t RegistrationCount() const { return m_Handlers.size(); }

private:
    std::map<uint32_t, DeviceChangeHandler> m_Handlers;
    struct HANDLE_ENTRY {
        uintptr_t Handle = 0;
        HandleChangeHandler Handler;
    };
    std::map<uint32_t, HANDLE_ENTRY> m_HandleHandlers;
    uint32_t m_Next = 1;
};

} // namespace tonvel::sim
