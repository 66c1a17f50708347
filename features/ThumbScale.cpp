#include "features/ThumbScale.h"

namespace tonvel {
namespace {

constexpr int32_t GainScale = 2048;
constexpr uint16_t GainKnee = 1024; // the neutral gain, where the steeper upper half begins
constexpr int32_t UpperSteepness = 3;

} // namespace

uint16_t EqThumbToGain(int32_t thumbTop, int32_t rangeTop, int32_t travel) {
    if (travel <= 0) return GainKnee;
    const int32_t v = (thumbTop - rangeTop) * GainScale / travel;
    auto g = static_cast<uint16_t>(GainScale - v);
    if (g > GainKnee) g = static_cast<uint16_t>(UpperSteepness * g - (GainScale + 1));
    return g;
}

int32_t EqGainToOffset(uint16_t gain, int32_t travel) {
    const int32_t d = gain <= GainKnee ? gain : (gain - (GainKnee - 1)) / UpperSteepness + GainKnee;
    return travel - d * travel / GainScale;
}

int32_t Sound3DThumbToValue(int32_t thumbTop, int32_t travel) {
    if (travel <= 0) return 0;
    return Value3DMax - (thumbTop - Thumb3DTop) * Value3DMax / travel;
}

int32_t Sound3DValueToTop(int32_t value, int32_t travel) {
    return travel - value * travel / Value3DMax + Thumb3DTop;
}

} // namespace tonvel
