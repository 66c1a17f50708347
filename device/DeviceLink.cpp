#include "device/DeviceLink.h"

#include "base/text/Utf.h"
#include "device/HidDiscovery.h"
#include "platform/api/DeviceInstall.h"

#include <string>

namespace tonvel {

namespace {

void Call(const std::function<void()>& event) {
    if (event) {
        event();
    }
}

} // namespace

CDeviceLink::CDeviceLink(const Platform& platform, DEVICE_LINK_EVENTS events)
    : m_Platform(platform), m_Events(std::move(events)) {}

CDeviceLink::~CDeviceLink() {
    UnregisterNotifications();
    ClosePresence();
}

HidHandle CDeviceLink::OpenDevice() {
    return OpenAudioHidDevice(*m_Platform.hid, *m_Platform.deviceInstall, m_VendorId, m_ProductId);
}

int32_t CDeviceLink::RunTransaction(int32_t noDeviceStatus, int32_t idleFailedStatus,
                                    const HidAccesses& accesses, IDLE_REPORT idle) {
    return RunHidTransaction(*m_Platform.hid, *m_Platform.deviceInstall, m_VendorId, m_ProductId,
                             noDeviceStatus, idleFailedStatus, accesses, idle);
}

// The flags first: whoever restyles the presence label reads them.
void CDeviceLink::SetPresent(bool present) {
    m_DeviceConnected = present ? 1 : 0;
    m_Synchronisation = m_DeviceConnected;
    Call(m_Events.PresenceChanged);
}

void CDeviceLink::Discover(const HardwareIdMatcher& usbGroup) {
    std::u16string hardwareId;
    FindMatchingDevice(*m_Platform.deviceInstall, KsCategoryAudio, DiscoveryPattern, usbGroup, &hardwareId);
    ParseVidPid(hardwareId, m_VendorId, m_ProductId);
    ClosePresence();
    OpenPresence();
    SetPresent(m_PresenceHandle != NoHidHandle);
}

void CDeviceLink::OpenPresence() {
    UnregisterHandle();
    m_RemovalQueried = false;
    m_PresenceHandle = OpenDevice();
    if (m_PresenceHandle == NoHidHandle) {
        return;
    }
    m_HandleRegistration = m_Platform.deviceNotifications->RegisterHandle(
        m_PresenceHandle, [this](uint32_t event) { OnHandleChange(event); });
}

void CDeviceLink::UnregisterHandle() {
    if (m_HandleRegistration != 0) {
        m_Platform.deviceNotifications->Unregister(m_HandleRegistration);
    }
    m_HandleRegistration = 0;
}

void CDeviceLink::OnHandleChange(uint32_t event) {
    if (event == DbtDeviceQueryRemove && m_PresenceHandle != NoHidHandle) {
        // Closed, but still registered: a cancelled removal is heard through the same registration.
        m_Platform.hid->Close(m_PresenceHandle);
        m_PresenceHandle = NoHidHandle;
        m_RemovalQueried = true;
        return;
    }
    if (event != DbtDeviceQueryRemoveFailed || !m_RemovalQueried) {
        return;
    }
    OpenPresence();
    if (m_PresenceHandle == NoHidHandle && m_DeviceConnected != 0) {
        SetPresent(false);
        Call(m_Events.Removed);
    }
    Call(m_Events.Settled);
}

bool CDeviceLink::RegisterNotifications() {
    UnregisterNotifications();
    m_Registration = m_Platform.deviceNotifications->Register(
        [this](uint32_t event, const DEVICE_CHANGE_RECORD& record) { OnDeviceChange(event, record); });
    return m_Registration != 0;
}

void CDeviceLink::UnregisterNotifications() {
    if (m_Registration != 0) {
        m_Platform.deviceNotifications->Unregister(m_Registration);
    }
    m_Registration = 0;
}

void CDeviceLink::OnDeviceChange(uint32_t event, const DEVICE_CHANGE_RECORD& record) {
    if (record.DeviceType != DbtDevtypDeviceInterface) {
        return;
    }
    if (event == DbtDeviceArrival) {
        OnArrival(record);
    } else if (event == DbtDeviceRemoveComplete) {
        OnRemoval(record);
    } else {
        return;
    }
    Call(m_Events.Settled);
}

// A notice about a HID interface of ours; `path` is its name upper-cased. Removal compares the same
// upper-cased form: a path that arrived in lower case must be recognised when it goes, or the window would
// stay "present" with a device that is gone.
bool CDeviceLink::IsOurHidInterface(const DEVICE_CHANGE_RECORD& record, std::u16string& path) const {
    if (AsciiUpper(record.ClassGuid) != AsciiUpper(m_Platform.hid->GetHidGuid())) {
        return false;
    }
    path = AsciiUpper(record.Name);
    return MatchHidInterfaceName(path);
}

void CDeviceLink::OnArrival(const DEVICE_CHANGE_RECORD& record) {
    if (m_PresenceHandle != NoHidHandle) {
        return;
    }
    std::u16string path;
    if (!IsOurHidInterface(record, path)) {
        return;
    }
    ParseVidPid(path, m_VendorId, m_ProductId);
    OpenPresence();
    SetPresent(m_PresenceHandle != NoHidHandle);
    if (m_PresenceHandle != NoHidHandle) {
        Call(m_Events.Arrived);
    }
}

void CDeviceLink::OnRemoval(const DEVICE_CHANGE_RECORD& record) {
    std::u16string path;
    if (!IsOurHidInterface(record, path)) {
        return;
    }
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    ParseVidPid(path, vendorId, productId);
    if (vendorId != m_VendorId || productId != m_ProductId) {
        return;
    }
    SetPresent(false);
    if (m_PresenceHandle != NoHidHandle || m_RemovalQueried) {
        ClosePresence();
        Call(m_Events.Removed);
    }
}

void CDeviceLink::ClosePresence() {
    UnregisterHandle();
    m_RemovalQueried = false;
    if (m_PresenceHandle != NoHidHandle) {
        m_Platform.hid->Close(m_PresenceHandle);
    }
    m_PresenceHandle = NoHidHandle;
}

} // namespace tonvel
