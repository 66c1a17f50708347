#pragma once
// The slider thumbs' positions and the device values they stand for: the equalizer's 12-bit band gains and
// the 3D effect's 4-bit alpha and beta values. Integer arithmetic, divisions truncating toward zero; the
// thumb travel comes from the skin, which refuses a travel of 0 or less. A skin refused at start-up leaves
// no usable travel for the shutdown that follows: a thumb then stands for the neutral gain and value 0.

#include <cstdint>

namespace tonvel {

// The 3D thumbs' range of Top: value 15 at the top, 0 at the bottom.
inline constexpr int32_t Thumb3DTop = 105;
inline constexpr int32_t Thumb3DBottom = 225;
inline constexpr int32_t Value3DMax = 15;

// A band thumb's Top to its gain: the top of the range gives 4095, the middle 1024, the bottom 0; the
// upper half is three times as steep as the lower one.
uint16_t EqThumbToGain(int32_t thumbTop, int32_t rangeTop, int32_t travel);
// A gain to its thumb's distance below the top of the range.
int32_t EqGainToOffset(uint16_t gain, int32_t travel);

// A 3D thumb's Top to its value (below 0 for a travel under 120 at the lower positions).
int32_t Sound3DThumbToValue(int32_t thumbTop, int32_t travel);
// A 3D value to its thumb's Top.
int32_t Sound3DValueToTop(int32_t value, int32_t travel);

} // namespace tonvel
