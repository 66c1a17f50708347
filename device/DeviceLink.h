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
    static constexpr std::uint16_t kInitialVendorId = 0x7F1C;
    static constexpr std::uint16_t kInitialProductId = 0x721B;

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
    void OnDeviceChange(std::uint32_t event, const DEVICE_CHANGE_RECORD& record);
    void OnArrival(const DEVICE_CHANGE_RECORD& record);
    void OnRemoval(const DEVICE_CHANGE_RECORD& record);

    // Closes the presence handle (shutdown).
    void ClosePresence();
    // The presence handle's own notifications: Windows asks whether the device may go (a safe removal, a
    // disable, a driver update): the handle is closed, or Windows would answer "device in use"; a cancelled
    // removal opens it again.
    void OnHandleChange(std::uint32_t event);

    // One feature transaction against the current device (open, accesses, idle report, close).
    std::int32_t RunTransaction(std::int32_t noDeviceStatus, std::int32_t idleFailedStatus,
                                const HidAccesses& accesses, IDLE_REPORT idle = IDLE_REPORT::Always);
    // The HID interface of the current device, opened anew (the caller closes it), or kNoHidHandle.
    HidHandle OpenDevice();

    std::uint16_t VendorId() const { return m_VendorId; }
    std::uint16_t ProductId() const { return m_ProductId; }
    bool HasPresenceHandle() const { return m_PresenceHandle != kNoHidHandle; }
    HidHandle PresenceHandle() const { return m_PresenceHandle; }
    std::int32_t DeviceConnected() const { return m_DeviceConnected; }
    std::int32_t Synchronisation() const { return m_Synchronisation; }
    // The synchronisation switch of the EQ and 3D pages flips it while a device is connected.
    void SetSynchronisation(std::int32_t on) { m_Synchronisation = on; }

private:
    void SetPresent(bool present);
    // Opens the presence handle of the current IDs and registers for its notifications.
    void OpenPresence();
    void UnregisterHandle();
    bool IsOurHidInterface(const DEVICE_CHANGE_RECORD& record, std::u16string& path) const;

    const Platform& m_Platform;
    DEVICE_LINK_EVENTS m_Events;
    std::uint16_t m_VendorId = kInitialVendorId;
    std::uint16_t m_ProductId = kInitialProductId;
    HidHandle m_PresenceHandle = kNoHidHandle;
    std::int32_t m_DeviceConnected = 0;
    std::int32_t m_Synchronisation = 0;
    std::uint32_t m_Registration = 0;
    std::uint32_t m_HandleRegistration = 0; // the presence handle's notifications
    bool m_RemovalQueried = false;          // the handle was closed for a removal that may be cancelled
};

} // namespace tonvel
