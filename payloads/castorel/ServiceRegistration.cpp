#include "ServiceRegistration.h"

#include <windows.h>

#include <string>

namespace castorel {
namespace {

constexpr wchar_t DisplayName[] = L"Tonvel Audio Helper";
constexpr wchar_t ServiceDescription[] =
    L"Helps the Tonvel 7.1 Audio control panel with the USB audio device.";

// The service's command: this program file, quoted (its folder may hold spaces).
bool OwnQuotedPath(std::wstring& command) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return false;
    }
    command = L"\"" + std::wstring(path, length) + L"\"";
    return true;
}

SC_HANDLE CreateOrUpdate(SC_HANDLE manager, const std::wstring& command) {
    SC_HANDLE service = OpenServiceW(manager, ServiceName, SERVICE_CHANGE_CONFIG);
    if (service != nullptr) {
        if (!ChangeServiceConfigW(service, SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START,
                                  SERVICE_ERROR_NORMAL, command.c_str(), nullptr, nullptr, nullptr, nullptr,
                                  nullptr, DisplayName)) {
            CloseServiceHandle(service);
            return nullptr;
        }
        return service;
    }
    if (GetLastError() != ERROR_SERVICE_DOES_NOT_EXIST) {
        return nullptr;
    }
    return CreateServiceW(manager, ServiceName, DisplayName, SERVICE_CHANGE_CONFIG, SERVICE_WIN32_OWN_PROCESS,
                          SERVICE_AUTO_START, SERVICE_ERROR_NORMAL, command.c_str(), nullptr, nullptr,
                          nullptr, nullptr, nullptr);
}

} // namespace

int32_t RegisterService() {
    std::wstring command;
    if (!OwnQuotedPath(command)) {
        return OwnPathUnknown;
    }
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT | SC_MANAGER_CREATE_SERVICE);
    if (manager == nullptr) {
        return ManagerNotOpened;
    }
    int32_t result = ServiceNotWritten;
    SC_HANDLE service = CreateOrUpdate(manager, command);
    if (service != nullptr) {
        std::wstring text = ServiceDescription;
        SERVICE_DESCRIPTIONW description{text.data()};
        result = ChangeServiceConfig2W(service, SERVICE_CONFIG_DESCRIPTION, &description)
                     ? Registered
                     : DescriptionNotWritten;
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return result;
}

} // namespace castorel
