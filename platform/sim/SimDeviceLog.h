#pragma once
// The order of what reached the simulated device side: every HID report and every filter-driver request
// takes the next number of one counter, so that the two logs can be read back as one sequence.

#include "platform/sim/SimFilterDriver.h"
#include "platform/sim/SimHeadset.h"

#include <cstdint>
#include <string>

namespace tonvel::sim {

// The next number of the device side's one counter.
uint64_t NextDeviceEventNumber();

// The device log a person or a test reads what a click did from: the register file (non-zero registers,
// "AAAA=VV"), the counts, then one line per report and request in the order they happened:
// "out 00 10 01 20 00", "in 00 00 FF 00 00", "ioctl 002230F0 00 00 00 00 01 00 00 00".
std::string DeviceLogText(const CSimHeadset& headset, const CSimFilterDriver& driver);

} // namespace tonvel::sim
