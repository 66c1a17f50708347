#pragma once
// The name of the device's microphone among the system's capture devices: the capture device whose
// interface path begins with the device pattern "\\?\USB#VID_vvvv&PID_pppp".

#include "platform/api/CaptureDevices.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tonvel {

inline constexpr size_t MicDeviceNameMax = 259;

// "\\?\USB#VID_%0.4X&PID_%0.4X".
std::u16string MicDevicePattern(uint16_t vendorId, uint16_t productId);
// The name (at most 259 units) of the last capture device with a record whose interface path begins with the
// pattern (letter case ignored); empty when none does or the pattern is empty.
std::u16string FindMicDeviceName(ICaptureDevices& devices, const std::u16string& pattern);
// The wave-in number of that same capture device (the one the name comes from); false when there is none.
bool FindMicWaveInDevice(ICaptureDevices& devices, const std::u16string& pattern, uint32_t& waveIn);

} // namespace tonvel
