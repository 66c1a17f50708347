#pragma once
// The geometry of the virtual 7.1 page: where each speaker icon stands around the listener (its top-left
// corner in the page's coordinates), the direction and distance that gives, the gain and direction block the
// filter driver renders from, the standard layout, the rotation step and the drag limits.

#include "device/FilterChannel.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tonvel {

// Speakers in the order L, R, C, SUB, LS, RS, LB, RB everywhere (the index is the icon's tag - 39).
inline constexpr size_t SpeakerCount = 8;

inline constexpr double SpeakerPi = 3.14159;
inline constexpr double SpeakerTwoPi = 6.28318;
// One rotation step: one degree.
inline constexpr double SpeakerRotationStep = 0.017453277777777776;
// The standard layout's radius is half the circle's radius times this.
inline constexpr double StandardLayoutFactor = 1.6;
// The speaker 90 pixels from the listener plays at level 0 dB; each pixel further lowers it by 0.4 dB.
inline constexpr double SpeakerLevelAtCentre = 36.0;
inline constexpr double SpeakerLevelPerPixel = 0.4;
inline constexpr double SpeakerGainExponent = 0.05;

struct SPEAKER_CIRCLE {
    int32_t CenterX = 0;
    int32_t CenterY = 0;
    int32_t Radius = 0;
};

struct SPEAKER_POSITION {
    int32_t Left = 0;
    int32_t Top = 0;
};
using SPEAKER_POSITIONS = std::array<SPEAKER_POSITION, SpeakerCount>;

// What the window keeps of each speaker between sends: its direction (radians, counter-clockwise from the
// right as the user sees it) and its distance from the listener (pixels).
struct SPEAKER_RECORD {
    float Direction = 0.0f;
    double Distance = 0.0;
};
using SPEAKER_RECORDS = std::array<SPEAKER_RECORD, SpeakerCount>;

// The rectangle the icons must keep 10 pixels inside of while dragged (the listener's picture).
struct SPEAKER_AREA {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

// One speaker's record and gain from its icon's position.
SPEAKER_RECORD SpeakerRecord(const SPEAKER_CIRCLE& circle, SPEAKER_POSITION position, float& gain);
// Every speaker's record, and the block of eight gains then eight directions.
void ComputeVirtualSpeakers(const SPEAKER_CIRCLE& circle, const SPEAKER_POSITIONS& positions,
                            SPEAKER_RECORDS& records, VirtualSpeakerParameters& block);

// The icon position of a direction and distance, each coordinate truncated toward zero.
SPEAKER_POSITION PositionOnCircle(const SPEAKER_CIRCLE& circle, float direction, double distance);
// The standard layout around the circle's centre, by speaker index.
SPEAKER_POSITIONS StandardSpeakerLayout(const SPEAKER_CIRCLE& circle);

// Rotation on the screen as the user sees it.
enum class ROTATION { None, Clockwise, Counterclockwise };
// The direction one rotation step further, kept within one turn (a direction that grew without end would
// lose the step to the float's precision after some days of rotation).
float RotatedDirection(float direction, ROTATION rotation);
// The time one step takes: a turn in 7.2 s.
inline constexpr uint32_t SpeakerRotationStepMs = 20;
// The direction after a rotation of `elapsedMs` milliseconds (a step each SpeakerRotationStepMs, fractions
// of a step too), kept within one turn.
float RotatedDirectionAfter(float direction, ROTATION rotation, uint32_t elapsedMs);

// A drag's candidate for an icon of the given size: nothing moves when the corner leaves the circle
// (false); otherwise Left and Top each take the candidate only within the area's 10-pixel margins.
bool DraggedPosition(const SPEAKER_CIRCLE& circle, const SPEAKER_AREA& area, int32_t width, int32_t height,
                     SPEAKER_POSITION candidate, SPEAKER_POSITION& position);

} // namespace tonvel
