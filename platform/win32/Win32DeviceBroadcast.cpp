#include "platform/win32/Win32DeviceBroadcast.h"

#include "platform/win32/Win32Guid.h"

#include <windows.h>

#include <dbt.h>

#include <algorithm>
#include <cstring>

namespace tonvel::win32 {

bool ParseDeviceBroadcast(const void* bytes, size_t available, DEVICE_CHANGE_RECORD& record) {
    record = DEVICE_CHANGE_RECORD{};
    if (bytes == nullptr || available < sizeof(DEV_BROADCAST_HDR)) return false;
    const auto* raw = static_cast<const unsigned char*>(bytes);
    DEV_BROADCAST_HDR header;
    std::memcpy(&header, raw, sizeof header);
    const size_t size = std::min<size_t>(header.dbch_size, available);
    if (size < sizeof(DEV_BROADCAST_HDR)) return false;
    record.DeviceType = header.dbch_devicetype;
    if (header.dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return true;

    constexpr size_t ClassAt = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_classguid);
    constexpr size_t NameAt = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (size < NameAt) {
        record.DeviceType = 0;
        return false;
    }
    GUID guid;
    std::memcpy(&guid, raw + ClassAt, sizeof guid);
    record.ClassGuid = GuidText(guid);
    const size_t maxChars = (size - NameAt) / sizeof(char16_t);
    for (size_t i = 0; i < maxChars; ++i) {
        char16_t c;
        std::memcpy(&c, raw + NameAt + i * sizeof c, sizeof c);
        if (c == u'\0') break;
        record.Name += c;
    }
    return true;
}

} // namespace tonvel::win32
