#pragma once
// Simulated capture devices: the list the capture enumeration walks, in order; a device's wave-in number
// is its place in the list.

#include "platform/api/CaptureDevices.h"

#include <vector>

namespace tonvel::sim {

class CSimCaptureDevices : public ICaptureDevices {
public:
    // Adds a device at the end of the list; returns its wave-in number.
    uint32_t Add(CAPTURE_DEVICE device) {
        m_Devices.push_back(std::move(device));
        return static_cast<uint32_t>(m_Devices.size() - 1);
    }
    size_t Count() const { return m_Devices.size(); }
    std::vector<CAPTURE_DEVICE>& Devices() { return m_Devices; }
    void SetFails(bool fails) { m_Fails = fails; }

    bool Enumerate(const CaptureDeviceCallback& callback) override {
        if (m_Fails) return false;
        for (size_t i = 0; i < m_Devices.size(); ++i) {
            CAPTURE_DEVICE device = m_Devices[i];
            device.WaveInId = static_cast<uint32_t>(i);
            if (!callback(device)) break;
        }
        return true;
    }

private:
    std::vector<CAPTURE_DEVICE> m_Devices;
    bool m_Fails = false;
};

} // namespace tonvel::sim
