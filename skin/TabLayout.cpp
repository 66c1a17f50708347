#include "skin/TabLayout.h"

namespace tonvel {

namespace {

// left + width + gap of bounds read from a file, stopping at the ends of the 32-bit range.
int32_t After(int32_t left, int32_t width, int32_t gap) {
    const int64_t sum = static_cast<int64_t>(left) + width + gap;
    if (sum > INT32_MAX) return INT32_MAX;
    if (sum < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(sum);
}

} // namespace

void LayOutPageTabs(PAGE_TABS& t) {
    t.Bevel2.Left = After(t.PageEQ.Left, t.PageEQ.Width, 0);
    t.Bevel2.Top = t.PageEQ.Top;
    t.PageEffect.Left = After(t.Bevel2.Left, t.Bevel2.Width, 5);
    t.Bevel3.Left = After(t.PageEffect.Left, t.PageEffect.Width, 0);
    t.Bevel3.Top = t.Bevel2.Top;
    t.PageMic.Left = After(t.Bevel3.Left, t.Bevel3.Width, 5);
    t.Bevel4.Left = After(t.PageMic.Left, t.PageMic.Width, 0);
    t.Bevel4.Top = t.Bevel2.Top;
    t.PageVirtual.Left = After(t.Bevel4.Left, t.Bevel4.Width, 5);
}

} // namespace tonvel
