#include "platform/win32/Win32DeviceNotifications.h"

#include "platform/win32/Win32DeviceBroadcast.h"

#include <windows.h>

#include <dbt.h>

namespace tonvel::win32 {

namespace {

HWND WindowOfEntry(const CWin32DeviceNotifications::ENTRY& entry) {
    return static_cast<HWND>(entry.Window);
}

constexpr wchar_t WindowClass[] = L"TonvelDeviceNotifications";

bool IsHandleEvent(WPARAM event) {
    return event == DBT_DEVICEQUERYREMOVE || event == DBT_DEVICEQUERYREMOVEFAILED ||
           event == DBT_DEVICEREMOVEPENDING || event == DBT_DEVICEREMOVECOMPLETE;
}

// A handle notice: told to the handle registration's handler. A query-remove is granted (TRUE).
bool HandleNotice(CWin32DeviceNotifications::ENTRY* entry, WPARAM wParam, LPARAM lParam) {
    if (entry == nullptr || !entry->HandleHandler || !IsHandleEvent(wParam) || lParam == 0) return false;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
    if (header->dbch_devicetype != DBT_DEVTYP_HANDLE) return false;
    const HandleChangeHandler handler = entry->HandleHandler;
    handler(static_cast<uint32_t>(wParam));
    return true;
}

LRESULT CALLBACK NoticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DEVICECHANGE && HandleNotice(reinterpret_cast<CWin32DeviceNotifications::ENTRY*>(
                                                       ::GetWindowLongPtrW(window, GWLP_USERDATA)),
                                                   wParam, lParam))
        return TRUE;
    if (message == WM_DEVICECHANGE && (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE) &&
        lParam != 0) {
        auto* entry =
            reinterpret_cast<CWin32DeviceNotifications::ENTRY*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        // The record is bounded by its own size field.
        const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
        DEVICE_CHANGE_RECORD record;
        if (entry != nullptr && entry->Handler && ParseDeviceBroadcast(header, header->dbch_size, record)) {
            // The handler may unregister (and so destroy this window and entry) while it runs.
            const DeviceChangeHandler handler = entry->Handler;
            handler(static_cast<uint32_t>(wParam), record);
        }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterWindowClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = NoticeWindowProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = WindowClass;
        return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

void Release(CWin32DeviceNotifications::ENTRY& entry) {
    if (entry.Notify != nullptr) ::UnregisterDeviceNotification(entry.Notify);
    entry.Notify = nullptr;
    if (entry.Window != nullptr) {
        ::SetWindowLongPtrW(WindowOfEntry(entry), GWLP_USERDATA, 0);
        ::DestroyWindow(WindowOfEntry(entry));
    }
    entry.Window = nullptr;
}

} // namespace

CWin32DeviceNotifications::~CWin32DeviceNotifications() {
    for (auto& [id, entry] : m_Entries)
        Release(*entry);
}

uint32_t CWin32DeviceNotifications::Register(DeviceChangeHandler handler) {
    auto entry = std::make_unique<ENTRY>();
    entry->Handler = std::move(handler);
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    return Add(std::move(entry), &filter, DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
}

uint32_t CWin32DeviceNotifications::RegisterHandle(uintptr_t handle, HandleChangeHandler handler) {
    auto entry = std::make_unique<ENTRY>();
    entry->HandleHandler = std::move(handler);
    DEV_BROADCAST_HANDLE filter{};
    filter.dbch_size = sizeof filter;
    filter.dbch_devicetype = DBT_DEVTYP_HANDLE;
    filter.dbch_handle = reinterpret_cast<HANDLE>(handle);
    return Add(std::move(entry), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

uint32_t CWin32DeviceNotifications::Add(std::unique_ptr<ENTRY> entry, void* filter, uint32_t flags) {
    if (!RegisterWindowClass()) return 0;
    HWND window = ::CreateWindowExW(0, WindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) return 0;
    entry->Window = window;
    ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(entry.get()));

    entry->Notify = ::RegisterDeviceNotificationW(window, filter, flags);
    if (entry->Notify == nullptr) {
        Release(*entry);
        return 0;
    }
    const uint32_t id = m_Next++;
    m_Entries.emplace(id, std::move(entry));
    return id;
}

void CWin32DeviceNotifications::Unregister(uint32_t registration) {
    auto it = m_Entries.find(registration);
    if (it == m_Entries.end()) return;
    Release(*it->second);
    m_Entries.erase(it);
}

uintptr_t CWin32DeviceNotifications::WindowOf(uint32_t registration) const {
    auto it = m_Entries.find(registration);
    return it == m_Entries.end() ? 0 : reinterpret_cast<uintptr_t>(it->second->Window);
}

} // namespace tonvel::win32
