#include "platform/sim/SimFilterDriver.h"

#include "platform/sim/SimDeviceLog.h"

#include "base/text/Utf.h"

#include <cstring>

namespace tonvel::sim {

namespace {

constexpr std::uint32_t kGeneralRequest = 0x223028;
constexpr std::uint32_t kSelectEffect = 0x2230F0;
constexpr std::uint32_t kVirtualSpeakers = 0x223140;
constexpr std::uint32_t kQueryState = 0x223190;

std::uint32_t Get32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void Put32(std::uint8_t* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace

ControlHandle CSimFilterDriver::Open(std::u16string_view path) {
    if (!m_Present || !EqualsNoCaseAscii(path, kChannelPath)) {
        return kNoControlHandle;
    }
    ++m_OpenCount;
    const ControlHandle handle = m_Next++;
    m_Handles.insert(handle);
    return handle;
}

void CSimFilterDriver::Close(ControlHandle handle) {
    m_Handles.erase(handle);
}

bool CSimFilterDriver::IoControl(ControlHandle handle, std::uint32_t code, const void* input,
                                 std::uint32_t inputSize, void* output, std::uint32_t outputSize,
                                 std::uint32_t& returned) {
    returned = 0;
    if (m_Handles.count(handle) == 0) {
        return false;
    }
    SIM_DRIVER_REQUEST request;
    request.Code = code;
    const auto* in = static_cast<const std::uint8_t*>(input);
    if (in != nullptr) {
        request.Input.assign(in, in + inputSize);
    }
    request.OutputSize = outputSize;
    request.Number = NextDeviceEventNumber();
    m_Requests.push_back(request);
    if (m_FailRequests || (m_FailRequestIn != 0 && --m_FailRequestIn == 0)) {
        return false;
    }

    std::uint8_t reply[8] = {};
    bool answers = false;
    if (code == kGeneralRequest && inputSize == 8) {
        std::memcpy(reply, in, 8);
        Put32(reply + 4, m_GeneralReply);
        answers = true;
    } else if (code == kSelectEffect && inputSize == 8) {
        m_Effect = Get32(in + 4);
        std::memcpy(reply, in, 8);
        answers = true;
    } else if (code == kQueryState && inputSize == 8) {
        std::memcpy(reply, in, 8);
        Put32(reply + 4, m_StateReply);
        answers = true;
    } else if (code == kVirtualSpeakers && inputSize == 72) {
        m_VirtualEnable = Get32(in + 4);
        for (int i = 0; i < 16; ++i) {
            const std::uint32_t bits = Get32(in + 8 + 4 * i);
            std::memcpy(&m_Virtual[static_cast<std::size_t>(i)], &bits, 4);
        }
    } else {
        return false; // an unknown request
    }
    if (answers && output != nullptr && outputSize >= 8) {
        std::memcpy(output, reply, 8);
        returned = 8;
    }
    if (m_ForcedReturned >= 0) {
        returned = static_cast<std::uint32_t>(m_ForcedReturned);
    }
    return true;
}

} // namespace tonvel::sim
