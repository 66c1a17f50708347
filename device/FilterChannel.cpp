#include "device/FilterChannel.h"

#include <cstring>

namespace tonvel {

namespace {

void Put16(std::uint8_t* bytes, std::uint16_t value) {
    bytes[0] = static_cast<std::uint8_t>(value);
    bytes[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t Get32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

// Opens the channel, sends one request, closes. 1 cannot open, 2 the request failed, else 0.
std::int32_t Send(IControlDevice& control, std::uint32_t code, void* input, std::uint32_t inputSize,
                  void* output, std::uint32_t outputSize, std::uint32_t& returned) {
    const ControlHandle handle = control.Open(kFilterChannelPath);
    if (handle == kNoControlHandle) {
        return 1;
    }
    returned = 0;
    const bool ok = control.IoControl(handle, code, input, inputSize, output, outputSize, returned);
    control.Close(handle);
    return ok ? 0 : 2;
}

} // namespace

std::int32_t DriverGeneralRequest(IControlDevice& control, std::uint16_t selector, std::uint32_t& value) {
    std::uint8_t buffer[8] = {};
    Put16(buffer, 1);
    Put16(buffer + 2, selector);
    Put32(buffer + 4, value);
    std::uint32_t returned = 0;
    const std::int32_t status = Send(control, kDriverGeneralRequestCode, buffer, 8, buffer, 8, returned);
    if (status != 0) {
        return status;
    }
    if (returned == 0) {
        return 3;
    }
    value = Get32(buffer + 4);
    return 0;
}

std::int32_t DriverSelectEffect(IControlDevice& control, std::uint32_t effect) {
    std::uint8_t buffer[8] = {};
    Put32(buffer + 4, effect);
    std::uint32_t returned = 0;
    return Send(control, kDriverSelectEffectCode, buffer, 8, buffer, 8, returned);
}

std::int32_t DriverSetVirtualSpeakers(IControlDevice& control, std::uint32_t enable,
                                      const VirtualSpeakerParameters& parameters) {
    std::uint8_t buffer[72] = {};
    Put32(buffer + 4, enable);
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &parameters[i], 4);
        Put32(buffer + 8 + 4 * i, bits);
    }
    std::uint32_t returned = 0;
    return Send(control, kDriverSetVirtualSpeakersCode, buffer, 72, nullptr, 0, returned);
}

std::int32_t DriverQueryState(IControlDevice& control, std::uint32_t& value) {
    std::uint8_t buffer[8] = {};
    Put32(buffer, 1);
    std::uint32_t returned = 0;
    const std::int32_t status = Send(control, kDriverQueryStateCode, buffer, 8, buffer, 8, returned);
    if (status != 0) {
        return status;
    }
    value = Get32(buffer + 4);
    return 0;
}

void ResetFilterDriver(IControlDevice& control) {
    std::uint32_t state = 0;
    DriverQueryState(control, state);
    DriverSetVirtualSpeakers(control, 0, VirtualSpeakerParameters{});
    std::uint32_t value = 0;
    DriverGeneralRequest(control, 0, value);
}

} // namespace tonvel
