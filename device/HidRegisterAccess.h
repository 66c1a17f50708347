#pragma once
// The register protocol over HID reports: report lengths, register and pin reads and writes, the idle
// report. Every operation takes an open HID handle and returns 0 or the number of the step that failed.

#include "platform/api/Hid.h"

#include <array>
#include <cstdint>

namespace tonvel {

// Ten pin flags (0 or 1), index = pin number.
using PinSet = std::array<uint8_t, 10>;

// The output / input report length from the capabilities, or 0 when they cannot be read.
uint16_t HidGetOutputReportLength(IHid& hid, HidHandle handle);
uint16_t HidGetInputReportLength(IHid& hid, HidHandle handle);

// 0; 1 no usable output report length (none, or shorter than the five meaningful bytes); 2 set-address
// report not accepted; 3 write-data report not accepted.
int32_t HidWriteRegister(IHid& hid, HidHandle handle, uint16_t address, uint8_t value);
// 0; 1 no usable output report length; 2 set-address report not accepted; 3 no usable input report length
// (none, or too short to hold the value); 4 input report not delivered. `value` changes only on 0.
int32_t HidReadRegister(IHid& hid, HidHandle handle, uint16_t address, uint8_t& value);
// 0; 1 no output report length; 2 output report length 4 or less; 3 report not accepted.
int32_t HidWritePins(IHid& hid, HidHandle handle, const PinSet& pins);
// 0; 1 no output report length; 2 output length 4 or less; 3 pin-read report not accepted; 4 no input
// report length; 5 input length 4 or less; 6 input report not delivered. `pins` changes only on 0.
int32_t HidReadPins(IHid& hid, HidHandle handle, PinSet& pins);
// 0; 1 no output report length; 2 report not accepted.
int32_t HidSendIdleReport(IHid& hid, HidHandle handle);

} // namespace tonvel
