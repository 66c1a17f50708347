#pragma once
// Simulated service control manager: services with a state, a stop that is refused or takes a while (or
// never ends), a start that fails or takes a while. Time is the simulated clock: Sleep advances it, and a
// pending stop or start completes when the clock reaches its end.

#include "platform/api/Services.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace tonvel::sim {

class CSimSystemInfo;

inline constexpr uint32_t SimNever = 0xFFFFFFFF;

struct SIM_SERVICE {
    std::u16string Name;
    uint32_t State = ServiceStateRunning;
    bool RefusesStop = false;
    uint32_t StopMs = 0;  // SimNever: it never stops
    uint32_t StartMs = 0; // time in the start-pending state
    bool StartFails = false;
    bool DeleteRefused = false;
    // Deleted while it ran: it leaves the manager once it has stopped.
    bool MarkedForDeletion = false;
    bool Deleted = false; // gone: neither found nor opened any more
    // A control of its own (128-255) that makes it restart another service, as the product's helper
    // service does; 0 none.
    uint32_t RestartControl = 0;
    std::u16string RestartTarget;
    // What happened to it: "stop", "start", "delete", "control <n>" in order.
    std::vector<std::u16string> Calls;
    uint32_t PendingUntil = 0;
};

class CSimServices : public IServices {
public:
    explicit CSimServices(CSimSystemInfo& clock) : m_Clock(clock) {}

    // Adds (or replaces) a service by name, letter case ignored.
    SIM_SERVICE& Add(SIM_SERVICE service);
    SIM_SERVICE* Find(const std::u16string& name);
    // The installed services (those not deleted), in the order they were added.
    std::vector<const SIM_SERVICE*> Installed() const;
    // The manager refuses to open (a user without the rights).
    void SetAccessDenied(bool denied) { m_AccessDenied = denied; }
    // A filtered token (an administrator under UAC, or a user): the manager opens only to connect, a
    // service only to query it and send its own controls.
    void SetFilteredToken(bool filtered) { m_Filtered = filtered; }

    size_t OpenHandles() const { return m_Handles.size(); }
    size_t Polls() const { return m_Polls; }
    uint64_t SleptMs() const { return m_SleptMs; }

    ServiceHandle OpenManager(uint32_t access) override;
    ServiceHandle OpenNamedService(ServiceHandle manager, const std::u16string& name,
                                   uint32_t access) override;
    bool QueryState(ServiceHandle service, uint32_t& state) override;
    bool Control(ServiceHandle service, uint32_t control) override;
    bool Start(ServiceHandle service) override;
    bool Delete(ServiceHandle service) override;
    void Close(ServiceHandle handle) override;
    void Sleep(uint32_t milliseconds) override;

private:
    SIM_SERVICE* Of(ServiceHandle handle);
    void Settle(SIM_SERVICE& service);
    bool UserControl(SIM_SERVICE& service, uint32_t control);

    CSimSystemInfo& m_Clock;
    std::vector<SIM_SERVICE> m_Services;
    // Handle -> service index; the manager's handles map to Manager.
    std::map<ServiceHandle, size_t> m_Handles;
    ServiceHandle m_NextHandle = 0x200;
    bool m_AccessDenied = false;
    bool m_Filtered = false;
    size_t m_Polls = 0;
    uint64_t m_SleptMs = 0;
};

} // namespace tonvel::sim
