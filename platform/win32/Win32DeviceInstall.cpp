#include "platform/win32/Win32DeviceInstall.h"

#include "platform/win32/Win32Guid.h"
#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <setupapi.h>

#include <cstddef>
#include <cwchar>
#include <vector>

namespace tonvel::win32 {

namespace {

HDEVINFO List(DeviceListHandle list) {
    return reinterpret_cast<HDEVINFO>(list);
}

bool Valid(DeviceListHandle list) {
    return list != NoDeviceList && List(list) != INVALID_HANDLE_VALUE;
}

// The SetupAPI record of a device of the list, found again by its index.
bool DeviceRecord(DeviceListHandle list, const DEVICE_INFO_DATA& data, SP_DEVINFO_DATA& record) {
    if (!Valid(list)) return false;
    record = SP_DEVINFO_DATA{};
    record.cbSize = sizeof record;
    return ::SetupDiEnumDeviceInfo(List(list), data.MemberIndex, &record) != FALSE;
}

bool InterfaceRecord(DeviceListHandle list, std::u16string_view interfaceClass, uint32_t index,
                     SP_DEVICE_INTERFACE_DATA& record) {
    GUID guid{};
    if (!Valid(list) || !ParseGuid(interfaceClass, guid)) return false;
    record = SP_DEVICE_INTERFACE_DATA{};
    record.cbSize = sizeof record;
    return ::SetupDiEnumDeviceInterfaces(List(list), nullptr, &guid, index, &record) != FALSE;
}

} // namespace

// SetupAPI checks the size field against the fixed part of the record as this bitness lays it out: 6 in a
// 32-bit process (packed), 8 in a 64-bit one.
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) == (sizeof(void*) == 8 ? 8 : 6));

uint32_t CWin32DeviceInstall::InterfaceDetailSizeField() {
    return sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
}

DeviceListHandle CWin32DeviceInstall::GetClassDevs(std::u16string_view classGuid, uint32_t flags) {
    GUID guid{};
    const GUID* classPointer = nullptr;
    if (!classGuid.empty()) {
        if (!ParseGuid(classGuid, guid)) return NoDeviceList;
        classPointer = &guid;
    }
    HDEVINFO list = ::SetupDiGetClassDevsW(classPointer, nullptr, nullptr, flags);
    if (list == INVALID_HANDLE_VALUE || list == nullptr) return NoDeviceList;
    return reinterpret_cast<DeviceListHandle>(list);
}

void CWin32DeviceInstall::DestroyDeviceInfoList(DeviceListHandle list) {
    if (Valid(list)) ::SetupDiDestroyDeviceInfoList(List(list));
}

bool CWin32DeviceInstall::EnumDeviceInterfaces(DeviceListHandle list, std::u16string_view interfaceClass,
                                               uint32_t index, DEVICE_INTERFACE_DATA& data) {
    SP_DEVICE_INTERFACE_DATA record;
    if (!InterfaceRecord(list, interfaceClass, index, record)) return false;
    data.InterfaceClass = GuidText(record.InterfaceClassGuid);
    data.MemberIndex = index;
    data.Flags = record.Flags;
    return true;
}

bool CWin32DeviceInstall::GetDeviceInterfacePath(DeviceListHandle list, const DEVICE_INTERFACE_DATA& data,
                                                 std::u16string& path) {
    SP_DEVICE_INTERFACE_DATA record;
    if (!InterfaceRecord(list, data.InterfaceClass, data.MemberIndex, record)) return false;
    DWORD required = 0;
    ::SetupDiGetDeviceInterfaceDetailW(List(list), &record, nullptr, 0, &required, nullptr);
    const size_t fixed = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath);
    if (required <= fixed || ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    // Storage aligned for the record; the size field is the fixed part for this build, never the buffer's.
    std::vector<uint64_t> storage((required + sizeof(uint64_t) - 1) / sizeof(uint64_t) + 1, 0);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.data());
    detail->cbSize = InterfaceDetailSizeField();
    if (!::SetupDiGetDeviceInterfaceDetailW(List(list), &record, detail, required, nullptr, nullptr)) {
        return false;
    }
    // The path ends at its terminator or at the end of what SetupAPI said it wrote.
    const size_t maxChars = (required - fixed) / sizeof(wchar_t);
    size_t length = 0;
    while (length < maxChars && detail->DevicePath[length] != L'\0')
        ++length;
    path = FromWide(detail->DevicePath, length);
    return true;
}

