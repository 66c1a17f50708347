#pragma once
// The service control manager (advapi32): open the manager and a service, query a service's state, send it
// a control, start it, close the handles; and the wait between two status polls.

#include <cstdint>
#include <string>

namespace tonvel {

using ServiceHandle = std::uintptr_t;
inline constexpr ServiceHandle kNoService = 0;

// Access rights.
inline constexpr std::uint32_t kScManagerAllAccess = 0x000F003F;    // SC_MANAGER_ALL_ACCESS
inline constexpr std::uint32_t kServiceAllAccess = 0x000F01FF;      // SERVICE_ALL_ACCESS
inline constexpr std::uint32_t kScManagerConnect = 0x0001;          // SC_MANAGER_CONNECT
inline constexpr std::uint32_t kServiceUserDefinedControl = 0x0100; // SERVICE_USER_DEFINED_CONTROL

// Current states (SERVICE_STATUS::dwCurrentState).
inline constexpr std::uint32_t kServiceStopped = 1;
inline constexpr std::uint32_t kServiceStartPending = 2;
inline constexpr std::uint32_t kServiceStopPending = 3;
inline constexpr std::uint32_t kServiceRunning = 4;

// Controls.
inline constexpr std::uint32_t kServiceControlStop = 1;
// The range of the controls a service defines for itself.
inline constexpr std::uint32_t kServiceUserControlFirst = 128;
inline constexpr std::uint32_t kServiceUserControlLast = 255;

class IServices {
public:
    virtual ~IServices() = default;

    // OpenSCManagerW(local machine, active database, access); kNoService on failure.
    virtual ServiceHandle OpenManager(std::uint32_t access) = 0;
    // OpenServiceW (named apart from the macro of <windows.h>); kNoService on failure.
    virtual ServiceHandle OpenNamedService(ServiceHandle manager, const std::u16string& name,
                                           std::uint32_t access) = 0;
    // QueryServiceStatusEx(SC_STATUS_PROCESS_INFO): the current state.
    virtual bool QueryState(ServiceHandle service, std::uint32_t& state) = 0;
    // ControlService: false when the service refused the control.
    virtual bool Control(ServiceHandle service, std::uint32_t control) = 0;
    // StartServiceW without arguments.
    virtual bool Start(ServiceHandle service) = 0;
    // DeleteService: the service is marked for deletion and leaves the manager once it has stopped and its
    // last handle is closed. False when the manager refused.
    virtual bool Delete(ServiceHandle service) = 0;
    // CloseServiceHandle.
    virtual void Close(ServiceHandle handle) = 0;
    // Sleep: the wait between two status polls.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// Polls the service's state up to `polls` times, `pollMs` apart, until it is `wanted`: true, or false when
// the polls run out. A status that cannot be read counts as not there yet.
inline bool WaitForServiceState(IServices& services, ServiceHandle service, std::uint32_t wanted,
                                std::uint32_t polls, std::uint32_t pollMs) {
    for (std::uint32_t poll = 0; poll < polls; ++poll) {
        std::uint32_t state = 0;
        if (services.QueryState(service, state) && state == wanted) return true;
        services.Sleep(pollMs);
    }
    return false;
}

} // namespace tonvel
