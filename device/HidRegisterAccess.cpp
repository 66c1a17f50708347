#include "device/HidRegisterAccess.h"

#include "device/RegisterMap.h"

#include <vector>

namespace tonvel {

namespace {

bool ReadCaps(IHid& hid, HidHandle handle, HID_CAPS& caps) {
    HidPreparsed preparsed = kNoHidPreparsed;
    if (!hid.GetPreparsedData(handle, preparsed)) {
        return false;
    }
    const std::int32_t status = hid.GetCaps(preparsed, caps);
    hid.FreePreparsedData(preparsed);
    return status == kHidpStatusSuccess;
}

// A fresh zero-filled report of the given length with the register-protocol bytes 1-4.
std::vector<std::uint8_t> MakeReport(std::uint16_t length, std::uint8_t b2, std::uint8_t b3,
                                     std::uint8_t command) {
    std::vector<std::uint8_t> report(length, 0);
    report[1] = kRegisterRequestMark;
    report[2] = b2;
    report[3] = b3;
    report[4] = command;
    return report;
}

bool Send(IHid& hid, HidHandle handle, const std::vector<std::uint8_t>& report) {
    return hid.SetOutputReport(handle, report.data(), report.size());
}

std::uint8_t Low(std::uint16_t address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}
std::uint8_t High(std::uint16_t address) {
    return static_cast<std::uint8_t>(address >> 8);
}

} // namespace

std::uint16_t HidGetOutputReportLength(IHid& hid, HidHandle handle) {
    HID_CAPS caps;
    return ReadCaps(hid, handle, caps) ? caps.OutputReportByteLength : 0;
}

std::uint16_t HidGetInputReportLength(IHid& hid, HidHandle handle) {
    HID_CAPS caps;
    return ReadCaps(hid, handle, caps) ? caps.InputReportByteLength : 0;
}

std::int32_t HidWriteRegister(IHid& hid, HidHandle handle, std::uint16_t address, std::uint8_t value) {
    // A report shorter than the five meaningful bytes cannot carry a request: treated as no length.
    const std::uint16_t length = HidGetOutputReportLength(hid, handle);
    if (length < kMeaningfulReportBytes) {
        return 1;
    }
    std::vector<std::uint8_t> report = MakeReport(length, Low(address), High(address), kCommandSetAddress);
    if (!Send(hid, handle, report)) {
        return 2;
    }
    report[2] = value;
    report[3] = 0x01;
    report[4] = kCommandWriteData;
    if (!Send(hid, handle, report)) {
        return 3;
    }
    return 0;
}

std::int32_t HidReadRegister(IHid& hid, HidHandle handle, std::uint16_t address, std::uint8_t& value) {
    const std::uint16_t outLength = HidGetOutputReportLength(hid, handle);
    if (outLength < kMeaningfulReportBytes) {
        return 1;
    }
    if (!Send(hid, handle, MakeReport(outLength, Low(address), High(address), kCommandSetAddress))) {
        return 2;
    }
    // The value is byte 2: an input report of fewer than three bytes cannot hold it.
    const std::uint16_t inLength = HidGetInputReportLength(hid, handle);
    if (inLength < 3) {
        return 3;
    }
    std::vector<std::uint8_t> input(inLength, 0);
    if (!hid.GetInputReport(handle, input.data(), input.size())) {
        return 4;
    }
    value = input[2];
    return 0;
}

std::int32_t HidWritePins(IHid& hid, HidHandle handle, const PinSet& pins) {
    const std::uint16_t length = HidGetOutputReportLength(hid, handle);
    if (length == 0) {
        return 1;
    }
    if (length <= 4) {
        return 2;
    }
    std::uint8_t low = 0;
    for (int pin = 7; pin >= 0; --pin) {
        low = static_cast<std::uint8_t>((low << 1) | (pins[static_cast<std::size_t>(pin)] & 1));
    }
    const auto command = static_cast<std::uint8_t>(kCommandWritePins | ((pins[9] & 1) * 2) | (pins[8] & 1));
    if (!Send(hid, handle, MakeReport(length, low, 0xFF, command))) {
        return 3;
    }
    return 0;
}

std::int32_t HidReadPins(IHid& hid, HidHandle handle, PinSet& pins) {
    const std::uint16_t outLength = HidGetOutputReportLength(hid, handle);
    if (outLength == 0) {
        return 1;
    }
    if (outLength <= 4) {
        return 2;
    }
    if (!Send(hid, handle, MakeReport(outLength, 0x00, 0x00, kCommandReadPins))) {
        return 3;
    }
    const std::uint16_t inLength = HidGetInputReportLength(hid, handle);
    if (inLength == 0) {
        return 4;
    }
    if (inLength <= 4) {
        return 5;
    }
    std::vector<std::uint8_t> input(inLength, 0);
    if (!hid.GetInputReport(handle, input.data(), input.size())) {
        return 6;
    }
    for (std::size_t pin = 0; pin < 8; ++pin) {
        pins[pin] = static_cast<std::uint8_t>((input[2] >> pin) & 1);
    }
    pins[8] = static_cast<std::uint8_t>(input[3] & 1);
    pins[9] = static_cast<std::uint8_t>((input[3] >> 1) & 1);
    return 0;
}

std::int32_t HidSendIdleReport(IHid& hid, HidHandle handle) {
    const std::uint16_t length = HidGetOutputReportLength(hid, handle);
    if (length == 0) {
        return 1;
    }
    const std::vector<std::uint8_t> report(length, 0);
    if (!Send(hid, handle, report)) {
        return 2;
    }
    return 0;
}

} // namespace tonvel
