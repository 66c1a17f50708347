#pragma once
// The filter driver's kernel-service key under HKEY_LOCAL_MACHINE: error control, start type, service type
// and the image path, written in that order, then flushed.

#include <cstdint>
#include <string_view>

namespace tonvel {

class IRegistry;

inline constexpr uint32_t DriverErrorNormal = 1;    // SERVICE_ERROR_NORMAL
inline constexpr uint32_t DriverDemandStart = 3;    // SERVICE_DEMAND_START
inline constexpr uint32_t DriverKernelService = 1;  // SERVICE_KERNEL_DRIVER
inline constexpr size_t RegistryKeyNameUnits = 255; // the longest key name the registry takes

inline constexpr int32_t DriverKeyWritten = 0;
inline constexpr int32_t DriverKeyNotWritten = 1;

// Creates (or opens and overwrites) the service's key with its four values. DriverKeyNotWritten when the
// name is empty or too long, the key cannot be created, or a value or the flush is refused.
int32_t CreateDriverServiceKey(IRegistry& registry, std::u16string_view serviceName);

} // namespace tonvel
