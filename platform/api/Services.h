#pragma once
// The service control manager (advapi32): open the manager and a service, query a service's state, send it
// a control, start it, close the handles; and the wait between two status polls.

#include <cstdint>
#include <string>

namespace tonvel {

using ServiceHandle = uintptr_t;
inline constexpr ServiceHandle NoService = 0;

// Access rights.
inline constexpr uint32_t ScManagerAllAccess = 0x000F003F;    // SC_MANAGER_ALL_ACCESS
inline constexpr uint32_t ServiceAllAccess = 0x000F01FF;      // SERVICE_ALL_ACCESS
inline constexpr uint32_t ScManagerConnect = 0x0001;          // SC_MANAGER_CONNECT
inline constexpr uint32_t ServiceUserDefinedControl = 0x0100; // SERVICE_USER_DEFINED_CONTROL

// Current states (SERVICE_STATUS::dwCurrentState).
inline constexpr uint32_t ServiceStateStopped = 1;
inline constexpr uint32_t ServiceStateStartPending = 2;
inline constexpr uint32_t ServiceStateStopPending = 3;
inline constexpr uint32_t ServiceStateRunning = 4;

// Controls.
inline constexpr uint32_t ServiceControlStop = 1;
// The range of the controls a service defines for itself.
inline constexpr uint32_t ServiceUserControlFirst = 128;
inline constexpr uint32_t ServiceUserControlLast = 255;

class IServices {
public:
    virtual ~IServices() = default;

    // OpenSCManagerW(local machine, active database, access); NoService on failure.
    virtual ServiceHandle OpenManager(uint32_t access) = 0;
    // OpenServiceW (named apart from the macro of <windows.h>); NoService on failure.
    virtual ServiceHandle OpenNamedService(ServiceHandle manager, const std::u16string& name,
                                           uint32_t access) = 0;
    // QueryServiceStatusEx(SC_STATUS_PROCESS_INFO): the current state.
    virtual bool QueryState(ServiceHandle service, uint32_t& state) = 0;
    // ControlService: false when the service refused the control.
    virtual bool Control(ServiceHandle service, uint32_t control) = 0;
    // StartServiceW without arguments.
    virtual bool Start(ServiceHandle service) = 0;
    // DeleteService: the service is marked for deletion and leaves the manager once it has stopped and its
    // last handle is closed. False when the manager refused.
    virtual bool Delete(ServiceHandle service) = 0;
    // CloseServiceHandle.
    virtual void Close(ServiceHandle handle) = 0;
    // Sleep: the wait between two status polls.
    virtual void Sleep(uint32_t milliseconds) = 0;
};

// Polls the service's state up to `polls` times, `pollMs` apart, until it is `wanted`: true, or false when
// the polls run out. A status that cannot be read counts as not there yet.
inline bool WaitForServiceState(IServices& services, ServiceHandle service, uint32_t wanted, uint32_t polls,
                                uint32_t pollMs) {
    for (uint32_t poll = 0; poll < polls; ++poll) {
        uint32_t state = 0;
        if (services.QueryState(service, state) && state == wanted) return true;
        services.Sleep(pollMs);
    }
    return false;
}

} // namespace tonvel
