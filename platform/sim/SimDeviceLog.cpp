#include "platform/sim/SimDeviceLog.h"

#include <atomic>
#include <cstdio>

namespace tonvel::sim {
namespace {

void AppendBytes(std::string& text, const std::vector<uint8_t>& bytes) {
    char hex[4];
    for (uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, " %02X", b);
        text += hex;
    }
}

std::string ReportLine(const SIM_REPORT& report) {
    std::string line = report.Kind == SIM_REPORT::KIND::Output ? "out" : "in";
    AppendBytes(line, report.Bytes);
    return line + "\n";
}

std::string RequestLine(const SIM_DRIVER_REQUEST& request) {
    char code[16];
    std::snprintf(code, sizeof code, "ioctl %08X", static_cast<unsigned>(request.Code));
    std::string line = code;
    AppendBytes(line, request.Input);
    return line + "\n";
}

} // namespace

uint64_t NextDeviceEventNumber() {
    static std::atomic<uint64_t> counter{0};
    return ++counter;
}

std::string DeviceLogText(const CSimHeadset& headset, const CSimFilterDriver& driver) {
    std::string text = "registers\n";
    char line[32];
    for (unsigned address = 0; address < 0x10000; ++address) {
        const unsigned value = headset.Register(static_cast<uint16_t>(address));
        if (value == 0) continue;
        std::snprintf(line, sizeof line, "%04X=%02X\n", address, value);
        text += line;
    }
    const auto& reports = headset.Reports();
    const auto& requests = driver.Requests();
    text += "reports " + std::to_string(reports.size()) + "\n";
    text += "filter requests " + std::to_string(requests.size()) + "\n";
    size_t r = 0, q = 0;
    while (r < reports.size() || q < requests.size()) {
        const bool reportFirst =
            q == requests.size() || (r < reports.size() && reports[r].Number < requests[q].Number);
        text += reportFirst ? ReportLine(reports[r++]) : RequestLine(requests[q++]);
    }
    return text;
}

} // namespace tonvel::sim
