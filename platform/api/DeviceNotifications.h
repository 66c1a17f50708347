#pragma once
// Device-change notifications (WM_DEVICECHANGE) for the device interfaces of every class.

#include <cstdint>
#include <functional>
#include <string>

namespace tonvel {

// Events of WM_DEVICECHANGE that carry a record.
inline constexpr uint32_t DbtDeviceArrival = 0x8000;
inline constexpr uint32_t DbtDeviceRemoveComplete = 0x8004;
// The events of a handle's notifications: Windows asks whether the device may go (a safe removal, a
// disable, a driver update), tells that the removal was cancelled, or that it goes.
inline constexpr uint32_t DbtDeviceQueryRemove = 0x8001;
inline constexpr uint32_t DbtDeviceQueryRemoveFailed = 0x8002;
inline constexpr uint32_t DbtDeviceRemovePending = 0x8003;
// Record types (dbch_devicetype).
inline constexpr uint32_t DbtDevtypDeviceInterface = 5;

// The record of one notice. For device-interface records (DeviceType 5) the class is given as text in
// registry form ("{4D1E55B2-F16F-11CF-88CB-001111000030}") and the name is the interface path.
struct DEVICE_CHANGE_RECORD {
    uint32_t DeviceType = 0;
    std::u16string ClassGuid;
    std::u16string Name;
};

// Called on the user-interface thread with the event code and the record.
using DeviceChangeHandler = std::function<void(uint32_t event, const DEVICE_CHANGE_RECORD& record)>;
// Called on the user-interface thread with the event of a handle's notification.
using HandleChangeHandler = std::function<void(uint32_t event)>;

class IDeviceNotifications {
public:
    virtual ~IDeviceNotifications() = default;

    // RegisterDeviceNotification with a device-interface filter and DEVICE_NOTIFY_ALL_INTERFACE_CLASSES.
    // Returns a registration number (non-zero) or 0 when it fails. Only one handler is active per number.
    virtual uint32_t Register(DeviceChangeHandler handler) = 0;
    // RegisterDeviceNotification with a handle filter (DBT_DEVTYP_HANDLE) on an open file handle (a HID
    // interface's): the handle's device asks to go, its removal is cancelled, or it goes. A handle still
    // open when Windows asks makes the removal fail ("device in use"). The registration outlives the
    // handle's closing, so that a cancelled removal is still heard; 0 when it fails.
    virtual uint32_t RegisterHandle(uintptr_t handle, HandleChangeHandler handler) = 0;
    // UnregisterDeviceNotification (of either kind).
    virtual void Unregister(uint32_t registration) = 0;
};

} // namespace tonvel
