#include "platform/sim/SimServices.h"

#include "platform/sim/SimSystemInfo.h"

#include <algorithm>
#include <string>

namespace tonvel::sim {
namespace {

constexpr size_t Manager = static_cast<size_t>(-1);

bool SameName(const std::u16string& a, const std::u16string& b) {
    auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char16_t x, char16_t y) { return lower(x) == lower(y); });
}

} // namespace

SIM_SERVICE& CSimServices::Add(SIM_SERVICE service) {
    if (SIM_SERVICE* existing = Find(service.Name)) {
        *existing = std::move(service);
        return *existing;
    }
    m_Services.push_back(std::move(service));
    return m_Services.back();
}

SIM_SERVICE* CSimServices::Find(const std::u16string& name) {
    for (SIM_SERVICE& s : m_Services)
        if (!s.Deleted && SameName(s.Name, name)) return &s;
    return nullptr;
}

std::vector<const SIM_SERVICE*> CSimServices::Installed() const {
    std::vector<const SIM_SERVICE*> installed;
    for (const SIM_SERVICE& s : m_Services)
        if (!s.Deleted) installed.push_back(&s);
    return installed;
}

ServiceHandle CSimServices::OpenManager(uint32_t access) {
    if (m_AccessDenied || (m_Filtered && (access & ~ScManagerConnect) != 0)) return NoService;
    m_Handles[m_NextHandle] = Manager;
    return m_NextHandle++;
}

ServiceHandle CSimServices::OpenNamedService(ServiceHandle manager, const std::u16string& name,
                                             uint32_t access) {
    const auto it = m_Handles.find(manager);
    if (it == m_Handles.end() || it->second != Manager) return NoService;
    constexpr uint32_t ServiceQueryStatus = 0x0004;
    if (m_Filtered && (access & ~(ServiceQueryStatus | ServiceUserDefinedControl)) != 0) return NoService;
    SIM_SERVICE* service = Find(name);
    if (!service) return NoService;
    m_Handles[m_NextHandle] = static_cast<size_t>(service - m_Services.data());
    return m_NextHandle++;
}

SIM_SERVICE* CSimServices::Of(ServiceHandle handle) {
    const auto it = m_Handles.find(handle);
    if (it == m_Handles.end() || it->second == Manager) return nullptr;
    return &m_Services[it->second];
}

// A pending stop or start ends once the clock has reached its end.
void CSimServices::Settle(SIM_SERVICE& service) {
    const bool due = static_cast<int32_t>(m_Clock.GetTickCount() - service.PendingUntil) >= 0;
    if (service.State == ServiceStateStopPending && service.StopMs != SimNever && due)
        service.State = ServiceStateStopped;
    if (service.State == ServiceStateStartPending && due) service.State = ServiceStateRunning;
    if (service.MarkedForDeletion && service.State == ServiceStateStopped) service.Deleted = true;
}

bool CSimServices::QueryState(ServiceHandle handle, uint32_t& state) {
    SIM_SERVICE* service = Of(handle);
    if (!service) return false;
    ++m_Polls;
    Settle(*service);
    state = service->State;
    return true;
}

bool CSimServices::Control(ServiceHandle handle, uint32_t control) {
    SIM_SERVICE* service = Of(handle);
    if (service && control >= ServiceUserControlFirst && control <= ServiceUserControlLast)
        return UserControl(*service, control);
    if (!service || control != ServiceControlStop) return false;
    service->Calls.push_back(u"stop");
    if (service->RefusesStop || service->State != ServiceStateRunning) return false;
    service->State = ServiceStateStopPending;
    service->PendingUntil = m_Clock.GetTickCount() + (service->StopMs == SimNever ? 0 : service->StopMs);
    Settle(*service);
    return true;
}

// A running service takes its own controls; the helper's restart control stops and starts its target.
bool CSimServices::UserControl(SIM_SERVICE& service, uint32_t control) {
    const std::string digits = std::to_string(control);
    service.Calls.push_back(u"control " + std::u16string(digits.begin(), digits.end()));
    Settle(service);
    if (service.State != ServiceStateRunning || control != service.RestartControl) return false;
    SIM_SERVICE* target = Find(service.RestartTarget);
    if (!target) return true;
    if (target->State == ServiceStateRunning) {
        target->Calls.push_back(u"stop");
        target->State = ServiceStateStopped;
    }
    target->Calls.push_back(u"start");
    if (!target->StartFails) target->State = ServiceStateRunning;
    return true;
}

bool CSimServices::Start(ServiceHandle handle) {
    SIM_SERVICE* service = Of(handle);
    if (!service) return false;
    service->Calls.push_back(u"start");
    if (service->StartFails || service->State != ServiceStateStopped) return false;
    service->State = ServiceStateStartPending;
    service->PendingUntil = m_Clock.GetTickCount() + service->StartMs;
    Settle(*service);
    return true;
}

bool CSimServices::Delete(ServiceHandle handle) {
    SIM_SERVICE* service = Of(handle);
    if (!service) return false;
    service->Calls.push_back(u"delete");
    if (service->DeleteRefused) return false;
    service->MarkedForDeletion = true;
    Settle(*service);
    return true;
}

void CSimServices::Close(ServiceHandle handle) {
    m_Handles.erase(handle);
}

void CSimServices::Sleep(uint32_t milliseconds) {
    m_SleptMs += milliseconds;
    m_Clock.AdvanceTicks(milliseconds);
}

} // namespace tonvel::sim
