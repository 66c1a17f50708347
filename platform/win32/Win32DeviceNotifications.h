#pragma once
// Device-change notices on real Windows: every registration owns a hidden message-only window of the
// calling (user-interface) thread, registered with RegisterDeviceNotificationW for the device interfaces
// of every class, or for one open handle (DBT_DEVTYP_HANDLE). Its WM_DEVICECHANGE arrival and removal
// notices reach the handler through the thread's message loop; a handle's query-remove is answered yes
// once its handler has run (and closed the handle).

#include "platform/api/DeviceNotifications.h"

#include <cstdint>
#include <map>
#include <memory>

namespace tonvel::win32 {

class CWin32DeviceNotifications : public IDeviceNotifications {
public:
    CWin32DeviceNotifications() = default;
    CWin32DeviceNotifications(const CWin32DeviceNotifications&) = delete;
    CWin32DeviceNotifications& operator=(const CWin32DeviceNotifications&) = delete;
    ~CWin32DeviceNotifications() override;

    uint32_t Register(DeviceChangeHandler handler) override;
    uint32_t RegisterHandle(uintptr_t handle, HandleChangeHandler handler) override;
    void Unregister(uint32_t registration) override;

    // The window (HWND) that receives a registration's notices, or 0.
    uintptr_t WindowOf(uint32_t registration) const;

    // One registration: its handler, its window (HWND) and its notification handle (HDEVNOTIFY).
    struct ENTRY {
        DeviceChangeHandler Handler;
        HandleChangeHandler HandleHandler; // for a handle registration
        void* Window = nullptr;
        void* Notify = nullptr;
    };

private:
    // The entry's message-only window, registered with the filter; 0 when either fails.
    uint32_t Add(std::unique_ptr<ENTRY> entry, void* filter, uint32_t flags);
    std::map<uint32_t, std::unique_ptr<ENTRY>> m_Entries;
    uint32_t m_Next = 1;
};

} // namespace tonvel::win32
