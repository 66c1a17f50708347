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
    std::uint32_t Register(DeviceChangeHandler handler) override;
    std::uint32_t RegisterHandle(std::uintptr_t handle, HandleChangeHandler handler) override;
    // Delivers a handle notice to the registrations of that handle; the number of registrations told.
    std::size_t PostHandle(std::uintptr_t handle, std::uint32_t event);
    std::size_t HandleRegistrationCount() const { return m_HandleHandlers.size(); }
    void Unregister(std::uint32_t registration) override;

    // Delivers one notice to every registered handler.
    void Post(std::uint32_t event, const DEVICE_CHANGE_RECORD& record);
    // A device-interface notice.
    void PostInterface(std::uint32_t event, std::u16string_view interfaceClass, std::u16string_view path);

    std::size_t RegistrationCount() const { return m_Handlers.size(); }

private:
    std::map<std::uint32_t, DeviceChangeHandler> m_Handlers;
    struct HANDLE_ENTRY {
        std::uintptr_t Handle = 0;
        HandleChangeHandler Handler;
    };
    std::map<std::uint32_t, HANDLE_ENTRY> m_HandleHandlers;
    std::uint32_t m_Next = 1;
};

} // namespace tonvel::sim
