#include "device/MicDeviceName.h"

#include <algorithm>
#include <cstdio>

namespace tonvel {
namespace {

char16_t Upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
}

bool BeginsWith(const std::u16string& text, const std::u16string& prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char16_t a, char16_t b) { return Upper(a) == Upper(b); });
}

// The device's own microphone: a capture device with a record whose interface path begins with the pattern.
bool IsMicDevice(const CAPTURE_DEVICE& device, const std::u16string& pattern) {
    return device.HasRecord && !pattern.empty() && BeginsWith(device.InterfacePath, pattern);
}

} // namespace

std::u16string MicDevicePattern(uint16_t vendorId, uint16_t productId) {
    char ids[32];
    std::snprintf(ids, sizeof ids, "VID_%04X&PID_%04X", vendorId, productId);
    return u"\\\\?\\USB#" + std::u16string(ids, ids + std::char_traits<char>::length(ids));
}

std::u16string FindMicDeviceName(ICaptureDevices& devices, const std::u16string& pattern) {
    std::u16string name;
    devices.Enumerate([&](const CAPTURE_DEVICE& device) {
        if (IsMicDevice(device, pattern)) name = device.Name.substr(0, MicDeviceNameMax);
        return true;
    });
    return name;
}

bool FindMicWaveInDevice(ICaptureDevices& devices, const std::u16string& pattern, uint32_t& waveIn) {
    bool found = false;
    devices.Enumerate([&](const CAPTURE_DEVICE& device) {
        if (IsMicDevice(device, pattern)) {
            waveIn = device.WaveInId;
            found = true;
        }
        return true;
    });
    return found;
}

} // namespace tonvel
