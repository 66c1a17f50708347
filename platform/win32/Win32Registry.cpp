#include "platform/win32/Win32Registry.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

namespace tonvel::win32 {

namespace {

HKEY Handle(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}
RegKey Key(HKEY key) {
    return reinterpret_cast<RegKey>(key);
}

bool IsHive(RegKey key) {
    return key == RegClassesRoot || key == RegCurrentUser || key == RegLocalMachine || key == RegUsers ||
           key == RegCurrentConfig;
}

} // namespace

int32_t CWin32Registry::CreateKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key,
                                  bool* created) {
    HKEY result = nullptr;
    DWORD disposition = 0;
    const LONG status =
        RegCreateKeyExW(Handle(parent), Wide(subKey), 0, nullptr, 0, access, nullptr, &result, &disposition);
    if (status != ERROR_SUCCESS) return status;
    key = Key(result);
    if (created != nullptr) *created = disposition == REG_CREATED_NEW_KEY;
    return RegOk;
}

int32_t CWin32Registry::OpenKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key) {
    HKEY result = nullptr;
    const LONG status = RegOpenKeyExW(Handle(parent), Wide(subKey), 0, access, &result);
    if (status == ERROR_SUCCESS) key = Key(result);
    return status;
}

int32_t CWin32Registry::FlushKey(RegKey key) {
    return RegFlushKey(Handle(key));
}

int32_t CWin32Registry::CloseKey(RegKey key) {
    if (IsHive(key)) return RegOk;
    return RegCloseKey(Handle(key));
}

int32_t CWin32Registry::SetValue(RegKey key, const std::u16string& name, uint32_t type, const void* data,
                                 uint32_t size) {
    return RegSetValueExW(Handle(key), Wide(name), 0, type, static_cast<const BYTE*>(data), size);
}

int32_t CWin32Registry::QueryValue(RegKey key, const std::u16string& name, uint32_t& type,
                                   std::vector<uint8_t>& data) {
    for (;;) {
        DWORD valueType = 0;
        DWORD size = 0;
        LONG status = RegQueryValueExW(Handle(key), Wide(name), nullptr, &valueType, nullptr, &size);
        if (status != ERROR_SUCCESS) return status;
        data.resize(size);
        status = RegQueryValueExW(Handle(key), Wide(name), nullptr, &valueType,
                                  data.empty() ? nullptr : data.data(), &size);
        if (status == ERROR_MORE_DATA) continue; // it grew in between
        if (status != ERROR_SUCCESS) return status;
        data.resize(size);
        type = valueType;
        return RegOk;
    }
}

int32_t CWin32Registry::DeleteValue(RegKey key, const std::u16string& name) {
    return RegDeleteValueW(Handle(key), Wide(name));
}

int32_t CWin32Registry::EnumKey(RegKey key, uint32_t index, std::u16string& name) {
    wchar_t buffer[256];
    DWORD length = 256;
    const LONG status =
        RegEnumKeyExW(Handle(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) name = FromWide(buffer, length);
    return status;
}

int32_t CWin32Registry::EnumValue(RegKey key, uint32_t index, std::u16string& name, uint32_t& type,
                                  std::vector<uint8_t>& data) {
    DWORD maxName = 0;
    DWORD maxData = 0;
    LONG status = RegQueryInfoKeyW(Handle(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   &maxName, &maxData, nullptr, nullptr);
    if (status != ERROR_SUCCESS) return status;
    std::wstring buffer(maxName + 1, L'\0');
    DWORD nameLength = maxName + 1;
    DWORD valueType = 0;
    DWORD size = maxData;
    data.resize(maxData);
    status = RegEnumValueW(Handle(key), index, buffer.data(), &nameLength, nullptr, &valueType,
                           data.empty() ? nullptr : data.data(), &size);
    if (status != ERROR_SUCCESS) return status;
    name = FromWide(buffer.data(), nameLength);
    data.resize(size);
    type = valueType;
    return RegOk;
}

int32_t CWin32Registry::QueryInfoKey(RegKey key, uint32_t& subKeys, uint32_t& values) {
    DWORD keys = 0;
    DWORD valueCount = 0;
    const LONG status = RegQueryInfoKeyW(Handle(key), nullptr, nullptr, nullptr, &keys, nullptr, nullptr,
                                         &valueCount, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) return status;
    subKeys = keys;
    values = valueCount;
    return RegOk;
}

int32_t CWin32Registry::DeleteKey(RegKey parent, const std::u16string& subKey, uint32_t view) {
    return RegDeleteKeyExW(Handle(parent), Wide(subKey), view, 0);
}

int32_t CWin32Registry::DeleteTree(RegKey parent, const std::u16string& subKey, uint32_t view) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExW(Handle(parent), Wide(subKey), 0, KEY_ALL_ACCESS | view, &key);
    if (status != ERROR_SUCCESS) return status;
    status = RegDeleteTreeW(key, nullptr);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return status;
    return RegDeleteKeyExW(Handle(parent), Wide(subKey), view, 0);
}

} // namespace tonvel::win32
