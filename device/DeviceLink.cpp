#include "device/DeviceLink.h"

#include "device/FilterChannel.h"
#include "device/HidDiscovery.h"
#include "base/text/Utf.h"
#include "platform/api/DeviceInstall.h"

#include <chrono>
#include <string>
#include <thread>

namespace tonvel {

namespace {

void Call(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

} // namespace

CDeviceLink::CDeviceLink(const Platform& platform, DEVICE_LINK_HOOKS hooks)
    : m_Platform(platform), m_Hooks(std::move(hooks)) {
    if (!m_Hooks.Wait) {
        m_Hooks.Wait = [](std::uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    }
    if (!m_Hooks.ResetFilterDriver) {
        m_Hooks.ResetFilterDriver = [this] {
            if (m_Platform.controlDevice != nullptr) {
                tonvel::ResetFilterDriver(*m_Platform.controlDevice);
            }
        };
    }
}

CDeviceLink::~CDeviceLink() {
    UnregisterNotifications();
    ClosePresence();
}

HidHandle CDeviceLink::OpenDevice() {
    if (m_Platform.hid == nullptr || m_Platform.deviceInstall == nullptr) {
        return kNoHidHandle;
    }
    return OpenAudioHidDevice(*m_Platform.hid, *m_Platform.deviceInstall, m_VendorId, m_ProductId);
}

std::int32_t CDeviceLink::RunTransaction(std::int32_t noDeviceStatus, std::int32_t idleFailedStatus,
                                         const HidAccesses& accesses, IDLE_REPORT idle) {
    if (m_Platform.hid == nullptr || m_Platform.deviceInstall == nullptr) {
        return noDeviceStatus;
    }
    return RunHidTransaction(*m_Platform.hid, *m_Platform.deviceInstall, m_VendorId, m_ProductId,
                             noDeviceStatus, idleFailedStatus, accesses, idle);
}

void CDeviceLink::SetPresent(bool present) {
    if (m_Hooks.ShowPresence) {
        m_Hooks.ShowPresence(present);
    }
    m_DeviceConnected = present ? 1 : 0;
    m_Synchronisation = m_DeviceConnected;
}

void CDeviceLink::Discover(const HardwareIdMatcher& usbGroup) {
    std::u16string hardwareId;
    if (m_Platform.deviceInstall != nullptr) {
        FindMatchingDevice(*m_Platform.deviceInstall, kKsCategoryAudio, kDiscoveryPattern, usbGroup,
                           &hardwareId);
    }
    ParseVidPid(hardwareId, m_VendorId, m_ProductId);
    ClosePresence();
    m_PresenceHandle = OpenDevice();
    SetPresent(m_PresenceHandle != kNoHidHandle);
}

bool CDeviceLink::RegisterNotifications() {
    if (m_Platform.deviceNotifications == nullptr) {
        return false;
    }
    UnregisterNotifications();
    m_Registration = m_Platform.deviceNotifications->Register(
        [this](std::uint32_t event, const DEVICE_CHANGE_RECORD& record) { OnDeviceChange(event, record); });
    return m_Registration != 0;
}

void CDeviceLink::UnregisterNotifications() {
    if (m_Registration != 0 && m_Platform.deviceNotifications != nullptr) {
        m_Platform.deviceNotifications->Unregister(m_Registration);
    }
    m_Registration = 0;
}

void CDeviceLink::OnDeviceChange(std::uint32_t event, const DEVICE_CHANGE_RECORD& record) {
    if (record.DeviceType != kDbtDevtypDeviceInterface) {
        return;
    }
    if (event == kDbtDeviceArrival) {
        OnArrival(record);
    } else if (event == kDbtDeviceRemoveComplete) {
        OnRemoval(record);
    } else {
        return;
    }
    Call(m_Hooks.ProcessPendingMessages);
}

bool CDeviceLink::MicStepApplies(bool endpointFound) const {
    const int os = m_Hooks.OsGenerationCode ? m_Hooks.OsGenerationCode() : 6;
    return endpointFound || os != 6;
}

// A notice about a HID interface of ours; `path` is its name upper-cased. Removal compares the same
// upper-cased form: a path that arrived in lower case must be recognised when it goes, or the window would
// stay "present" with a device that is gone.
bool CDeviceLink::IsOurHidInterface(const DEVICE_CHANGE_RECORD& record, std::u16string& path) const {
    if (m_Platform.hid == nullptr ||
        AsciiUpper(record.ClassGuid) != AsciiUpper(m_Platform.hid->GetHidGuid())) {
        return false;
    }
    path = AsciiUpper(record.Name);
    return MatchHidInterfaceName(path);
}

void CDeviceLink::OnArrival(const DEVICE_CHANGE_RECORD& record) {
    if (m_PresenceHandle != kNoHidHandle) {
        return;
    }
    std::u16string path;
    if (!IsOurHidInterface(record, path)) {
        return;
    }
    ParseVidPid(path, m_VendorId, m_ProductId);
    m_PresenceHandle = OpenDevice();
    if (m_PresenceHandle == kNoHidHandle) {
        SetPresent(false);
        return;
    }
    SetPresent(true);
    Call(m_Hooks.SendLedState);
    RunArrivalResend();
}

void CDeviceLink::RunArrivalResend() {
    m_Hooks.Wait(kArrivalSettleMs);

    const bool found = m_Hooks.LookUpMicEndpoint ? m_Hooks.LookUpMicEndpoint() : false;
    if (MicStepApplies(found)) {
        Call(m_Hooks.OpenLevelCapture);
        Call(m_Hooks.RefreshMicrophone);
        Call(m_Hooks.CloseLevelCapture);
    }

    const DEVICE_PAGE page = m_Hooks.ShownPage ? m_Hooks.ShownPage() : DEVICE_PAGE::None;
    if (page == DEVICE_PAGE::Eq) {
        Call(m_Hooks.ReapplyEqSwitch);
    } else if (page == DEVICE_PAGE::Sound3D) {
        Call(m_Hooks.ReapplyEqSwitch);
        Call(m_Hooks.Reapply3DSwitch);
    } else if (page == DEVICE_PAGE::Mic) {
        const bool again = m_Hooks.LookUpMicEndpoint ? m_Hooks.LookUpMicEndpoint() : false;
        if (MicStepApplies(again)) {
            Call(m_Hooks.RefreshMicrophone);
            Call(m_Hooks.StartLevelMeter);
        }
    }

    Call(m_Hooks.ResetFilterDriver);

    if (page == DEVICE_PAGE::Effect) {
        Call(m_Hooks.SendCurrentEffect);
    } else if (page == DEVICE_PAGE::Virtual71) {
        Call(m_Hooks.SendVirtualSpeakers);
    }
}

void CDeviceLink::OnRemoval(const DEVICE_CHANGE_RECORD& record) {
    std::u16string path;
    if (!IsOurHidInterface(record, path)) {
        return;
    }
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    ParseVidPid(path, vendorId, productId);
    if (vendorId != m_VendorId || productId != m_ProductId) {
        return;
    }
    SetPresent(false);
    if (m_PresenceHandle != kNoHidHandle) {
        ClosePresence();
        Call(m_Hooks.DropMicEndpoint);
        Call(m_Hooks.StopLevelMeterQueuing);
    }
}

void CDeviceLink::ClosePresence() {
    if (m_PresenceHandle != kNoHidHandle && m_Platform.hid != nullptr) {
        m_Platform.hid->Close(m_PresenceHandle);
    }
    m_PresenceHandle = kNoHidHandle;
}

} // namespace tonvel
