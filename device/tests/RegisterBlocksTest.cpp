#include "device/RegisterBlocks.h"
#include "device/tests/DeviceTestSupport.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::Outputs;
using test::Report;

class RegisterBlocksTest : public ::testing::Test, protected test::CPluggedHeadset {};

EqRegisterSet FullGainsBypassed() {
    EqRegisterSet eq;
    eq.Gain = {0x123, 0x456, 0x789, 0xABC, 0xFFF};
    eq.Bypass = 1;
    eq.FlagB5 = 1;
    eq.FlagB6 = 1;
    eq.Sound3DOn = 0;
    return eq;
}

TEST_F(RegisterBlocksTest, EqualizerBlockWritesTenRegistersInOrder) {
    EXPECT_EQ(WriteEqRegisters(m_Hid, m_Handle, FullGainsBypassed()), 0);
    const uint8_t expected[10] = {0x23, 0x01, 0x56, 0x04, 0x89, 0x07, 0xBC, 0x0A, 0xFF, 0xEF};
    const auto out = Outputs(m_Headset);
    ASSERT_EQ(out.size(), 20u);
    for (uint16_t i = 0; i < 10; ++i) {
        const auto address = static_cast<uint16_t>(0x120 + i);
        EXPECT_EQ(m_Headset.Register(address), expected[i]) << std::hex << address;
        EXPECT_EQ(out[2 * i], Report({0x00, 0x60, static_cast<uint8_t>(address & 0xFF), 0x01, 0x10}));
        EXPECT_EQ(out[2 * i + 1], Report({0x00, 0x60, expected[i], 0x01, 0x20}));
    }
}

TEST_F(RegisterBlocksTest, BandFiveHighByteCarriesTheSwitches) {
    struct CASE {
        int32_t Bypass, B5, B6, Sound3D;
        uint8_t Value;
    };
    const CASE cases[] = {{1, 1, 1, 0, 0xEF}, {0, 1, 1, 0, 0x6F}, {0, 1, 1, 1, 0x7F}, {0, 0, 0, 0, 0x0F}};
    for (const auto& c : cases) {
        EqRegisterSet eq;
        eq.Gain[4] = 0xFFF;
        eq.Bypass = c.Bypass;
        eq.FlagB5 = c.B5;
        eq.FlagB6 = c.B6;
        eq.Sound3DOn = c.Sound3D;
        EXPECT_EQ(EqBand5HighByte(eq), c.Value);
    }
}

TEST_F(RegisterBlocksTest, EqualizerBlockStopsAtTheFailedWrite) {
    for (int32_t step = 1; step <= 10; ++step) {
        for (uint32_t which = 0; which < 2; ++which) { // set-address or write-data refused
            for (uint16_t a = 0x120; a <= 0x129; ++a) {
                m_Headset.SetRegister(a, 0x99);
            }
            m_Headset.ClearReports();
            m_Headset.FailOutputReport(static_cast<uint32_t>(2 * step - 1) + which);
            EXPECT_EQ(WriteEqRegisters(m_Hid, m_Handle, FullGainsBypassed()), step);
            EXPECT_EQ(m_Headset.Reports().size(), static_cast<size_t>(2 * step - 1) + which);
            EXPECT_FALSE(m_Headset.Reports().back().Accepted);
            // Written before the failure: new; from the failed one on: old.
            for (int32_t s = 1; s <= 10; ++s) {
                const auto address = static_cast<uint16_t>(0x120 + s - 1);
                if (s >= step) {
                    EXPECT_EQ(m_Headset.Register(address), 0x99) << step << " " << s;
                } else {
                    EXPECT_NE(m_Headset.Register(address), 0x99) << step << " " << s;
                }
            }
        }
    }
}

TEST_F(RegisterBlocksTest, ThreeDBlockKeepsOtherBitsOfTheControlRegister) {
    Sound3DRegisterSet set;
    set.Fbm = 1;
    set.LeftAlpha = 3;
    set.LeftBeta = 12;
    set.RightAlpha = 17; // taken modulo 16
    set.RightBeta = 2;
    m_Headset.SetRegister(0x18A, 0x40);
    EXPECT_EQ(Write3DRegisters(m_Hid, m_Handle, set), 0);
    EXPECT_EQ(m_Headset.Register(0x18A), 0x41);
    EXPECT_EQ(m_Headset.Register(0x18B), 0x3C);
    EXPECT_EQ(m_Headset.Register(0x18C), 0x12);

    set.Fbm = 0;
    m_Headset.SetRegister(0x18A, 0xFF);
    EXPECT_EQ(Write3DRegisters(m_Hid, m_Handle, set), 0);
    EXPECT_EQ(m_Headset.Register(0x18A), 0xFE);
}

TEST_F(RegisterBlocksTest, ThreeDBlockStatusNamesTheFailedStep) {
    struct CASE {
        uint32_t FailOutput, FailInput;
        int32_t Status;
        size_t Reports;
    };
    // Reports: read = set-address + input; then three writes of two reports each.
    const CASE cases[] = {{1, 0, 1, 1}, {0, 1, 1, 2}, {2, 0, 2, 3}, {3, 0, 2, 4},
                          {4, 0, 3, 5}, {5, 0, 3, 6}, {6, 0, 4, 7}, {7, 0, 4, 8}};
    for (const auto& c : cases) {
        m_Headset.ClearReports();
        m_Headset.FailOutputReport(c.FailOutput);
        m_Headset.FailInputReport(c.FailInput);
        EXPECT_EQ(Write3DRegisters(m_Hid, m_Handle, Sound3DRegisterSet{}), c.Status) << c.FailOutput;
        EXPECT_EQ(m_Headset.Reports().size(), c.Reports) << c.FailOutput;
        m_Headset.FailInputReport(0);
    }
}

TEST_F(RegisterBlocksTest, PairWritesCheckTheirRange) {
    struct CASE {
        bool Left;
        uint8_t Alpha, Beta;
        uint32_t FailOutput;
        int32_t Status;
        size_t Reports;
    };
    const CASE cases[] = {
        {true, 16, 0, 0, 1, 0}, {true, 0, 16, 0, 1, 0}, {false, 16, 3, 0, 1, 0}, {true, 15, 15, 0, 0, 2},
        {false, 4, 9, 0, 0, 2}, {true, 1, 1, 1, 2, 1},  {false, 1, 1, 2, 2, 2},
    };
    for (const auto& c : cases) {
        m_Headset.ClearReports();
        m_Headset.SetRegister(0x18B, 0);
        m_Headset.SetRegister(0x18C, 0);
        m_Headset.FailOutputReport(c.FailOutput);
        const int32_t status = c.Left ? WriteLeft3DPair(m_Hid, m_Handle, c.Alpha, c.Beta)
                                      : WriteRight3DPair(m_Hid, m_Handle, c.Alpha, c.Beta);
        EXPECT_EQ(status, c.Status);
        EXPECT_EQ(m_Headset.Reports().size(), c.Reports);
        if (status == 0) {
            EXPECT_EQ(m_Headset.Register(c.Left ? 0x18B : 0x18C), c.Alpha * 16 + c.Beta);
        }
        m_Headset.FailOutputReport(0);
    }
}

} // namespace
} // namespace tonvel
