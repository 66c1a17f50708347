#include "features/LevelMeter.h"
#include "platform/sim/SimWaveIn.h"

#include <gtest/gtest.h>

#include <vector>

namespace tonvel {
namespace {

// 400 samples whose |sample − 128| averages `average`.
std::vector<uint8_t> Samples(int average) {
    std::vector<uint8_t> samples(LevelBufferBytes);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<uint8_t>(i % 2 == 0 ? 128 + average : 128 - average);
    return samples;
}

TEST(LevelMeterTest, LevelAndBarWidth) {
    struct CASE {
        int Average;
        int32_t Length;
        uint32_t Level;
        int32_t Width;
    };
    const CASE cases[] = {
        {0, 203, 0, 0},                      // silence
        {10, 203, 31, 130},                  // 10 + 4 × 30
        {100, 203, 317, 202},                // the last width not above 203
        {1, 203, 3, 18},      {1, 63, 0, 0}, // 63 × 2 × 1 >> 7 = 0
        {50, 8, 6, -1},                      // no width fits a bar shorter than 10
    };
    for (const CASE& c : cases) {
        const std::vector<uint8_t> samples = Samples(c.Average);
        const uint32_t level = LevelOfSamples(samples.data(), LevelBufferBytes, c.Length);
        EXPECT_EQ(level, c.Level) << c.Average << " / " << c.Length;
        EXPECT_EQ(LevelBarWidth(level, c.Length), c.Width) << c.Average << " / " << c.Length;
    }
}

struct MeterFixture {
    sim::CSimWaveIn waveIn;
    std::vector<int64_t> posted; // the MM_WIM_DATA messages waiting in the window's queue
    CLevelMeter meter{waveIn};   // goes first: its stop still posts
    WAVE_NOTIFY_WINDOW Window() {
        WAVE_NOTIFY_WINDOW window;
        window.Post = [this](uint32_t message, uint64_t, int64_t lParam) {
            if (message == MmWimData) posted.push_back(lParam);
        };
        return window;
    }
};

TEST(LevelMeterTest, RunsWithTwoBuffersInTheCaptureFormat) {
    MeterFixture f;
    ASSERT_EQ(f.meter.Start(0, f.Window()), 0);
    EXPECT_TRUE(f.waveIn.Recording());
    EXPECT_EQ(f.waveIn.Queued(), 2U);
    const WAVE_FORMAT& format = f.waveIn.Format();
    EXPECT_EQ(format.Channels, 1);
    EXPECT_EQ(format.SamplesPerSec, 8000U);
    EXPECT_EQ(format.BitsPerSample, 8);
    EXPECT_EQ(format.BlockAlign, 1);
    // A start while it runs opens nothing more.
    EXPECT_EQ(f.meter.Start(0, f.Window()), 0);
    EXPECT_EQ(f.waveIn.OpenCount(), 1U);

    ASSERT_TRUE(f.waveIn.Deliver(Samples(10)));
    uint32_t level = 0;
    ASSERT_TRUE(f.meter.OnData(f.posted.back(), level, 203));
    EXPECT_EQ(level, 31U);
    EXPECT_EQ(f.waveIn.Queued(), 2U) << "the buffer is queued again";
}

TEST(LevelMeterTest, ACaptureThatDoesNotOpenLeavesTheMeterStopped) {
    MeterFixture f;
    f.waveIn.SetOpenFails(true);
    EXPECT_EQ(f.meter.Start(0, f.Window()), 1);
    EXPECT_FALSE(f.meter.Running());
}

// The stop's reset hands both buffers back as queued messages; they arrive after the capture is gone (or
// while the next one runs) and must be ignored without touching a buffer.
TEST(LevelMeterTest, BuffersHandedBackByTheStopAreIgnoredWhenTheirMessagesArrive) {
    MeterFixture f;
    ASSERT_EQ(f.meter.Start(0, f.Window()), 0);
    f.meter.Stop();
    EXPECT_FALSE(f.waveIn.IsOpen());
    EXPECT_EQ(f.waveIn.CloseCount(), 1U);
    ASSERT_EQ(f.posted.size(), 2U);
    uint32_t level = 99;
    for (int64_t header : f.posted)
        EXPECT_FALSE(f.meter.OnData(header, level, 203));

    ASSERT_EQ(f.meter.Start(0, f.Window()), 0);
    for (int64_t header : std::vector<int64_t>(f.posted.begin(), f.posted.begin() + 2))
        EXPECT_FALSE(f.meter.OnData(header, level, 203));
    EXPECT_EQ(level, 99U);
    EXPECT_EQ(f.waveIn.Queued(), 2U);
}

} // namespace
} // namespace tonvel
