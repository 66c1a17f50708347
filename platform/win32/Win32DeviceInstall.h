#pragma once
// SetupAPI on real Windows: device-information lists of interfaces and devices, interface paths through
// the interface detail record, device registry properties, and the class installer's property change.

#include "platform/api/DeviceInstall.h"

#include <cstdint>

namespace tonvel::win32 {

class CWin32DeviceInstall : public IDeviceInstall {
public:
    // The value the size field of SP_DEVICE_INTERFACE_DETAIL_DATA_W is set to: the record's fixed part
    // for the bitness of this build (8 on 64-bit, 6 on 32-bit, where SetupAPI packs its records).
    static uint32_t InterfaceDetailSizeField();

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
};

} // namespace tonvel::win32
