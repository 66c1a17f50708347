#pragma once
// Shared helpers of the device tests: a simulated Windows with the headset plugged in and report bytes.

#include "device/HidDiscovery.h"
#include "platform/sim/SimWindows.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tonvel::test {

// A report of `length` bytes that starts with `head` and is zero after it.
inline std::vector<uint8_t> Report(std::initializer_list<uint8_t> head, size_t length = 65) {
    std::vector<uint8_t> bytes(head);
    bytes.resize(length, 0);
    return bytes;
}

// The output reports the headset saw, accepted or not, in order.
inline std::vector<std::vector<uint8_t>> Outputs(const sim::CSimHeadset& headset) {
    std::vector<std::vector<uint8_t>> out;
    for (const auto& r : headset.Reports()) {
        if (r.Kind == sim::SIM_REPORT::KIND::Output) {
            out.push_back(r.Bytes);
        }
    }
    return out;
}

// The simulated machine with its headset plugged in and one handle of the headset's HID interface open.
class CPluggedHeadset {
public:
    CPluggedHeadset() {
        m_Sim.Devices().Plug(m_Sim.Headset());
        Open();
    }
    ~CPluggedHeadset() {
        if (m_Handle != NoHidHandle) {
            m_Sim.Hid().Close(m_Handle);
        }
    }
    void Open() {
        m_Handle = OpenAudioHidDevice(m_Sim.Hid(), m_Sim.Devices(), m_Sim.Headset().VendorId(),
                                      m_Sim.Headset().ProductId());
    }

    sim::CSimWindows m_Sim;
    sim::CSimHeadset& m_Headset = m_Sim.Headset();
    IHid& m_Hid = m_Sim.Hid();
    HidHandle m_Handle = NoHidHandle;
};

} // namespace tonvel::test
