#pragma once
// Reading the record of a WM_DEVICECHANGE notice (DEV_BROADCAST_HDR, DEV_BROADCAST_DEVICEINTERFACE_W).

#include "platform/api/DeviceNotifications.h"

#include <cstddef>

namespace tonvel::win32 {

// Reads the record at `bytes`, of which at most `available` bytes may be read; the record's own size field
// bounds it further. False when the header or, for a device-interface record, its fixed part does not fit.
// A device-interface record gives its class in registry form and its name up to the terminator or the
// record's end, whichever comes first; other record types give only their type.
bool ParseDeviceBroadcast(const void* bytes, size_t available, DEVICE_CHANGE_RECORD& record);

} // namespace tonvel::win32