bool CWin32DeviceInstall::EnumDeviceInfo(DeviceListHandle list, uint32_t index, DEVICE_INFO_DATA& data) {
    if (!Valid(list)) return false;
    SP_DEVINFO_DATA record{};
    record.cbSize = sizeof record;
    if (!::SetupDiEnumDeviceInfo(List(list), index, &record)) return false;
    data.MemberIndex = index;
    data.DevInst = record.DevInst;
    return true;
}

DEVICE_PROPERTY_RESULT CWin32DeviceInstall::GetDeviceRegistryProperty(DeviceListHandle list,
                                                                      const DEVICE_INFO_DATA& data,
                                                                      uint32_t property, uint8_t* buffer,
                                                                      uint32_t bufferSize) {
    DEVICE_PROPERTY_RESULT result;
    SP_DEVINFO_DATA record;
    if (!DeviceRecord(list, data, record)) {
        result.Error = ::GetLastError();
        if (result.Error == 0) result.Error = ERROR_INVALID_HANDLE;
        return result;
    }
    DWORD type = 0;
    DWORD required = 0;
    const BOOL ok = ::SetupDiGetDeviceRegistryPropertyW(List(list), &record, property, &type, buffer,
                                                        buffer != nullptr ? bufferSize : 0, &required);
    result.Ok = ok != FALSE;
    result.Error = result.Ok ? 0 : ::GetLastError();
    result.RequiredSize = required;
    result.ValueType = type;
    return result;
}

bool CWin32DeviceInstall::GetDeviceInstanceId(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                              std::u16string& id) {
    SP_DEVINFO_DATA record;
    if (!DeviceRecord(list, data, record)) return false;
    DWORD required = 0;
    if (::SetupDiGetDeviceInstanceIdW(List(list), &record, nullptr, 0, &required) ||
        ::GetLastError() != ERROR_INSUFFICIENT_BUFFER || required == 0)
        return false;
    std::vector<wchar_t> buffer(required + 1, L'\0');
    if (!::SetupDiGetDeviceInstanceIdW(List(list), &record, buffer.data(), required, nullptr)) return false;
    id = FromWide(buffer.data(), std::wcslen(buffer.data()));
    return true;
}

bool CWin32DeviceInstall::SetDeviceRegistryProperty(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                                    uint32_t property, const uint8_t* buffer,
                                                    uint32_t bufferSize) {
    SP_DEVINFO_DATA record;
    if (!DeviceRecord(list, data, record)) return false;
    const bool remove = buffer == nullptr || bufferSize == 0;
    return ::SetupDiSetDeviceRegistryPropertyW(List(list), &record, property, remove ? nullptr : buffer,
                                               remove ? 0 : bufferSize) != FALSE;
}

bool CWin32DeviceInstall::ChangeDeviceState(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                            uint32_t stateChange, uint32_t scope, uint32_t hwProfile) {
    SP_DEVINFO_DATA record;
    if (!DeviceRecord(list, data, record)) return false;
    SP_PROPCHANGE_PARAMS params{};
    params.ClassInstallHeader.cbSize = sizeof(SP_CLASSINSTALL_HEADER);
    params.ClassInstallHeader.InstallFunction = DIF_PROPERTYCHANGE;
    params.StateChange = stateChange;
    params.Scope = scope;
    params.HwProfile = hwProfile;
    if (!::SetupDiSetClassInstallParamsW(List(list), &record, &params.ClassInstallHeader, sizeof params)) {
        return false;
    }
    return ::SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, List(list), &record) != FALSE;
}

bool CWin32DeviceInstall::GetDeviceInstallFlags(DeviceListHandle list, const DEVICE_INFO_DATA& data,
                                                uint32_t& flags) {
    SP_DEVINFO_DATA record;
    if (!DeviceRecord(list, data, record)) return false;
    SP_DEVINSTALL_PARAMS_W params{};
    params.cbSize = sizeof params;
    if (!::SetupDiGetDeviceInstallParamsW(List(list), &record, &params)) return false;
    flags = params.Flags;
    return true;
}

} // namespace tonvel::win32
