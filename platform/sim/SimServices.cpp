#include "platform/sim/SimServices.h"

#include "platform/sim/SimSystemInfo.h"

#include <algorithm>
#include <string>

namespace tonvel::sim {
namespace {

constexpr std::size_t kManager = static_cast<std::size_t>(-1);

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

ServiceHandle CSimServices::OpenManager(std::uint32_t access) {
    if (m_AccessDenied || (m_Filtered && (access & ~kScManagerConnect) != 0)) return kNoService;
    m_Handles[m_NextHandle] = kManager;
    return m_NextHandle++;
}

ServiceHandle CSimServices::OpenNamedService(ServiceHandle manager, const std::u16string& name,
                                             std::uint32_t access) {
    const auto it = m_Handles.find(manager);
    if (it == m_Handles.end() || it->second != kManager) return kNoService;
    constexpr std::uint32_t kServiceQueryStatus = 0x0004;
    if (m_Filtered && (access & ~(kServiceQueryStatus | kServiceUserDefinedControl)) != 0) return kNoService;
    SIM_SERVICE* service = Find(name);
    if (!service) return kNoService;
    m_Handles[m_NextHandle] = static_cast<std::size_t>(service - m_Services.data());
    return m_NextHandle++;
}

SIM_SERVICE* CSimServices::Of(ServiceHandle handle) {
    const auto it = m_Handles.find(handle);
    if (it == m_Handles.end() || it->second == kManager) return nullptr;
    return &m_Services[it->second];
}

// A pending stop or start ends once the clock has reached its end.
void CSimServices::Settle(SIM_SERVICE& service) {
    const bool due = static_cast<std::int32_t>(m_Clock.GetTickCount() - service.PendingUntil) >= 0;
    if (service.State == kServiceStopPending && service.StopMs != kSimNever && due)
        service.State = kServiceStopped;
    if (service.State == kServiceStartPending && due) service.State = kServiceRunning;
    if (service.MarkedForDeletion && service.State == kServiceStopped) service.Deleted = true;
}

bool CSimServices::QueryState(ServiceHandle handle, std::uint32_t& state) {
    SIM_SERVICE* service = Of(handle);
    if (!service) return false;
    ++m_Polls;
    Settle(*service);
    state = service->State;
    return true;
}

bool CSimServices::Control(ServiceHandle handle, std::uint32_t control) {
    SIM_SERVICE* service = Of(handle);
    if (service && control >= kServiceUserControlFirst && control <= kServiceUserControlLast)
        return UserControl(*service, control);
    if (!service || control != kServiceControlStop) return false;
    service->Calls.push_back(u"stop");
    if (service->RefusesStop || service->State != kServiceRunning) return false;
    service->State = kServiceStopPending;
    service->PendingUntil = m_Clock.GetTickCount() + (service->StopMs == kSimNever ? 0 : service->StopMs);
    Settle(*service);
    return true;
}

// A running service takes its own controls; the helper's restart control stops and starts its target.
bool CSimServices::UserControl(SIM_SERVICE& service, std::uint32_t control) {
    const std::string digits = std::to_string(control);
    service.Calls.push_back(u"control " + std::u16string(digits.begin(), digits.end()));
    Settle(service);
    if (service.State != kServiceRunning || control != service.RestartControl) return false;
    SIM_SERVICE* target = Find(service.RestartTarget);
    if (!target) return true;
    if (target->State == kServiceRunning) {
        target->Calls.push_back(u"stop");
        target->State = kServiceStopped;
    }
    target->Calls.push_back(u"start");
    if (!target->StartFails) target->State = kServiceRunning;
    return true;
}

bool CSimServices::Start(ServiceHandle handle) {
    SIM_SERVICE* service = Of(handle);
    if (!service) return false;
    service->Calls.push_back(u"start");
    if (service->StartFails || service->State != kServiceStopped) return false;
    service->State = kServiceStartPending;
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

void CSimServices::Sleep(std::uint32_t milliseconds) {
    m_SleptMs += milliseconds;
    m_Clock.AdvanceTicks(milliseconds);
}

} // namespace tonvel::sim
