#pragma once
// What the simulated headset heard, one line per register access: "W 0120=FF" (set address, write data),
// "R 0129" (set address, input report), "A 0129" (a set address that nothing followed), "idle"; a report
// that was not accepted (or not delivered) adds " refused" to its line.

#include "platform/sim/SimHeadset.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace tonvel::test {

inline std::string TrafficLine(const char* format, unsigned address, unsigned value, bool accepted) {
    char text[32];
    std::snprintf(text, sizeof text, format, address, value);
    return std::string(text) + (accepted ? "" : " refused");
}

inline std::vector<std::string> RegisterTraffic(const sim::CSimHeadset& headset) {
    using KIND = sim::SIM_REPORT::KIND;
    std::vector<std::string> lines;
    const auto& reports = headset.Reports();
    for (size_t i = 0; i < reports.size(); ++i) {
        const sim::SIM_REPORT& r = reports[i];
        const std::vector<uint8_t>& b = r.Bytes;
        if (r.Kind == KIND::Input) {
            lines.push_back(r.Accepted ? "in" : "in refused");
        } else if (std::all_of(b.begin(), b.end(), [](uint8_t x) { return x == 0; })) {
            lines.push_back(r.Accepted ? "idle" : "idle refused");
        } else if (b.size() > 4 && b[4] == 0x10) {
            const unsigned address = b[2] | (b[3] << 8);
            const sim::SIM_REPORT* next = i + 1 < reports.size() && r.Accepted ? &reports[i + 1] : nullptr;
            if (next && next->Kind == KIND::Output && next->Bytes.size() > 4 && next->Bytes[4] == 0x20) {
                lines.push_back(TrafficLine("W %04X=%02X", address, next->Bytes[2], next->Accepted));
                ++i;
            } else if (next && next->Kind == KIND::Input) {
                lines.push_back(TrafficLine("R %04X", address, 0, next->Accepted));
                ++i;
            } else {
                lines.push_back(TrafficLine("A %04X", address, 0, r.Accepted));
            }
        } else {
            lines.push_back(TrafficLine("out %02X", b.size() > 4 ? b[4] : 0u, 0, r.Accepted));
        }
    }
    return lines;
}

using TRAFFIC = std::vector<std::string>;

} // namespace tonvel::test
