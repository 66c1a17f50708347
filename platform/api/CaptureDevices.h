#pragma once
// The system's audio capture devices, each with its device interface path and its name (the name the
// device's Core Audio endpoint carries in its friendly name, and the legacy mixer as its product name).

#include <cstdint>
#include <functional>
#include <string>

namespace tonvel {

struct CAPTURE_DEVICE {
    // False for an entry that stands for no device of its own (the default device); it has no path or name.
    bool HasRecord = false;
    std::u16string InterfacePath; // "\\?\USB#VID_7F1C&PID_721B&MI_00#..."
    std::u16string Name;          // "Microphone (USB Audio Device)"
    uint32_t WaveInId = 0;        // the device's number for waveInOpen (its place in the enumeration)
};

// Called once per device in the system's order; the enumeration goes on while it returns true.
using CaptureDeviceCallback = std::function<bool(const CAPTURE_DEVICE& device)>;

class ICaptureDevices {
public:
    virtual ~ICaptureDevices() = default;
    // Enumerates the capture devices (waveInGetNumDevs, waveInGetDevCapsW for the name, waveInMessage
    // DRV_QUERYDEVICEINTERFACE for the path). False when the enumeration itself failed.
    virtual bool Enumerate(const CaptureDeviceCallback& callback) = 0;
};

} // namespace tonvel
