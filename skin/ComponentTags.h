#pragma once
// The tags of the main window's interactive components: the mouse handlers and the features dispatch on
// them. A label carries the tag of the image it stands on.

#include <cstdint>

namespace tonvel {

inline constexpr int32_t TagClose = 0;
inline constexpr int32_t TagMinimize = 1;
inline constexpr int32_t TagSaveProfile = 2;
inline constexpr int32_t TagLoadProfile = 3;
inline constexpr int32_t TagAbout = 4;
inline constexpr int32_t TagEqReset = 5;
inline constexpr int32_t Tag3DReset = 6;
inline constexpr int32_t TagEqEnable = 7;
inline constexpr int32_t Tag3DEnable = 8;
inline constexpr int32_t TagEqPreset1 = 9; // presets 1..4: tags 9..12
inline constexpr int32_t TagEqPreset4 = 12;
inline constexpr int32_t TagFbm = 13;
inline constexpr int32_t TagAlphaConnection = 14;
inline constexpr int32_t TagBetaConnection = 15;
inline constexpr int32_t TagEffectFirst = 16; // effects 1..5: tags 16..20
inline constexpr int32_t TagEffectLast = 20;
inline constexpr int32_t TagMicBoost = 21;
inline constexpr int32_t TagMicMute = 22;
inline constexpr int32_t TagPageEq = 23; // page tabs 0..4: tags 23..27
inline constexpr int32_t TagPageLast = 27;
inline constexpr int32_t TagSync = 28;
inline constexpr int32_t TagEqThumbFirst = 29; // the five band thumbs: tags 29..33
inline constexpr int32_t TagEqThumbLast = 33;
inline constexpr int32_t Tag3DThumbFirst = 34; // the four 3D thumbs: tags 34..37
inline constexpr int32_t Tag3DThumbLast = 37;
inline constexpr int32_t TagMicThumb = 38;
inline constexpr int32_t TagSpeakerFirst = 39; // the eight speaker icons: tags 39..46
inline constexpr int32_t TagSpeakerLast = 46;
inline constexpr int32_t TagVirtualEnable = 47;
inline constexpr int32_t TagVirtualReset = 48;
inline constexpr int32_t TagClockwise = 49;
inline constexpr int32_t TagCounterclockwise = 50;
inline constexpr int32_t TagLed = 51;
inline constexpr int32_t TagBarOffset = 100; // a bar's tag is its thumb's tag + 100
inline constexpr int32_t TagEqBarFirst = TagEqThumbFirst + TagBarOffset;
inline constexpr int32_t TagEqBarLast = TagEqThumbLast + TagBarOffset;
inline constexpr int32_t TagMicBar = TagMicThumb + TagBarOffset;

constexpr bool TagIn(int32_t tag, int32_t first, int32_t last) {
    return tag >= first && tag <= last;
}

} // namespace tonvel
