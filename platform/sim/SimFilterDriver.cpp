#include "platform/sim/SimFilterDriver.h"

#include "platform/sim/SimDeviceLog.h"

#include "base/text/Utf.h"

#include <cstring>

namespace tonvel::sim {

namespace {

constexpr uint32_t GeneralRequest = 0x223028;
constexpr uint32_t SelectEffect = 0x2230F0;
constexpr uint32_t VirtualSpeakers = 0x223140;
constexpr uint32_t QueryState = 0x223190;

uint32_t Get32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

void Put32(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

} // namespace

ControlHandle CSimFilterDriver::Open(std::u16string_view path) {
    if (!m_Present || !EqualsNoCaseAscii(path, ChannelPath)) {
        return NoControlHandle;
    }
    ++m_OpenCount;
    const ControlHandle handle = m_Next++;
    m_Handles.insert(handle);
    return handle;
}

void CSimFilterDriver::Close(ControlHandle handle) {
    m_Handles.erase(handle);
}

bool CSimFilterDriver::IoControl(ControlHandle handle, uint32_t code, const void* input, uint32_t inputSize,
                                 void* output, uint32_t outputSize, uint32_t& returned) {
    returned = 0;
    if (m_Handles.count(handle) == 0) {
        return false;
    }
    SIM_DRIVER_REQUEST request;
    request.Code = code;
    const auto* in = static_cast<const uint8_t*>(input);
    if (in != nullptr) {
        request.Input.assign(in, in + inputSize);
    }
    request.OutputSize = outputSize;
    request.Number = NextDeviceEventNumber();
    m_Requests.push_back(request);
    if (m_FailRequests || (m_FailRequestIn != 0 && --m_FailRequestIn == 0)) {
        return false;
    }

    uint8_t reply[8] = {};
    bool answers = false;
    if (code == GeneralRequest && inputSize == 8) {
        std::memcpy(reply, in, 8);
        Put32(reply + 4, m_GeneralReply);
        answers = true;
    } else if (code == SelectEffect && inputSize == 8) {
        m_Effect = Get32(in + 4);
        std::memcpy(reply, in, 8);
        answers = true;
    } else if (code == QueryState && inputSize == 8) {
        std::memcpy(reply, in, 8);
        Put32(reply + 4, m_StateReply);
        answers = true;
    } else if (code == VirtualSpeakers && inputSize == 72) {
        m_VirtualEnable = Get32(in + 4);
        for (int i = 0; i < 16; ++i) {
            const uint32_t bits = Get32(in + 8 + 4 * i);
            std::memcpy(&m_Virtual[static_cast<size_t>(i)], &bits, 4);
        }
    } else {
        return false; // an unknown request
    }
    if (answers && output != nullptr && outputSize >= 8) {
        std::memcpy(output, reply, 8);
        returned = 8;
    }
    if (m_ForcedReturned >= 0) {
        returned = static_cast<uint32_t>(m_ForcedReturned);
    }
    return true;
}

} // namespace tonvel::sim
