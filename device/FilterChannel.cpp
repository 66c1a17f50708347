#include "device/FilterChannel.h"

#include <cstring>

namespace tonvel {

namespace {

void Put16(uint8_t* bytes, uint16_t value) {
    bytes[0] = static_cast<uint8_t>(value);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

void Put32(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

uint32_t Get32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

// Opens the channel, sends one request, closes. 1 cannot open, 2 the request failed, else 0.
int32_t Send(IControlDevice& control, uint32_t code, void* input, uint32_t inputSize, void* output,
             uint32_t outputSize, uint32_t& returned) {
    const ControlHandle handle = control.Open(FilterChannelPath);
    if (handle == NoControlHandle) {
        return 1;
    }
    returned = 0;
    const bool ok = control.IoControl(handle, code, input, inputSize, output, outputSize, returned);
    control.Close(handle);
    return ok ? 0 : 2;
}

} // namespace

int32_t DriverGeneralRequest(IControlDevice& control, uint16_t selector, uint32_t& value) {
    uint8_t buffer[8] = {};
    Put16(buffer, 1);
    Put16(buffer + 2, selector);
    Put32(buffer + 4, value);
    uint32_t returned = 0;
    const int32_t status = Send(control, DriverGeneralRequestCode, buffer, 8, buffer, 8, returned);
    if (status != 0) {
        return status;
    }
    if (returned == 0) {
        return 3;
    }
    value = Get32(buffer + 4);
    return 0;
}

int32_t DriverSelectEffect(IControlDevice& control, uint32_t effect) {
    uint8_t buffer[8] = {};
    Put32(buffer + 4, effect);
    uint32_t returned = 0;
    return Send(control, DriverSelectEffectCode, buffer, 8, buffer, 8, returned);
}

int32_t DriverSetVirtualSpeakers(IControlDevice& control, uint32_t enable,
                                 const VirtualSpeakerParameters& parameters) {
    uint8_t buffer[72] = {};
    Put32(buffer + 4, enable);
    for (size_t i = 0; i < parameters.size(); ++i) {
        uint32_t bits = 0;
        std::memcpy(&bits, &parameters[i], 4);
        Put32(buffer + 8 + 4 * i, bits);
    }
    uint32_t returned = 0;
    return Send(control, DriverSetVirtualSpeakersCode, buffer, 72, nullptr, 0, returned);
}

int32_t DriverQueryState(IControlDevice& control, uint32_t& value) {
    uint8_t buffer[8] = {};
    Put32(buffer, 1);
    uint32_t returned = 0;
    const int32_t status = Send(control, DriverQueryStateCode, buffer, 8, buffer, 8, returned);
    if (status != 0) {
        return status;
    }
    value = Get32(buffer + 4);
    return 0;
}

void ResetFilterDriver(IControlDevice& control) {
    uint32_t state = 0;
    DriverQueryState(control, state);
    DriverSetVirtualSpeakers(control, 0, VirtualSpeakerParameters{});
    uint32_t value = 0;
    DriverGeneralRequest(control, 0, value);
}

} // namespace tonvel
