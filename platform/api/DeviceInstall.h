#pragma once
// SetupAPI: device-information lists of interfaces and devices, interface paths, device properties, and the
// class installer's property change (disable / enable) used to restart a device.

#include <cstdint>
#include <string>
#include <string_view>

namespace tonvel {

// A device-information list; NoDeviceList is "none" (INVALID_HANDLE_VALUE).
using DeviceListHandle = uintptr_t;
inline constexpr DeviceListHandle NoDeviceList = 0;

// SetupDiGetClassDevsW flags.
inline constexpr uint32_t DigcfPresent = 0x02;
inline constexpr uint32_t DigcfAllClasses = 0x04;
inline constexpr uint32_t DigcfDeviceInterface = 0x10;

// Device registry properties.
inline constexpr uint32_t SpdrpHardwareId = 0x01;
inline constexpr uint32_t SpdrpUpperFilters = 0x12;

// Registry value types a property can have.
inline constexpr uint32_t RegSz = 1;
inline constexpr uint32_t RegMultiSz = 7;

// Errors reported by the property calls.
inline constexpr uint32_t ErrorInsufficientBuffer = 122;
inline constexpr uint32_t ErrorInvalidData = 13;
inline constexpr uint32_t ErrorNoMoreItems = 259;

// Class-installer property change (SP_PROPCHANGE_PARAMS).
inline constexpr uint32_t DicsEnable = 1;
inline constexpr uint32_t DicsDisable = 2;
inline constexpr uint32_t DicsFlagGlobal = 1;
inline constexpr uint32_t DicsFlagConfigSpecific = 2;
// SP_DEVINSTALL_PARAMS flag: Windows asks for a restart.
inline constexpr uint32_t DiNeedReboot = 0x100;

// Well-known interface and setup classes, as text in registry form.
inline constexpr std::u16string_view HidInterfaceClass = u"{4D1E55B2-F16F-11CF-88CB-001111000030}";
inline constexpr std::u16string_view KsCategoryAudio = u"{6994AD04-93EF-11D0-A3CC-00A0C9223196}";
inline constexpr std::u16string_view HidSetupClass = u"{745A17A0-74D3-11D0-B6FE-00A0C90F57DA}";

// One interface of a list (SP_DEVICE_INTERFACE_DATA): the class it was enumerated with and its index.
struct DEVICE_INTERFACE_DATA {
    std::u16string InterfaceClass;
    uint32_t MemberIndex = 0;
    uint32_t Flags = 0;
};

// One device of a list (SP_DEVINFO_DATA): its index in the list and its device instance.
struct DEVICE_INFO_DATA {
    uint32_t MemberIndex = 0;
    uint32_t DevInst = 0;
};

// The outcome of SetupDiGetDeviceRegistryPropertyW.
struct DEVICE_PROPERTY_RESULT {
    bool Ok = false;
    uint32_t Error = 0;        // GetLastError when !Ok
    uint32_t RequiredSize = 0; // bytes the property needs
    uint32_t ValueType = 0;    // RegSz, RegMultiSz, ...
};

class IDeviceInstall {
public:
    virtual ~IDeviceInstall() = default;

    // SetupDiGetClassDevsW(class, no enumerator, no window, flags). An empty class is a null GUID pointer.
    virtual DeviceListHandle GetClassDevs(std::u16string_view classGuid, uint32_t flags) = 0;
    // SetupDiDestroyDeviceInfoList.
    virtual void DestroyDeviceInfoList(DeviceListHandle list) = 0;

    // SetupDiEnumDeviceInterfaces(list, no device, class, index); false at the end of the list.
    virtual bool EnumDeviceInterfaces(DeviceListHandle list, std::u16string_view interfaceClass,
                                      uint32_t index, DEVICE_INTERFACE_DATA& data) = 0;
    // SetupDiGetDeviceInterfaceDetailW: asks for the size, reads the detail record (its size field set for
    // the build's bitness) and gives the interface path.
    virtual bool GetDeviceInterfacePath(DeviceListHandle list, const DEVICE_INTERFACE_DATA& data,
                                        std::u16string& path) = 0;

    // SetupDiEnumDeviceInfo; false at the end of the list.
    virtual bool EnumDeviceInfo(DeviceListHandle list, uint32_t index, DEVICE_INFO_DATA& data) = 0;
    // SetupDiGetDeviceInstanceIdW: the device instance ID ("USB\VID_...\5&1A2B&0&3").
    virtual bool GetDeviceInstanceId(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                     std::u16string& id) = 0;
    // SetupDiGetDeviceRegistryPropertyW into `buffer` of `bufferSize` bytes (a null buffer with size 0 asks
    // for the size).
    virtual DEVICE_PROPERTY_RESULT GetDeviceRegistryProperty(DeviceListHandle list,
                                                             const DEVICE_INFO_DATA& data, uint32_t property,
                                                             uint8_t* buffer, uint32_t bufferSize) = 0;
    // SetupDiSetDeviceRegistryPropertyW; a null buffer with size 0 deletes the property.
    virtual bool SetDeviceRegistryProperty(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                           uint32_t property, const uint8_t* buffer, uint32_t bufferSize) = 0;

    // SetupDiSetClassInstallParamsW with an SP_PROPCHANGE_PARAMS record, then
    // SetupDiCallClassInstaller(DIF_PROPERTYCHANGE).
    virtual bool ChangeDeviceState(DeviceListHandle list, const DEVICE_INFO_DATA& data, uint32_t stateChange,
                                   uint32_t scope, uint32_t hwProfile) = 0;
    // SetupDiGetDeviceInstallParamsW: the Flags field.
    virtual bool GetDeviceInstallFlags(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                       uint32_t& flags) = 0;
};

} // namespace tonvel
