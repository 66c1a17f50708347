#include "platform/win32/Win32Services.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

namespace tonvel::win32 {

namespace {

SC_HANDLE Of(ServiceHandle handle) {
    return reinterpret_cast<SC_HANDLE>(handle);
}

} // namespace

ServiceHandle CWin32Services::OpenManager(uint32_t access) {
    return reinterpret_cast<ServiceHandle>(::OpenSCManagerW(nullptr, nullptr, access));
}

ServiceHandle CWin32Services::OpenNamedService(ServiceHandle manager, const std::u16string& name,
                                               uint32_t access) {
    if (manager == NoService) return NoService;
    return reinterpret_cast<ServiceHandle>(::OpenServiceW(Of(manager), Wide(name), access));
}

bool CWin32Services::QueryState(ServiceHandle service, uint32_t& state) {
    SERVICE_STATUS_PROCESS status{};
    DWORD needed = 0;
    if (service == NoService ||
        !::QueryServiceStatusEx(Of(service), SC_STATUS_PROCESS_INFO, reinterpret_cast<LPBYTE>(&status),
                                sizeof status, &needed))
        return false;
    state = status.dwCurrentState;
    return true;
}

bool CWin32Services::Control(ServiceHandle service, uint32_t control) {
    SERVICE_STATUS status{};
    return service != NoService && ::ControlService(Of(service), control, &status) != FALSE;
}

bool CWin32Services::Start(ServiceHandle service) {
    return service != NoService && ::StartServiceW(Of(service), 0, nullptr) != FALSE;
}

bool CWin32Services::Delete(ServiceHandle service) {
    return service != NoService && ::DeleteService(Of(service)) != FALSE;
}

void CWin32Services::Close(ServiceHandle handle) {
    if (handle != NoService) ::CloseServiceHandle(Of(handle));
}

void CWin32Services::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

} // namespace tonvel::win32
