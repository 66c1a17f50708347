#include "device/HidRegisterAccess.h"

#include "device/RegisterMap.h"

#include <vector>

namespace tonvel {

namespace {

bool ReadCaps(IHid& hid, HidHandle handle, HID_CAPS& caps) {
    HidPreparsed preparsed = NoHidPreparsed;
    if (!hid.GetPreparsedData(handle, preparsed)) {
        return false;
    }
    const int32_t status = hid.GetCaps(preparsed, caps);
    hid.FreePreparsedData(preparsed);
    return status == HidpStatusSuccess;
}

// A fresh zero-filled report of the given length with the register-protocol bytes 1-4.
std::vector<uint8_t> MakeReport(uint16_t length, uint8_t b2, uint8_t b3, uint8_t command) {
    std::vector<uint8_t> report(length, 0);
    report[1] = RegisterRequestMark;
    report[2] = b2;
    report[3] = b3;
    report[4] = command;
    return report;
}

bool Send(IHid& hid, HidHandle handle, const std::vector<uint8_t>& report) {
    return hid.SetOutputReport(handle, report.data(), report.size());
}

uint8_t Low(uint16_t address) {
    return static_cast<uint8_t>(address & 0xFF);
}
uint8_t High(uint16_t address) {
    return static_cast<uint8_t>(address >> 8);
}

} // namespace

uint16_t HidGetOutputReportLength(IHid& hid, HidHandle handle) {
    HID_CAPS caps;
    return ReadCaps(hid, handle, caps) ? caps.OutputReportByteLength : 0;
}

uint16_t HidGetInputReportLength(IHid& hid, HidHandle handle) {
    HID_CAPS caps;
    return ReadCaps(hid, handle, caps) ? caps.InputReportByteLength : 0;
}

int32_t HidWriteRegister(IHid& hid, HidHandle handle, uint16_t address, uint8_t value) {
    // A report shorter than the five meaningful bytes cannot carry a request: treated as no length.
    const uint16_t length = HidGetOutputReportLength(hid, handle);
    if (length < MeaningfulReportBytes) {
        return 1;
    }
    std::vector<uint8_t> report = MakeReport(length, Low(address), High(address), CommandSetAddress);
    if (!Send(hid, handle, report)) {
        return 2;
    }
    report[2] = value;
    report[3] = 0x01;
    report[4] = CommandWriteData;
    if (!Send(hid, handle, report)) {
        return 3;
    }
    return 0;
}

int32_t HidReadRegister(IHid& hid, HidHandle handle, uint16_t address, uint8_t& value) {
    const uint16_t outLength = HidGetOutputReportLength(hid, handle);
    if (outLength < MeaningfulReportBytes) {
        return 1;
    }
    if (!Send(hid, handle, MakeReport(outLength, Low(address), High(address), CommandSetAddress))) {
        return 2;
    }
    // The value is byte 2: an input report of fewer than three bytes cannot hold it.
    const uint16_t inLength = HidGetInputReportLength(hid, handle);
    if (inLength < 3) {
        return 3;
    }
    std::vector<uint8_t> input(inLength, 0);
    if (!hid.GetInputReport(handle, input.data(), input.size())) {
        return 4;
    }
    value = input[2];
    return 0;
}

int32_t HidWritePins(IHid& hid, HidHandle handle, const PinSet& pins) {
    const uint16_t length = HidGetOutputReportLength(hid, handle);
    if (length == 0) {
        return 1;
    }
    if (length <= 4) {
        return 2;
    }
    uint8_t low = 0;
    for (int pin = 7; pin >= 0; --pin) {
        low = static_cast<uint8_t>((low << 1) | (pins[static_cast<size_t>(pin)] & 1));
    }
    const auto command = static_cast<uint8_t>(CommandWritePins | ((pins[9] & 1) * 2) | (pins[8] & 1));
    if (!Send(hid, handle, MakeReport(length, low, 0xFF, command))) {
        return 3;
    }
    return 0;
}

int32_t HidReadPins(IHid& hid, HidHandle handle, PinSet& pins) {
    const uint16_t outLength = HidGetOutputReportLength(hid, handle);
    if (outLength == 0) {
        return 1;
    }
    if (outLength <= 4) {
        return 2;
    }
    if (!Send(hid, handle, MakeReport(outLength, 0x00, 0x00, CommandReadPins))) {
        return 3;
    }
    const uint16_t inLength = HidGetInputReportLength(hid, handle);
    if (inLength == 0) {
        return 4;
    }
    if (inLength <= 4) {
        return 5;
    }
    std::vector<uint8_t> input(inLength, 0);
    if (!hid.GetInputReport(handle, input.data(), input.size())) {
        return 6;
    }
    for (size_t pin = 0; pin < 8; ++pin) {
        pins[pin] = static_cast<uint8_t>((input[2] >> pin) & 1);
    }
    pins[8] = static_cast<uint8_t>(input[3] & 1);
    pins[9] = static_cast<uint8_t>((input[3] >> 1) & 1);
    return 0;
}

int32_t HidSendIdleReport(IHid& hid, HidHandle handle) {
    const uint16_t length = HidGetOutputReportLength(hid, handle);
    if (length == 0) {
        return 1;
    }
    const std::vector<uint8_t> report(length, 0);
    if (!Send(hid, handle, report)) {
        return 2;
    }
    return 0;
}

} // namespace tonvel
