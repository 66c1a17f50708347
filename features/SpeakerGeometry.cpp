#include "features/SpeakerGeometry.h"

#include <cmath>
#include <numbers>

namespace tonvel {
namespace {

// The standard layout's four diagonal directions.
constexpr double FrontRight = 0.7853975;
constexpr double FrontLeft = 2.3561925;
constexpr double BackLeft = 3.9269875;
constexpr double BackRight = 5.4977825;
// Speaker indexes.
constexpr size_t LeftIndex = 0, RightIndex = 1, CentreIndex = 2, SubIndex = 3, LeftSurroundIndex = 4,
                 RightSurroundIndex = 5, LeftBackIndex = 6, RightBackIndex = 7;
// The icons keep this far inside the listener's picture while dragged.
constexpr int32_t AreaMargin = 10;

// Counter-clockwise from the right, with the screen's y axis pointing down. The differences are taken in
// whole pixels, so that a speaker level with the listener gets +0, never -0.
double Direction(int64_t dx, int64_t dy) {
    auto angle = [](int64_t y, int64_t x) {
        return std::atan2(static_cast<double>(y), static_cast<double>(x));
    };
    if (dy > 0) return dx < 0 ? SpeakerPi + angle(dy, -dx) : SpeakerTwoPi - angle(dy, dx);
    return dx < 0 ? SpeakerPi - angle(-dy, -dx) : angle(-dy, dx);
}

// Toward zero, and within the coordinates a component can take (a skin's circle can be any size).
int32_t Truncated(double value) {
    if (std::isnan(value)) return 0;
    if (value <= INT32_MIN) return INT32_MIN;
    if (value >= INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(value);
}

SPEAKER_POSITION Diagonal(const SPEAKER_CIRCLE& c, double angle, double r) {
    return {Truncated(c.CenterX + std::cos(angle) * r), Truncated(c.CenterY - std::sin(angle) * r)};
}

} // namespace

SPEAKER_RECORD SpeakerRecord(const SPEAKER_CIRCLE& circle, SPEAKER_POSITION position, float& gain) {
    const int64_t dx = int64_t{position.Left} - circle.CenterX;
    const int64_t dy = int64_t{position.Top} - circle.CenterY;
    if (dx == 0 && dy == 0) {
        gain = 0.0f;
        return SPEAKER_RECORD{};
    }
    SPEAKER_RECORD record;
    const double x = static_cast<double>(dx), y = static_cast<double>(dy);
    record.Distance = std::sqrt(y * y + x * x);
    record.Direction = static_cast<float>(Direction(dx, dy));
    const float level = static_cast<float>(SpeakerLevelAtCentre - SpeakerLevelPerPixel * record.Distance);
    gain = static_cast<float>(std::pow(10.0, SpeakerGainExponent * level));
    return record;
}

void ComputeVirtualSpeakers(const SPEAKER_CIRCLE& circle, const SPEAKER_POSITIONS& positions,
                            SPEAKER_RECORDS& records, VirtualSpeakerParameters& block) {
    for (size_t i = 0; i < SpeakerCount; ++i) {
        records[i] = SpeakerRecord(circle, positions[i], block[i]);
        block[SpeakerCount + i] = records[i].Direction;
    }
}

SPEAKER_POSITION PositionOnCircle(const SPEAKER_CIRCLE& circle, float direction, double distance) {
    return Diagonal(circle, direction, distance);
}

SPEAKER_POSITIONS StandardSpeakerLayout(const SPEAKER_CIRCLE& c) {
    const int32_t half = c.Radius / 2;
    const double r = half * StandardLayoutFactor;
    SPEAKER_POSITIONS p;
    p[CentreIndex] = {c.CenterX, Truncated(c.CenterY - r)};
    p[LeftSurroundIndex] = {Truncated(c.CenterX - r), c.CenterY};
    p[LeftIndex] = Diagonal(c, FrontLeft, r);
    p[LeftBackIndex] = Diagonal(c, BackLeft, r);
    p[RightBackIndex] = Diagonal(c, BackRight, r);
    p[RightIndex] = Diagonal(c, FrontRight, r);
    p[SubIndex] = {c.CenterX, Truncated(static_cast<double>(c.CenterY) - half)};
    p[RightSurroundIndex] = {Truncated(c.CenterX + r), c.CenterY};
    return p;
}

float RotatedDirection(float direction, ROTATION rotation) {
    constexpr double Turn = 2.0 * std::numbers::pi;
    double next = direction;
    if (rotation == ROTATION::Clockwise) next -= SpeakerRotationStep;
    if (rotation == ROTATION::Counterclockwise) next += SpeakerRotationStep;
    if (next < 0) next += Turn;
    if (next >= Turn) next -= Turn;
    return static_cast<float>(next);
}

float RotatedDirectionAfter(float direction, ROTATION rotation, uint32_t elapsedMs) {
    constexpr double Turn = 2.0 * std::numbers::pi;
    const double angle = SpeakerRotationStep * elapsedMs / SpeakerRotationStepMs;
    double next = direction;
    if (rotation == ROTATION::Clockwise) next -= angle;
    if (rotation == ROTATION::Counterclockwise) next += angle;
    next = std::fmod(next, Turn);
    if (next < 0) next += Turn;
    const float rounded = static_cast<float>(next);
    return rounded >= static_cast<float>(Turn) ? 0.0F : rounded;
}

bool DraggedPosition(const SPEAKER_CIRCLE& circle, const SPEAKER_AREA& area, int32_t width, int32_t height,
                     SPEAKER_POSITION candidate, SPEAKER_POSITION& position) {
    const int64_t dx = int64_t{candidate.Left} - circle.CenterX;
    const int64_t dy = int64_t{candidate.Top} - circle.CenterY;
    const int64_t r = circle.Radius;
    if (dx * dx + dy * dy > r * r) return false;
    const int64_t x = candidate.Left;
    const int64_t y = candidate.Top;
    if (area.Left + AreaMargin < x && x + width <= int64_t{area.Left} + area.Width - AreaMargin)
        position.Left = candidate.Left;
    if (y >= area.Top + AreaMargin && y + height <= int64_t{area.Top} + area.Height - AreaMargin)
        position.Top = candidate.Top;
    return true;
}

} // namespace tonvel
