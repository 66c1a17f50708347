#include "platform/sim/SimDeviceHid.h"

#include "platform/api/DeviceInstall.h"
#include "platform/sim/SimDeviceTree.h"
#include "platform/sim/SimHeadset.h"

namespace tonvel::sim {

CSimDeviceHid::CSimDeviceHid(CSimDeviceTree& tree) : m_Tree(tree) {}

std::u16string CSimDeviceHid::GetHidGuid() {
    return std::u16string(HidInterfaceClass);
}

HidHandle CSimDeviceHid::OpenInterface(std::u16string_view path) {
    ++m_OpenAttempts;
    TARGET target;
    target.Device = m_Tree.FindHidInterface(path, target.Hid);
    if (target.Device == nullptr || !target.Device->HidInterfaces()[target.Hid].Opens) {
        return NoHidHandle;
    }
    const HidHandle handle = m_Next++;
    m_Handles.emplace(handle, target);
    return handle;
}

void CSimDeviceHid::Close(HidHandle handle) {
    m_Handles.erase(handle);
}

bool CSimDeviceHid::Resolve(HidHandle handle, TARGET& target) const {
    auto it = m_Handles.find(handle);
    if (it == m_Handles.end() || !m_Tree.IsPresent(*it->second.Device)) {
        return false;
    }
    target = it->second;
    return true;
}

bool CSimDeviceHid::GetAttributes(HidHandle handle, HID_ATTRIBUTES& attributes) {
    TARGET target;
    if (!Resolve(handle, target) || !target.Device->HidInterfaces()[target.Hid].AttributesReadable) {
        return false;
    }
    attributes = target.Device->HidInterfaces()[target.Hid].Attributes;
    return true;
}

bool CSimDeviceHid::GetPreparsedData(HidHandle handle, HidPreparsed& preparsed) {
    preparsed = NoHidPreparsed;
    TARGET target;
    if (!Resolve(handle, target) || !target.Device->HidInterfaces()[target.Hid].PreparsedReadable) {
        return false;
    }
    preparsed = m_Next++;
    m_Preparsed.emplace(preparsed, target);
    return true;
}

std::vector<HidHandle> CSimDeviceHid::HandlesOf(const CSimHeadset& device) const {
    std::vector<HidHandle> handles;
    for (const auto& [handle, target] : m_Handles)
        if (target.Device == &device) handles.push_back(handle);
    return handles;
}

int32_t CSimDeviceHid::GetCaps(HidPreparsed preparsed, HID_CAPS& caps) {
    auto it = m_Preparsed.find(preparsed);
    if (it == m_Preparsed.end()) {
        return HidpStatusInvalidPreparsedData;
    }
    const SIM_HID_INTERFACE& hid = it->second.Device->HidInterfaces()[it->second.Hid];
    if (hid.CapsStatus != HidpStatusSuccess) {
        return hid.CapsStatus;
    }
    caps = HID_CAPS{};
    caps.UsagePage = hid.UsagePage;
    caps.Usage = hid.Usage;
    caps.InputReportByteLength = hid.InputReportLength;
    caps.OutputReportByteLength = hid.OutputReportLength;
    return HidpStatusSuccess;
}

void CSimDeviceHid::FreePreparsedData(HidPreparsed preparsed) {
    m_Preparsed.erase(preparsed);
}

bool CSimDeviceHid::SetOutputReport(HidHandle handle, const uint8_t* report, size_t length) {
    TARGET target;
    if (!Resolve(handle, target)) {
        return false;
    }
    return target.Device->OnOutputReport(target.Hid, report, length);
}

bool CSimDeviceHid::GetInputReport(HidHandle handle, uint8_t* report, size_t length) {
    TARGET target;
    if (!Resolve(handle, target)) {
        return false;
    }
    return target.Device->OnInputReport(target.Hid, report, length);
}

} // namespace tonvel::sim
