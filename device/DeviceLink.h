#pragma once
// The control panel's link to its one audio device: the current vendor and product ID, the presence handle,
// the device-connected and synchronisation flags; start-up discovery and the arrival and removal of the
// device. The main window owns one and hears of presence, arrival and removal through its events.

#include "device/DeviceSearch.h"
#include "device/HidTransaction.h"
#include "platform/api/DeviceNotifications.h"
#include "platform/api/Hid.h"
#include "platform/api/Platform.h"

#include <cstdint>
#include <functional>

namespace tonvel {

// What the link tells its window. Empty entries are skipped.
struct DEVICE_LINK_EVENTS {
    // The presence changed; the device-connected and synchronisation flags already say so.
    std::function<void()> PresenceChanged;
    // A device arrived and its presence handle is open: the features re-send their state.
    std::function<void()> Arrived;
    // The current device went and its presence handle was closed.
    std::function<void()> Removed;
    // Once after every device-change notice: pending window messages are processed.
    std::function<void()> Settled;
};

class CDeviceLink {
public:
    static constexpr uint16_t InitialVendorId = 0x7F1C;
    static constexpr uint16_t InitialProductId = 0x721B;

    explicit CDeviceLink(const Platform& platform, DEVICE_LINK_EVENTS events = {});
    CDeviceLink(const CDeviceLink&) = delete;
    CDeviceLink& operator=(const CDeviceLink&) = delete;
    ~CDeviceLink();

    DEVICE_LINK_EVENTS& Events() { return m_Events; }

    // Start-up discovery with the loaded USB device-ID group: the present matching device's IDs (0 and 0
    // when none), the presence handle, the label and both flags.
    void Discover(const HardwareIdMatcher& usbGroup);

    // Asks for device-interface notices of every class; they go to OnDeviceChange. False when refused.
    bool RegisterNotifications();
    void UnregisterNotifications();

    // WM_DEVICECHANGE: arrival and removal of device interfaces; then pending messages are processed once.
    void OnDeviceChange(uint32_t event, const DEVICE_CHANGE_RECORD& record);
    void OnArrival(const DEVICE_CHANGE_RECORD& record);
    void OnRemoval(const DEVICE_CHANGE_RECORD& record);

    // Closes the presence handle (shutdown).
    void ClosePresence();
    // The presence handle's own notifications: Windows asks whether the device may go (a safe removal, a
    // disable, a driver update): the handle is closed, or Windows would answer "device in use"; a cancelled
    // removal opens it again.
    void OnHandleChange(uint32_t event);

    // One feature transaction against the current device (open, accesses, idle report, close).
    int32_t RunTransaction(int32_t noDeviceStatus, int32_t idleFailedStatus, const HidAccesses& accesses,
                           IDLE_REPORT idle = IDLE_REPORT::Always);
    // The HID interface of the current device, opened anew (the caller closes it), or NoHidHandle.
    HidHandle OpenDevice();

    uint16_t VendorId() const { return m_VendorId; }
    uint16_t ProductId() const { return m_ProductId; }
    bool HasPresenceHandle() const { return m_PresenceHandle != NoHidHandle; }
    HidHandle PresenceHandle() const { return m_PresenceHandle; }
    int32_t DeviceConnected() const { return m_DeviceConnected; }
    int32_t Synchronisation() const { return m_Synchronisation; }
    // The synchronisation switch of the EQ and 3D pages flips it while a device is connected.
    void SetSynchronisation(int32_t on) { m_Synchronisation = on; }

private:
    void SetPresent(bool present);
    // Opens the presence handle of the current IDs and registers for its notifications.
    void OpenPresence();
    void UnregisterHandle();
    bool IsOurHidInterface(const DEVICE_CHANGE_RECORD& record, std::u16string& path) const;

    const Platform& m_Platform;
    DEVICE_LINK_EVENTS m_Events;
    uint16_t m_VendorId = InitialVendorId;
    uint16_t m_ProductId = InitialProductId;
    HidHandle m_PresenceHandle = NoHidHandle;
    int32_t m_DeviceConnected = 0;
    int32_t m_Synchronisation = 0;
    uint32_t m_Registration = 0;
    uint32_t m_HandleRegistration = 0; // the presence handle's notifications
    bool m_RemovalQueried = false;     // the handle was closed for a removal that may be cancelled
};

} // namespace tonvel
