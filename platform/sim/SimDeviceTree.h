#pragma once
// The simulated device tree: the virtual devices plugged into the machine, listed through SetupAPI-shaped
// calls. Plugging and unplugging a device sends its device-interface notices.

#include "platform/api/DeviceInstall.h"
#include "platform/sim/SimHeadset.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

namespace tonvel::sim {

class CSimDeviceNotifications;

class CSimDeviceTree : public IDeviceInstall {
public:
    explicit CSimDeviceTree(CSimDeviceNotifications* notifications = nullptr);

    // Plugs a device in (it stays owned by the caller and must outlive the tree or be unplugged) and sends
    // one arrival notice per device interface, in node order. A device that is already present is left
    // alone.
    void Plug(CSimHeadset& device);
    // Removes it and sends one removal notice per device interface. It is still known as an absent device
    // (listed without DIGCF_PRESENT).
    void Unplug(CSimHeadset& device);
    bool IsPresent(const CSimHeadset& device) const;

    // The present device that owns a HID interface path (compared ignoring case), with the interface index.
    CSimHeadset* FindHidInterface(std::u16string_view path, size_t& hidIndex) const;

    // Makes GetClassDevs fail.
    void FailDeviceLists(bool on) { m_FailLists = on; }
    // Lists made and not yet destroyed.
    size_t OpenListCount() const { return m_Lists.size(); }

    DeviceListHandle GetClassDevs(std::u16string_view classGuid, uint32_t flags) override;
    void DestroyDeviceInfoList(DeviceListHandle list) override;
    bool EnumDeviceInterfaces(DeviceListHandle list, std::u16string_view interfaceClass, uint32_t index,
                              DEVICE_INTERFACE_DATA& data) override;
    bool GetDeviceInterfacePath(DeviceListHandle list, const DEVICE_INTERFACE_DATA& data,
                                std::u16string& path) override;
    bool EnumDeviceInfo(DeviceListHandle list, uint32_t index, DEVICE_INFO_DATA& data) override;
    bool GetDeviceInstanceId(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                             std::u16string& id) override;
    DEVICE_PROPERTY_RESULT GetDeviceRegistryProperty(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                                     uint32_t property, uint8_t* buffer,
                                                     uint32_t bufferSize) override;
    bool SetDeviceRegistryProperty(DeviceListHandle list, const DEVICE_INFO_DATA& data, uint32_t property,
                                   const uint8_t* buffer, uint32_t bufferSize) override;
    bool ChangeDeviceState(DeviceListHandle list, const DEVICE_INFO_DATA& data, uint32_t stateChange,
                           uint32_t scope, uint32_t hwProfile) override;
    bool GetDeviceInstallFlags(DeviceListHandle list, const DEVICE_INFO_DATA& data, uint32_t& flags) override;

private:
    struct ENTRY {
        CSimHeadset* Device = nullptr;
        bool Present = false;
    };
    struct NODE_REF {
        CSimHeadset* Device = nullptr;
        size_t Node = 0;
    };
    struct LIST {
        std::u16string InterfaceClass; // set for interface lists
        std::vector<NODE_REF> Devices;
        std::vector<std::u16string> InterfacePaths;
    };

    SIM_DEVICE_NODE* Node(DeviceListHandle list, const DEVICE_INFO_DATA& data);

    CSimDeviceNotifications* m_Notifications;
    std::vector<ENTRY> m_Devices;
    std::map<DeviceListHandle, LIST> m_Lists;
    DeviceListHandle m_NextList = 0x1000;
    bool m_FailLists = false;
};

// Multi-string bytes (UTF-16LE, each string terminated, one more terminator at the end).
std::vector<uint8_t> MultiStringBytes(const std::vector<std::u16string>& strings);
// The strings of multi-string bytes.
std::vector<std::u16string> MultiStringFromBytes(const uint8_t* bytes, size_t size);

} // namespace tonvel::sim
