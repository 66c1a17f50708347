// Where the speaker icons stand and what the driver is sent for them: the standard layout, the gain and
// direction of a position, the rotation's sense on the screen and the drag limits.

#include "features/SpeakerGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace tonvel {
namespace {

constexpr SPEAKER_CIRCLE Circle{150, 150, 100};
constexpr size_t LeftIndex = 0, RightIndex = 1, CentreIndex = 2, SubIndex = 3, LeftSurroundIndex = 4,
                 RightSurroundIndex = 5, LeftBackIndex = 6, RightBackIndex = 7;

uint32_t Bits(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    return bits;
}

TEST(SpeakerGeometry, StandardLayoutAroundTheCircle) {
    const SPEAKER_POSITIONS p = StandardSpeakerLayout(Circle);
    const struct {
        size_t speaker;
        int32_t left, top;
    } cases[] = {{CentreIndex, 150, 70},   {LeftSurroundIndex, 70, 150}, {RightSurroundIndex, 230, 150},
                 {SubIndex, 150, 100},     {RightIndex, 206, 93},        {LeftIndex, 93, 93},
                 {LeftBackIndex, 93, 206}, {RightBackIndex, 206, 206}};
    for (const auto& c : cases) {
        EXPECT_EQ(p[c.speaker].Left, c.left) << c.speaker;
        EXPECT_EQ(p[c.speaker].Top, c.top) << c.speaker;
    }
    // An odd radius is halved toward zero before the factor: 101 -> 50 -> 80.
    EXPECT_EQ(StandardSpeakerLayout({150, 150, 101})[CentreIndex].Top, 70);
    // Coordinates stay within what a component takes, whatever the skin's circle.
    const SPEAKER_POSITIONS huge = StandardSpeakerLayout({INT32_MAX, INT32_MIN, INT32_MAX});
    EXPECT_EQ(huge[RightSurroundIndex].Left, INT32_MAX);
    EXPECT_EQ(huge[SubIndex].Top, INT32_MIN);
}

TEST(SpeakerGeometry, GainAndDirectionOfAPosition) {
    const double up = std::atan2(90.0, 0.0);
    const struct {
        int32_t dx, dy;
        float gain;
        double direction;
        double distance;
    } cases[] = {
        {0, 0, 0.0f, 0.0, 0.0},            // at the listener
        {90, 0, 1.0f, 0.0, 90.0},          // right, 90 pixels: 0 dB
        {0, -90, 1.0f, up, 90.0},          // above
        {-90, 0, 1.0f, 3.14159, 90.0},     // left
        {0, 90, 1.0f, 6.28318 - up, 90.0}, // below
        {-30, 40, static_cast<float>(std::pow(10.0, 0.05 * 16.0f)), 3.14159 + std::atan2(40.0, 30.0), 50.0},
        {30, 40, static_cast<float>(std::pow(10.0, 0.05 * 16.0f)), 6.28318 - std::atan2(40.0, 30.0), 50.0},
        {-30, -40, static_cast<float>(std::pow(10.0, 0.05 * 16.0f)), 3.14159 - std::atan2(40.0, 30.0), 50.0},
        {100, 0, static_cast<float>(std::pow(10.0, 0.05 * -4.0f)), 0.0, 100.0}, // 0.4 dB less per pixel
    };
    for (const auto& c : cases) {
        float gain = -1.0f;
        const SPEAKER_RECORD r = SpeakerRecord(Circle, {150 + c.dx, 150 + c.dy}, gain);
        EXPECT_EQ(gain, c.gain) << c.dx << "," << c.dy;
        EXPECT_EQ(r.Direction, static_cast<float>(c.direction)) << c.dx << "," << c.dy;
        EXPECT_DOUBLE_EQ(r.Distance, c.distance) << c.dx << "," << c.dy;
    }
    // Level with the listener on the right is +0, not -0, in the driver's bytes.
    float gain = 0.0f;
    EXPECT_EQ(Bits(SpeakerRecord(Circle, {240, 150}, gain).Direction), 0u);
}

TEST(SpeakerGeometry, TheBlockHoldsTheGainsThenTheDirections) {
    SPEAKER_POSITIONS positions;
    positions.fill({150, 150});
    positions[RightIndex] = {240, 150};
    positions[CentreIndex] = {150, 60};
    SPEAKER_RECORDS records;
    VirtualSpeakerParameters block;
    block.fill(-1.0f);
    ComputeVirtualSpeakers(Circle, positions, records, block);
    for (size_t i = 0; i < SpeakerCount; ++i) {
        const bool placed = i == RightIndex || i == CentreIndex;
        EXPECT_EQ(block[i], placed ? 1.0f : 0.0f) << i;
        EXPECT_EQ(block[8 + i], records[i].Direction) << i;
    }
    EXPECT_EQ(block[8 + CentreIndex], static_cast<float>(std::atan2(90.0, 0.0)));
}

// The directions run counter-clockwise as the user sees them, so clockwise takes the step off.
TEST(SpeakerGeometry, ClockwiseTurnsClockwiseOnTheScreen) {
    const float top = static_cast<float>(std::atan2(90.0, 0.0));
    const struct {
        ROTATION rotation;
        float from;
        int32_t leftChange, topChange; // signs of the move on the screen
    } cases[] = {
        {ROTATION::Clockwise, top, +1, +1},         // from the top toward the right
        {ROTATION::Clockwise, 0.0f, -1, +1},        // from the right downward
        {ROTATION::Counterclockwise, top, -1, +1},  // from the top toward the left
        {ROTATION::Counterclockwise, 0.0f, -1, -1}, // from the right upward
    };
    for (const auto& c : cases) {
        const SPEAKER_POSITION before = PositionOnCircle(Circle, c.from, 1000.0);
        float direction = c.from;
        for (int step = 0; step < 5; ++step)
            direction = RotatedDirection(direction, c.rotation);
        const SPEAKER_POSITION after = PositionOnCircle(Circle, direction, 1000.0);
        const auto sign = [](int32_t v) { return (v > 0) - (v < 0); };
        EXPECT_EQ(sign(after.Left - before.Left), c.leftChange) << c.from;
        EXPECT_EQ(sign(after.Top - before.Top), c.topChange) << c.from;
    }
    EXPECT_EQ(RotatedDirection(1.0f, ROTATION::None), 1.0f);
}

TEST(SpeakerGeometry, RotationKeepsItsStepForDays) {
    // Four days at 50 ticks a second; the direction stays within one turn and keeps moving by one step.
    float direction = 0.5f;
    for (int tick = 0; tick < 4 * 24 * 3600 * 50; ++tick)
        direction = RotatedDirection(direction, ROTATION::Counterclockwise);
    EXPECT_GE(direction, 0.0f);
    EXPECT_LT(direction, 6.2832f);
    const float next = RotatedDirection(direction, ROTATION::Counterclockwise);
    const double step = next > direction ? next - direction : next + 2 * 3.141592653589793 - direction;
    EXPECT_NEAR(step, SpeakerRotationStep, 1e-6);
    // Across zero both ways.
    EXPECT_GT(RotatedDirection(0.0f, ROTATION::Clockwise), 6.26f);
    EXPECT_NEAR(RotatedDirection(6.28f, ROTATION::Counterclockwise),
                6.28f + SpeakerRotationStep - 6.283185307, 1e-6);
}

TEST(SpeakerGeometry, RotationByTimeTurnsAStepEachTwentyMilliseconds) {
    const struct {
        float from;
        ROTATION rotation;
        uint32_t ms;
        double expected;
    } cases[] = {
        {1.0f, ROTATION::Counterclockwise, 20, 1.0 + SpeakerRotationStep},
        {1.0f, ROTATION::Clockwise, 31, 1.0 - 1.55 * SpeakerRotationStep},
        {1.0f, ROTATION::Counterclockwise, 0, 1.0},
        {1.0f, ROTATION::None, 1000, 1.0},
        {0.01f, ROTATION::Clockwise, 40, 0.01 - 2 * SpeakerRotationStep + 2 * 3.141592653589793},
        {6.28f, ROTATION::Counterclockwise, 20, 6.28 + SpeakerRotationStep - 2 * 3.141592653589793},
        {1.0f, ROTATION::Counterclockwise, 7200 * 3 + 20, 1.0 + SpeakerRotationStep}, // three turns more
        {1.0f, ROTATION::Clockwise, 0xFFFFFFFFu, 1.0},                                // kept within a turn
    };
    for (const auto& c : cases) {
        const float after = RotatedDirectionAfter(c.from, c.rotation, c.ms);
        EXPECT_GE(after, 0.0f) << c.ms;
        EXPECT_LT(after, 6.2832f) << c.ms;
        if (c.ms != 0xFFFFFFFFu) {
            EXPECT_NEAR(after, c.expected, 1e-4) << c.ms;
        }
    }
    // A step by time is the step of one tick.
    EXPECT_NEAR(RotatedDirectionAfter(2.0f, ROTATION::Clockwise, SpeakerRotationStepMs),
                RotatedDirection(2.0f, ROTATION::Clockwise), 1e-6);
}

TEST(SpeakerGeometry, DragKeepsTheCornerInTheCircleAndTheIconInThePicture) {
    const SPEAKER_AREA picture{50, 40, 200, 220}; // margins: 60 < x, x + 26 <= 240; y >= 50, y + 26 <= 250
    const struct {
        SPEAKER_POSITION candidate;
        bool accepted;
        SPEAKER_POSITION result;
    } cases[] = {
        {{160, 140}, true, {160, 140}},  // inside everything
        {{150, 251}, false, {100, 100}}, // corner 101 pixels below the centre: outside the circle
        {{221, 221}, false, {100, 100}}, // the corner leaves the circle diagonally
        {{150, 250}, true, {150, 100}},  // on the circle, but the icon's bottom leaves the picture
        {{60, 150}, true, {100, 150}},   // Left at the margin itself stays (strictly inside)
        {{61, 150}, true, {61, 150}},    {{214, 140}, true, {214, 140}}, // the right margin itself is allowed
        {{215, 140}, true, {100, 140}},                                  // one past it
        {{150, 50}, true, {150, 50}},                                    // so is the top margin
    };
    for (const auto& c : cases) {
        SPEAKER_POSITION position{100, 100};
        EXPECT_EQ(DraggedPosition(Circle, picture, 26, 26, c.candidate, position), c.accepted)
            << c.candidate.Left << "," << c.candidate.Top;
        EXPECT_EQ(position.Left, c.result.Left) << c.candidate.Left << "," << c.candidate.Top;
        EXPECT_EQ(position.Top, c.result.Top) << c.candidate.Left << "," << c.candidate.Top;
    }
}

} // namespace
} // namespace tonvel
