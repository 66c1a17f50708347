#include "platform/sim/SimDeviceLog.h"

#include "device/FilterChannel.h"
#include "device/HidRegisterAccess.h"
#include "device/HidTransaction.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel::sim {
namespace {

// A register write, an effect request and a register read come back in the order they happened.
TEST(SimDeviceLog, ReportsAndRequestsInTheirOrder) {
    CSimWindows sim;
    sim.Devices().Plug(sim.Headset());
    const Platform& p = sim.platform();
    {
        CHidTransaction device(*p.hid, *p.deviceInstall, CSimHeadset::DefaultVendorId,
                               sim.Headset().ProductId());
        ASSERT_TRUE(device.IsOpen());
        ASSERT_EQ(HidWriteRegister(device.Hid(), device.Handle(), 0x0120, 0xFF), 0);
        ASSERT_EQ(DriverSelectEffect(*p.controlDevice, 1), 0);
        uint8_t value = 0;
        ASSERT_EQ(HidReadRegister(device.Hid(), device.Handle(), 0x0120, value), 0);
    }
    const std::string text = DeviceLogText(sim.Headset(), sim.FilterDriver());
    const size_t reports = sim.Headset().Reports().size();
    ASSERT_EQ(sim.FilterDriver().Requests().size(), 1u);
    EXPECT_EQ(
        text.rfind("registers\n0120=FF\nreports " + std::to_string(reports) + "\nfilter requests 1\n", 0), 0u)
        << text;
    const size_t write = text.find("\nout ");
    const size_t ioctl = text.find("\nioctl 002230F0 00 00 00 00 01 00 00 00\n");
    const size_t read = text.find("\nin ");
    ASSERT_NE(write, std::string::npos) << text;
    ASSERT_NE(ioctl, std::string::npos) << text;
    ASSERT_NE(read, std::string::npos) << text;
    EXPECT_LT(write, ioctl);
    EXPECT_LT(ioctl, read);
    // Every byte of a report, two upper-case hexadecimal digits each.
    const std::vector<uint8_t>& first = sim.Headset().Reports().front().Bytes;
    std::string expected = "\nout";
    for (uint8_t b : first) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        expected += hex;
    }
    EXPECT_EQ(text.substr(write, expected.size() + 1), expected + "\n");
}

} // namespace
} // namespace tonvel::sim
