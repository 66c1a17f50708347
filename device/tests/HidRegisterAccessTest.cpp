#include "device/HidRegisterAccess.h"
#include "device/tests/DeviceTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tonvel {
namespace {

using test::Outputs;
using test::Report;

class HidRegisterAccessTest : public ::testing::Test, protected test::CPluggedHeadset {};

TEST_F(HidRegisterAccessTest, WriteRegisterSendsSetAddressThenWriteData) {
    ASSERT_NE(m_Handle, NoHidHandle);
    EXPECT_EQ(HidWriteRegister(m_Hid, m_Handle, 0x0129, 0xAB), 0);
    const auto out = Outputs(m_Headset);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0], Report({0x00, 0x60, 0x29, 0x01, 0x10}));
    EXPECT_EQ(out[1], Report({0x00, 0x60, 0xAB, 0x01, 0x20}));
    EXPECT_EQ(m_Headset.Register(0x0129), 0xAB);
    EXPECT_EQ(m_Sim.Hid().PreparsedCount(), 0u);
}

TEST_F(HidRegisterAccessTest, ReadRegisterReturnsByteTwoOfTheInputReport) {
    m_Headset.SetRegister(0x18A, 0x5C);
    uint8_t value = 0;
    EXPECT_EQ(HidReadRegister(m_Hid, m_Handle, 0x18A, value), 0);
    EXPECT_EQ(value, 0x5C);
    ASSERT_EQ(m_Headset.Reports().size(), 2u);
    EXPECT_EQ(m_Headset.Reports()[0].Bytes, Report({0x00, 0x60, 0x8A, 0x01, 0x10}));
    EXPECT_EQ(m_Headset.Reports()[1].Kind, sim::SIM_REPORT::KIND::Input);
}

struct PIN_CASE {
    std::vector<int> On;
    uint8_t Byte2;
    uint8_t Byte4;
};

TEST_F(HidRegisterAccessTest, WritePinsPacksPinsIntoBytesTwoAndFour) {
    const PIN_CASE cases[] = {
        {{}, 0x00, 0x3C},
        {{0, 2, 9}, 0x05, 0x3E},
        {{8}, 0x00, 0x3D},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 0xFF, 0x3F},
    };
    for (const auto& c : cases) {
        m_Headset.ClearReports();
        PinSet pins{};
        uint16_t expected = 0;
        for (int pin : c.On) {
            pins[static_cast<size_t>(pin)] = 1;
            expected = static_cast<uint16_t>(expected | (1u << pin));
        }
        EXPECT_EQ(HidWritePins(m_Hid, m_Handle, pins), 0);
        const auto out = Outputs(m_Headset);
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(out[0], Report({0x00, 0x60, c.Byte2, 0xFF, c.Byte4})) << c.On.size();
        EXPECT_EQ(m_Headset.Pins(), expected);
    }
}

