#pragma once
// A virtual filter driver: its control device "\\.\Class#PelixChannel&7F1C&00", present or missing. It
// records every request with its input bytes and answers the 8-byte requests in their own buffer.

#include "platform/api/ControlDevice.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace tonvel::sim {

struct SIM_DRIVER_REQUEST {
    uint32_t Code = 0;
    std::vector<uint8_t> Input;
    uint32_t OutputSize = 0;
    uint64_t Number = 0; // its place among everything the device side received (SimDeviceLog.h)
};

class CSimFilterDriver : public IControlDevice {
public:
    static constexpr std::u16string_view ChannelPath = u"\\\\.\\Class#PelixChannel&7F1C&00";

    // Installed and running (the control device opens) or not.
    void SetPresent(bool present) { m_Present = present; }
    bool IsPresent() const { return m_Present; }

    // The value the driver puts at offset 4 of its reply to the general request and to the state query.
    void SetGeneralReply(uint32_t value) { m_GeneralReply = value; }
    void SetStateReply(uint32_t value) { m_StateReply = value; }
    // Every request fails (DeviceIoControl returns FALSE).
    void FailRequests(bool on) { m_FailRequests = on; }
    // Only the n-th request from now on (n >= 1) fails; 0 none.
    void FailRequest(uint32_t n) { m_FailRequestIn = n; }
    // The driver reports this many returned bytes instead of the output size (for a driver that gives none).
    void ForceReturnedBytes(int64_t bytes) { m_ForcedReturned = bytes; }

    const std::vector<SIM_DRIVER_REQUEST>& Requests() const { return m_Requests; }
    void ClearRequests() { m_Requests.clear(); }
    size_t OpenCount() const { return m_OpenCount; }
    size_t OpenHandleCount() const { return m_Handles.size(); }

    // The state the requests left behind.
    uint32_t Effect() const { return m_Effect; }
    uint32_t VirtualEnable() const { return m_VirtualEnable; }
    const std::vector<float>& VirtualParameters() const { return m_Virtual; }

    ControlHandle Open(std::u16string_view path) override;
    bool IoControl(ControlHandle handle, uint32_t code, const void* input, uint32_t inputSize, void* output,
                   uint32_t outputSize, uint32_t& returned) override;
    void Close(ControlHandle handle) override;

private:
    bool m_Present = true;
    bool m_FailRequests = false;
    uint32_t m_FailRequestIn = 0;
    int64_t m_ForcedReturned = -1;
    uint32_t m_GeneralReply = 0;
    uint32_t m_StateReply = 0;
    std::vector<SIM_DRIVER_REQUEST> m_Requests;
    std::set<ControlHandle> m_Handles;
    ControlHandle m_Next = 0x3000;
    size_t m_OpenCount = 0;
    uint32_t m_Effect = 0;
    uint32_t m_VirtualEnable = 0;
    std::vector<float> m_Virtual = std::vector<float>(16, 0.0f);
};

} // namespace tonvel::sim
