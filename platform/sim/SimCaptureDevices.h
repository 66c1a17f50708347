#pragma once
// Simulated capture devices: the list the capture enumeration walks, in order.

#include "platform/api/CaptureDevices.h"

#include <vector>

namespace tonvel::sim {

class CSimCaptureDevices : public ICaptureDevices {
public:
    void Add(CAPTURE_DEVICE device) { m_Devices.push_back(std::move(device)); }
    std::vector<CAPTURE_DEVICE>& Devices() { return m_Devices; }
    void SetFails(bool fails) { m_Fails = fails; }

    bool Enumerate(const CaptureDeviceCallback& callback) override {
        if (m_Fails) return false;
        for (const CAPTURE_DEVICE& device : m_Devices)
            if (!callback(device)) break;
        return true;
    }

private:
    std::vector<CAPTURE_DEVICE> m_Devices;
    bool m_Fails = false;
};

} // namespace tonvel::sim