TEST_F(HidRegisterAccessTest, ReadPinsUnpacksBytesTwoAndThree) {
    m_Headset.SetPins(0x305); // pins 0, 2, 8, 9
    PinSet pins{};
    EXPECT_EQ(HidReadPins(m_Hid, m_Handle, pins), 0);
    EXPECT_EQ(pins, (PinSet{1, 0, 1, 0, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(Outputs(m_Headset).front(), Report({0x00, 0x60, 0x00, 0x00, 0x30}));
}

// Each pin read back on its own place: pins 8 and 9 apart, and the low byte against the high one.
TEST_F(HidRegisterAccessTest, ReadPinsKeepsEveryPinInItsPlace) {
    struct CASE {
        uint16_t Pins;
        PinSet Expected;
    };
    const CASE cases[] = {
        {0x100, PinSet{0, 0, 0, 0, 0, 0, 0, 0, 1, 0}},
        {0x200, PinSet{0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {0x081, PinSet{1, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
        {0x2AA, PinSet{0, 1, 0, 1, 0, 1, 0, 1, 0, 1}},
    };
    for (const CASE& c : cases) {
        m_Headset.SetPins(c.Pins);
        PinSet pins{};
        EXPECT_EQ(HidReadPins(m_Hid, m_Handle, pins), 0) << c.Pins;
        EXPECT_EQ(pins, c.Expected) << c.Pins;
    }
}

TEST_F(HidRegisterAccessTest, IdleReportIsAllZero) {
    EXPECT_EQ(HidSendIdleReport(m_Hid, m_Handle), 0);
    ASSERT_EQ(Outputs(m_Headset).size(), 1u);
    EXPECT_EQ(Outputs(m_Headset)[0], Report({}));
}

enum class OP { Write, Read, WritePins, ReadPins, Idle };

int32_t RunOp(OP op, IHid& hid, HidHandle handle) {
    uint8_t value = 0x77;
    PinSet pins{};
    pins[3] = 1;
    switch (op) {
    case OP::Write:
        return HidWriteRegister(hid, handle, 0x120, 0x42);
    case OP::Read: {
        const int32_t status = HidReadRegister(hid, handle, 0x120, value);
        if (status != 0) {
            EXPECT_EQ(value, 0x77) << "a failed read leaves the value";
        }
        return status;
    }
    case OP::WritePins:
        return HidWritePins(hid, handle, pins);
    case OP::ReadPins: {
        const int32_t status = HidReadPins(hid, handle, pins);
        if (status != 0) {
            EXPECT_EQ(pins[3], 1) << "a failed read leaves the pins";
        }
        return status;
    }
    case OP::Idle:
        return HidSendIdleReport(hid, handle);
    }
    return -1;
}

struct FAILURE_CASE {
    const char* Name;
    OP Op;
    uint32_t FailOutput; // n-th output report refused
    uint32_t FailInput;  // n-th input report not delivered
    int32_t Status;
    size_t Reports; // reports the device saw, the failed one last
};

TEST_F(HidRegisterAccessTest, EachFailedStepGivesItsStatusAndNothingAfterIt) {
    const FAILURE_CASE cases[] = {
        {"write: set-address refused", OP::Write, 1, 0, 2, 1},
        {"write: write-data refused", OP::Write, 2, 0, 3, 2},
        {"read: set-address refused", OP::Read, 1, 0, 2, 1},
        {"read: input not delivered", OP::Read, 0, 1, 4, 2},
        {"pins: report refused", OP::WritePins, 1, 0, 3, 1},
        {"pin read: request refused", OP::ReadPins, 1, 0, 3, 1},
        {"pin read: input not delivered", OP::ReadPins, 0, 1, 6, 2},
        {"idle: report refused", OP::Idle, 1, 0, 2, 1},
    };
    for (const auto& c : cases) {
        m_Headset.ClearReports();
        m_Headset.FailOutputReport(c.FailOutput);
        m_Headset.FailInputReport(c.FailInput);
        EXPECT_EQ(RunOp(c.Op, m_Hid, m_Handle), c.Status) << c.Name;
        ASSERT_EQ(m_Headset.Reports().size(), c.Reports) << c.Name;
        EXPECT_FALSE(m_Headset.Reports().back().Accepted) << c.Name;
        m_Headset.FailOutputReport(0);
        m_Headset.FailInputReport(0);
    }
    EXPECT_EQ(m_Headset.Register(0x120), 0x00);
}

struct LENGTH_CASE {
    const char* Name;
    uint16_t Output;
    uint16_t Input;
    OP Op;
    int32_t Status;
    size_t Outputs; // output reports sent
};

TEST_F(HidRegisterAccessTest, ReportLengthsDecideWhatCanBeSent) {
    const LENGTH_CASE cases[] = {
        {"no output length: write", 0, 65, OP::Write, 1, 0},
        {"no output length: read", 0, 65, OP::Read, 1, 0},
        {"no output length: pins", 0, 65, OP::WritePins, 1, 0},
        {"no output length: pin read", 0, 65, OP::ReadPins, 1, 0},
        {"no output length: idle", 0, 65, OP::Idle, 1, 0},
        {"4-byte output: write refused", 4, 65, OP::Write, 1, 0},
        {"4-byte output: read refused", 4, 65, OP::Read, 1, 0},
        {"4-byte output: pins", 4, 65, OP::WritePins, 2, 0},
        {"4-byte output: pin read", 4, 65, OP::ReadPins, 2, 0},
        {"4-byte output: idle still sent", 4, 65, OP::Idle, 0, 1},
        {"5-byte output: write", 5, 65, OP::Write, 0, 2},
        {"no input length: read", 65, 0, OP::Read, 3, 1},
        {"2-byte input: read", 65, 2, OP::Read, 3, 1},
        {"3-byte input: read", 65, 3, OP::Read, 0, 1},
        {"no input length: pin read", 65, 0, OP::ReadPins, 4, 1},
        {"4-byte input: pin read", 65, 4, OP::ReadPins, 5, 1},
    };
    for (const auto& c : cases) {
        m_Headset.ClearReports();
        m_Headset.Hid().OutputReportLength = c.Output;
        m_Headset.Hid().InputReportLength = c.Input;
        EXPECT_EQ(RunOp(c.Op, m_Hid, m_Handle), c.Status) << c.Name;
        EXPECT_EQ(Outputs(m_Headset).size(), c.Outputs) << c.Name;
        for (const auto& r : m_Headset.Reports()) {
            EXPECT_TRUE(r.Accepted) << c.Name;
        }
    }
}

TEST_F(HidRegisterAccessTest, UnreadableCapabilitiesMakeEveryOperationReturnOneAndSendNothing) {
    const std::function<void()> breaks[] = {
        [this] { m_Headset.Hid().PreparsedReadable = false; },
        [this] { m_Headset.Hid().CapsStatus = HidpStatusInvalidPreparsedData; },
    };
    for (const auto& breakCaps : breaks) {
        m_Headset.Hid().PreparsedReadable = true;
        m_Headset.Hid().CapsStatus = HidpStatusSuccess;
        breakCaps();
        EXPECT_EQ(HidGetOutputReportLength(m_Hid, m_Handle), 0);
        EXPECT_EQ(HidGetInputReportLength(m_Hid, m_Handle), 0);
        for (OP op : {OP::Write, OP::Read, OP::WritePins, OP::ReadPins, OP::Idle}) {
            EXPECT_EQ(RunOp(op, m_Hid, m_Handle), 1);
        }
        EXPECT_TRUE(m_Headset.Reports().empty());
        EXPECT_EQ(m_Sim.Hid().PreparsedCount(), 0u);
    }
}

} // namespace
} // namespace tonvel
