#pragma once
// Simulated hid.dll over the simulated device tree: handles to HID interface paths of present devices;
// reports go to the device that owns the interface. A handle whose device was unplugged fails every call but
// can still be closed.

#include "platform/api/Hid.h"

#include <cstddef>
#include <map>
#include <vector>

namespace tonvel::sim {

class CSimDeviceTree;
class CSimHeadset;

class CSimDeviceHid : public IHid {
public:
    explicit CSimDeviceHid(CSimDeviceTree& tree);

    // Handles and preparsed records not yet released.
    size_t OpenHandleCount() const { return m_Handles.size(); }
    size_t PreparsedCount() const { return m_Preparsed.size(); }
    // Every CreateFileW on a HID path so far (opened or not).
    size_t OpenAttempts() const { return m_OpenAttempts; }
    // The handles open on a device's HID interfaces.
    std::vector<HidHandle> HandlesOf(const CSimHeadset& device) const;

    std::u16string GetHidGuid() override;
    HidHandle OpenInterface(std::u16string_view path) override;
    void Close(HidHandle handle) override;
    bool GetAttributes(HidHandle handle, HID_ATTRIBUTES& attributes) override;
    bool GetPreparsedData(HidHandle handle, HidPreparsed& preparsed) override;
    int32_t GetCaps(HidPreparsed preparsed, HID_CAPS& caps) override;
    void FreePreparsedData(HidPreparsed preparsed) override;
    bool SetOutputReport(HidHandle handle, const uint8_t* report, size_t length) override;
    bool GetInputReport(HidHandle handle, uint8_t* report, size_t length) override;

private:
    struct TARGET {
        CSimHeadset* Device = nullptr;
        size_t Hid = 0;
    };
    // The device behind a handle while it is still plugged in.
    bool Resolve(HidHandle handle, TARGET& target) const;

    CSimDeviceTree& m_Tree;
    std::map<HidHandle, TARGET> m_Handles;
    std::map<HidPreparsed, TARGET> m_Preparsed;
    uintptr_t m_Next = 0x2000;
    size_t m_OpenAttempts = 0;
};

} // namespace tonvel::sim
