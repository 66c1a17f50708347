#pragma once
// The control panel's link to its one audio device: the current vendor and product ID, the presence handle,
// the device-connected and synchronisation flags; start-up discovery and the arrival and removal of the
// device. The main window owns one and fills the hooks with its feature steps; the hooks run in the fixed
// order of the arrival handling.

#include "device/DeviceSearch.h"
#include "device/HidTransaction.h"
#include "platform/api/DeviceNotifications.h"
#include "platform/api/Hid.h"
#include "platform/api/Platform.h"

#include <cstdint>
#include <functional>

namespace tonvel {

// The page of the main window that is shown, as far as the arrival handling cares.
enum class DEVICE_PAGE { None, Eq, Sound3D, Effect, Mic, Virtual71 };

// The window's steps that device arrival and removal call. Empty hooks are skipped.
struct DEVICE_LINK_HOOKS {
    std::function<void(bool active)> ShowPresence; // DeviceActiveLabel: "LabelActive" / "LabelUnactive"
    std::function<void()> SendLedState;            // arrival 6: the current LED state
    std::function<void(std::uint32_t ms)> Wait;    // arrival 7 (100 ms); default: sleeps
    std::function<bool()> LookUpMicEndpoint;       // arrival 8 and Mic page: true when one was found
    std::function<int()> OsGenerationCode;         // 6 = Core Audio; default 6
    std::function<void()> OpenLevelCapture;        // arrival 8
    std::function<void()> RefreshMicrophone;       // arrival 8 and Mic page
    std::function<void()> CloseLevelCapture;       // arrival 8
    std::function<DEVICE_PAGE()> ShownPage;        // arrival 9 and 11
    std::function<void()> ReapplyEqSwitch;         // EQ and 3D pages
    std::function<void()> Reapply3DSwitch;         // 3D page
    std::function<void()> StartLevelMeter;         // Mic page
    std::function<void()> ResetFilterDriver;       // arrival 10; default: the channel's driver reset
    std::function<void()> SendCurrentEffect;       // Effect page
    std::function<void()> SendVirtualSpeakers;     // Virtual 7.1 page
    std::function<void()> DropMicEndpoint;         // removal 4
    std::function<void()> StopLevelMeterQueuing;   // removal 4
    std::function<void()> ProcessPendingMessages;  // once after either handler
};

class CDeviceLink {
public:
    static constexpr std::uint16_t kInitialVendorId = 0x7F1C;
    static constexpr std::uint16_t kInitialProductId = 0x721B;
    static constexpr std::uint32_t kArrivalSettleMs = 100;

    explicit CDeviceLink(const Platform& platform, DEVICE_LINK_HOOKS hooks = {});
    CDeviceLink(const CDeviceLink&) = delete;
    CDeviceLink& operator=(const CDeviceLink&) = delete;
    ~CDeviceLink();

    DEVICE_LINK_HOOKS& Hooks() { return m_Hooks; }

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
    void RunArrivalResend();
    bool MicStepApplies(bool endpointFound) const;
    bool IsOurHidInterface(const DEVICE_CHANGE_RECORD& record, std::u16string& path) const;

    const Platform& m_Platform;
    DEVICE_LINK_HOOKS m_Hooks;
    std::uint16_t m_VendorId = kInitialVendorId;
    std::uint16_t m_ProductId = kInitialProductId;
    HidHandle m_PresenceHandle = kNoHidHandle;
    std::int32_t m_DeviceConnected = 0;
    std::int32_t m_Synchronisation = 0;
    std::uint32_t m_Registration = 0;
};

} // namespace tonvel
