// The equalizer's and the 3D effect's arithmetic without a window: thumb positions and their values, the
// preset slots' bytes, and one band's register write on the simulated headset.

#include "device/HidDiscovery.h"
#include "features/EqBandWrite.h"
#include "features/EqPresetStore.h"
#include "features/ThumbScale.h"
#include "features/tests/RegisterTraffic.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::TRAFFIC;

constexpr int32_t RangeTop = 80;
constexpr int32_t ThumbTravel = 120;

TEST(ThumbScale, BandThumbAndGain) {
    struct CASE {
        int32_t Offset; // below the top of the range
        uint16_t Gain;
    };
    const CASE cases[] = {{0, 0xFFF}, {60, 0x400}, {120, 0x000}, {30, 3 * (2048 - 512) - 2049}, {90, 512}};
    for (const CASE& c : cases) {
        EXPECT_EQ(EqThumbToGain(RangeTop + c.Offset, RangeTop, ThumbTravel), c.Gain) << c.Offset;
        EXPECT_EQ(EqGainToOffset(c.Gain, ThumbTravel), c.Offset) << c.Gain;
    }
    // Gain 2048 sits two thirds of the way up: travel - 1365 x travel / 2048.
    EXPECT_EQ(EqGainToOffset(2048, ThumbTravel), ThumbTravel - 1365 * ThumbTravel / 2048);
    EXPECT_EQ(EqGainToOffset(2048, ThumbTravel), 41);
}

TEST(ThumbScale, Sound3DThumbAndValue) {
    EXPECT_EQ(Sound3DThumbToValue(165, ThumbTravel), 8); // 60 x 15 / 120 = 7.5, truncated to 7
    EXPECT_EQ(Sound3DThumbToValue(105, ThumbTravel), 15);
    EXPECT_EQ(Sound3DThumbToValue(225, ThumbTravel), 0);
    EXPECT_EQ(Sound3DValueToTop(10, ThumbTravel), 145);
    EXPECT_EQ(Sound3DValueToTop(3, ThumbTravel), 201);
    // A shorter travel leaves the lower thumb positions below 0.
    EXPECT_EQ(Sound3DThumbToValue(225, 60), -15);
}

TEST(ThumbScale, NoTravelDividesNothing) {
    EXPECT_EQ(EqThumbToGain(RangeTop + 10, RangeTop, 0), 0x400);
    EXPECT_EQ(Sound3DThumbToValue(165, -5), 0);
}

TEST(EqPresetStore, SlotBytesFollowThePackingTable) {
    EqRegisterSet record;
    record.Gain = {0x123, 0x456, 0x789, 0xABC, 0xDEF};
    record.Bypass = 1;
    record.FlagB5 = 1;
    record.FlagB6 = 0;
    record.Sound3DOn = 1;
    record.SlotByte = 0x85;
    record.LastSlot = 0;
    const EQ_SLOT expected = {0x23, 0x61, 0x45, 0x89, 0xC7, 0xAB, 0xEF, 0xBD, 0, 0, 0, 0, 0, 0, 0x85, 0x05};
    EXPECT_EQ(PackEqSlot(record), expected);
    const EqRegisterSet back = UnpackEqSlot(expected);
    EXPECT_EQ(back.Gain, record.Gain);
    EXPECT_EQ(back.Bypass, 1);
    EXPECT_EQ(back.FlagB5, 1);
    EXPECT_EQ(back.FlagB6, 0);
    EXPECT_EQ(back.Sound3DOn, 1);
    EXPECT_EQ(back.SlotByte, 0x85);
    EXPECT_EQ(back.LastSlot, 0);
    record.LastSlot = 1;
    EXPECT_EQ(PackEqSlot(record)[15], 0x85);
}

TEST(EqPresetStore, EachPresetHasItsOwnSixteenBytes) {
    CEqPresetStore store;
    store.Clear();
    store.Pack(2, DefaultEqRecord());
    for (size_t i = 0; i < EqImageBytes; ++i) {
        const bool inSlot3 = i >= 0x120 && i < 0x130;
        if (!inSlot3) {
            EXPECT_EQ(store.Image()[i], 0xFF) << i;
        }
    }
    EXPECT_EQ(store.Slot(2), PackEqSlot(DefaultEqRecord()));
    EXPECT_EQ(store.Unpack(2).Gain[4], 0x400);
    EXPECT_EQ(store.Unpack(2).LastSlot, 1);
}

class EqBandWriteTest : public ::testing::Test {
protected:
    EqBandWriteTest() {
        m_Sim.Devices().Plug(m_Sim.Headset());
        m_Handle = OpenAudioHidDevice(m_Sim.Hid(), m_Sim.Devices(), m_Sim.Headset().VendorId(),
                                      m_Sim.Headset().ProductId());
    }
    ~EqBandWriteTest() override { m_Sim.Hid().Close(m_Handle); }

    sim::CSimWindows m_Sim;
    sim::CSimHeadset& m_Headset = m_Sim.Headset();
    HidHandle m_Handle = NoHidHandle;
};

TEST_F(EqBandWriteTest, HighNibbleAndTheSharedSwitchBits) {
    struct CASE {
        int32_t Band;
        uint16_t Gain;
        uint8_t HighBefore;
        TRAFFIC Expected;
    };
    const CASE cases[] = {
        {0, 0x400, 0xF0, {"W 0120=00", "W 0121=04"}}, // the upper nibble is written as 0
        {4, 0x7FF, 0xE0, {"W 0128=FF", "R 0129", "W 0129=E7"}},
        {4, 0x000, 0x1F, {"W 0128=00", "R 0129", "W 0129=10"}},
    };
    for (const CASE& c : cases) {
        m_Headset.SetRegister(static_cast<uint16_t>(0x121 + 2 * c.Band), c.HighBefore);
        m_Headset.ClearReports();
        EXPECT_EQ(WriteEqBandGain(m_Sim.Hid(), m_Handle, c.Band, c.Gain), 0);
        EXPECT_EQ(test::RegisterTraffic(m_Headset), c.Expected) << c.Band;
    }
}

TEST_F(EqBandWriteTest, NothingIsSentAfterTheFailedStep) {
    struct CASE {
        uint32_t FailOutput, FailInput;
        int32_t Status;
        TRAFFIC Expected;
    };
    const CASE cases[] = {
        {1, 0, 2, {"A 0128 refused"}},
        {2, 0, 2, {"W 0128=FF refused"}},
        {3, 0, 3, {"W 0128=FF", "A 0129 refused"}},
        {0, 1, 3, {"W 0128=FF", "R 0129 refused"}},
        {4, 0, 4, {"W 0128=FF", "R 0129", "A 0129 refused"}},
        {5, 0, 4, {"W 0128=FF", "R 0129", "W 0129=EF refused"}},
    };
    for (const CASE& c : cases) {
        m_Headset.SetRegister(0x129, 0xE0);
        m_Headset.ClearReports();
        m_Headset.FailOutputReport(c.FailOutput);
        m_Headset.FailInputReport(c.FailInput);
        EXPECT_EQ(WriteEqBandGain(m_Sim.Hid(), m_Handle, 4, 0xFFF), c.Status) << c.FailOutput;
        EXPECT_EQ(test::RegisterTraffic(m_Headset), c.Expected) << c.FailOutput << "/" << c.FailInput;
        m_Headset.FailOutputReport(0);
        m_Headset.FailInputReport(0);
    }
}

} // namespace
} // namespace tonvel
