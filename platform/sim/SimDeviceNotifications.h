#pragma once
// Simulated device-change notifications: handlers registered by the program receive the notices that the
// device tree produces on plug and unplug, or that a test posts itself. Delivery is immediate, on the
// caller's thread (the simulated user-interface thread).

#include "platform/api/DeviceNotifications.h"

#include <cstdint>
#include <map>

namespace tonvel::sim {

class CSimDeviceNotifications : public IDeviceNotifications {
public:
    std::uint32_t Register(DeviceChangeHandler handler) override;
    void Unregister(std::uint32_t registration) override;

    // Delivers one notice to every registered handler.
    void Post(std::uint32_t event, const DEVICE_CHANGE_RECORD& record);
    // A device-interface notice.
    void PostInterface(std::uint32_t event, std::u16string_view interfaceClass, std::u16string_view path);

    std::size_t RegistrationCount() const { return m_Handlers.size(); }

private:
    std::map<std::uint32_t, DeviceChangeHandler> m_Handlers;
    std::uint32_t m_Next = 1;
};

} // namespace tonvel::sim
