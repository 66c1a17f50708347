#include "platform/sim/SimDeviceTree.h"

#include "base/text/Utf.h"
#include "platform/api/DeviceNotifications.h"
#include "platform/sim/SimDeviceNotifications.h"

#include <algorithm>
#include <cstring>

namespace tonvel::sim {

std::vector<uint8_t> MultiStringBytes(const std::vector<std::u16string>& strings) {
    std::vector<uint8_t> bytes;
    auto put = [&bytes](char16_t c) {
        bytes.push_back(static_cast<uint8_t>(c & 0xFF));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
    };
    for (const auto& s : strings) {
        for (char16_t c : s) {
            put(c);
        }
        put(0);
    }
    put(0);
    return bytes;
}

std::vector<std::u16string> MultiStringFromBytes(const uint8_t* bytes, size_t size) {
    std::vector<std::u16string> strings;
    std::u16string current;
    for (size_t i = 0; i + 1 < size; i += 2) {
        const char16_t c = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
        if (c == 0) {
            if (current.empty()) {
                break;
            }
            strings.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        strings.push_back(current);
    }
    return strings;
}

CSimDeviceTree::CSimDeviceTree(CSimDeviceNotifications* notifications) : m_Notifications(notifications) {}

void CSimDeviceTree::Plug(CSimHeadset& device) {
    auto it =
        std::find_if(m_Devices.begin(), m_Devices.end(), [&](const ENTRY& e) { return e.Device == &device; });
    if (it == m_Devices.end()) {
        m_Devices.push_back({&device, true});
    } else if (it->Present) {
        return;
    } else {
        it->Present = true;
    }
    if (m_Notifications != nullptr) {
        for (const auto& node : device.Nodes()) {
            for (const auto& iface : node.Interfaces) {
                m_Notifications->PostInterface(DbtDeviceArrival, iface.InterfaceClass, iface.Path);
            }
        }
    }
}

void CSimDeviceTree::Unplug(CSimHeadset& device) {
    auto it =
        std::find_if(m_Devices.begin(), m_Devices.end(), [&](const ENTRY& e) { return e.Device == &device; });
    if (it == m_Devices.end() || !it->Present) {
        return;
    }
    it->Present = false;
    if (m_Notifications != nullptr) {
        for (const auto& node : device.Nodes()) {
            for (const auto& iface : node.Interfaces) {
                m_Notifications->PostInterface(DbtDeviceRemoveComplete, iface.InterfaceClass, iface.Path);
            }
        }
    }
}

bool CSimDeviceTree::IsPresent(const CSimHeadset& device) const {
    return std::any_of(m_Devices.begin(), m_Devices.end(),
                       [&](const ENTRY& e) { return e.Device == &device && e.Present; });
}

CSimHeadset* CSimDeviceTree::FindHidInterface(std::u16string_view path, size_t& hidIndex) const {
    for (const auto& entry : m_Devices) {
        if (!entry.Present) {
            continue;
        }
        const auto& hids = entry.Device->HidInterfaces();
        for (size_t i = 0; i < hids.size(); ++i) {
            if (EqualsNoCaseAscii(hids[i].Path, path)) {
                hidIndex = i;
                return entry.Device;
            }
        }
    }
    return nullptr;
}

DeviceListHandle CSimDeviceTree::GetClassDevs(std::u16string_view classGuid, uint32_t flags) {
    if (m_FailLists) {
        return NoDeviceList;
    }
    LIST list;
    const bool presentOnly = (flags & DigcfPresent) != 0;
    const bool interfaces = (flags & DigcfDeviceInterface) != 0;
    const bool allClasses = (flags & DigcfAllClasses) != 0;
    if (interfaces) {
        list.InterfaceClass = std::u16string(classGuid);
    }
    for (const auto& entry : m_Devices) {
        if (presentOnly && !entry.Present) {
            continue;
        }
        const auto& nodes = entry.Device->Nodes();
        for (size_t n = 0; n < nodes.size(); ++n) {
            bool listed = allClasses;
            if (!allClasses && interfaces) {
                for (const auto& iface : nodes[n].Interfaces) {
                    if (EqualsNoCaseAscii(iface.InterfaceClass, classGuid)) {
                        listed = true;
                        list.InterfacePaths.push_back(iface.Path);
                    }
                }
            } else if (!allClasses) {
                listed = EqualsNoCaseAscii(nodes[n].SetupClass, classGuid);
            }
            if (listed) {
                list.Devices.push_back({entry.Device, n});
            }
        }
    }
    const DeviceListHandle handle = m_NextList++;
    m_Lists.emplace(handle, std::move(list));
    return handle;
}

void CSimDeviceTree::DestroyDeviceInfoList(DeviceListHandle list) {
    m_Lists.erase(list);
}

bool CSimDeviceTree::EnumDeviceInterfaces(DeviceListHandle list, std::u16string_view interfaceClass,
                                          uint32_t index, DEVICE_INTERFACE_DATA& data) {
    auto it = m_Lists.find(list);
    if (it == m_Lists.end() || !EqualsNoCaseAscii(it->second.InterfaceClass, interfaceClass) ||
        index >= it->second.InterfacePaths.size()) {
        return false;
    }
    data.InterfaceClass = std::u16string(interfaceClass);
    data.MemberIndex = index;
    data.Flags = 1; // SPINT_ACTIVE
    return true;
}

bool CSimDeviceTree::GetDeviceInterfacePath(DeviceListHandle list, const DEVICE_INTERFACE_DATA& data,
                                            std::u16string& path) {
    auto it = m_Lists.find(list);
    if (it == m_Lists.end() || data.MemberIndex >= it->second.InterfacePaths.size()) {
        return false;
    }
    path = it->second.InterfacePaths[data.MemberIndex];
    return true;
}

bool CSimDeviceTree::EnumDeviceInfo(DeviceListHandle list, uint32_t index, DEVICE_INFO_DATA& data) {
    auto it = m_Lists.find(list);
    if (it == m_Lists.end() || index >= it->second.Devices.size()) {
        return false;
    }
    data.MemberIndex = index;
    data.DevInst = 0x100 + index;
    return true;
}

SIM_DEVICE_NODE* CSimDeviceTree::Node(DeviceListHandle list, const DEVICE_INFO_DATA& data) {
    auto it = m_Lists.find(list);
    if (it == m_Lists.end() || data.MemberIndex >= it->second.Devices.size()) {
        return nullptr;
    }
    const NODE_REF& ref = it->second.Devices[data.MemberIndex];
    return &ref.Device->Nodes()[ref.Node];
}

bool CSimDeviceTree::GetDeviceInstanceId(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                         std::u16string& id) {
    const SIM_DEVICE_NODE* node = Node(list, data);
    if (node == nullptr || node->InstanceId.empty()) return false;
    id = node->InstanceId;
    return true;
}

DEVICE_PROPERTY_RESULT CSimDeviceTree::GetDeviceRegistryProperty(DeviceListHandle list,
                                                                 const DEVICE_INFO_DATA& data,
                                                                 uint32_t property, uint8_t* buffer,
                                                                 uint32_t bufferSize) {
    DEVICE_PROPERTY_RESULT result;
    SIM_DEVICE_NODE* node = Node(list, data);
    std::vector<uint8_t> bytes;
    if (node != nullptr && property == SpdrpHardwareId && node->HardwareIdReadable &&
        !node->HardwareIds.empty()) {
        bytes = MultiStringBytes(node->HardwareIds);
    } else if (node != nullptr && property == SpdrpUpperFilters && node->UpperFilters.has_value()) {
        bytes = MultiStringBytes(*node->UpperFilters);
    } else {
        result.Error = ErrorInvalidData;
        return result;
    }
    result.ValueType = RegMultiSz;
    result.RequiredSize = static_cast<uint32_t>(bytes.size());
    if (buffer == nullptr || bufferSize < bytes.size()) {
        result.Error = ErrorInsufficientBuffer;
        return result;
    }
    std::memcpy(buffer, bytes.data(), bytes.size());
    result.Ok = true;
    return result;
}

bool CSimDeviceTree::SetDeviceRegistryProperty(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                               uint32_t property, const uint8_t* buffer,
                                               uint32_t bufferSize) {
    SIM_DEVICE_NODE* node = Node(list, data);
    if (node == nullptr || property != SpdrpUpperFilters || node->RefuseFilterWrite) {
        return false;
    }
    if (buffer == nullptr || bufferSize == 0) {
        node->UpperFilters.reset();
    } else {
        node->UpperFilters = MultiStringFromBytes(buffer, bufferSize);
    }
    return true;
}

bool CSimDeviceTree::ChangeDeviceState(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                       uint32_t stateChange, uint32_t /*scope*/, uint32_t /*hwProfile*/) {
    SIM_DEVICE_NODE* node = Node(list, data);
    if (node == nullptr || node->FailStateChange) {
        return false;
    }
    node->StateChanges.push_back(stateChange);
    return true;
}

bool CSimDeviceTree::GetDeviceInstallFlags(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                           uint32_t& flags) {
    SIM_DEVICE_NODE* node = Node(list, data);
    if (node == nullptr) {
        return false;
    }
    flags = node->NeedReboot && !node->StateChanges.empty() ? DiNeedReboot : 0;
    return true;
}

} // namespace tonvel::sim
