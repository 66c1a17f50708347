#include "skin/TabLayout.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

TEST(TabLayout, TabsFollowEachOtherAfterTheirSeparators) {
    PAGE_TABS tabs;
    tabs.PageEQ = {404, 80, 60};
    tabs.PageEffect = {0, 82, 45};
    tabs.PageMic = {0, 82, 70};
    tabs.PageVirtual = {0, 82, 66};
    tabs.Bevel2 = {1, 1, 8};
    tabs.Bevel3 = {1, 1, 8};
    tabs.Bevel4 = {1, 1, 8};
    LayOutPageTabs(tabs);
    EXPECT_EQ(tabs.Bevel2.Left, 464);
    EXPECT_EQ(tabs.Bevel2.Top, 80);
    EXPECT_EQ(tabs.PageEffect.Left, 477);
    EXPECT_EQ(tabs.Bevel3.Left, 522);
    EXPECT_EQ(tabs.PageMic.Left, 535);
    EXPECT_EQ(tabs.Bevel4.Left, 605);
    EXPECT_EQ(tabs.Bevel4.Top, 80);
    EXPECT_EQ(tabs.PageVirtual.Left, 618);
    EXPECT_EQ(tabs.PageEffect.Top, 82); // tops of the labels are their own
}

// Bounds from a language file can be anything; edges stop at the ends of the 32-bit range.
TEST(TabLayout, EdgesBeyondTheRangeStopAtItsEnds) {
    struct CASE {
        TAB_BOX Eq;
        int32_t Bevel2, Effect, Virtual;
    };
    const CASE cases[] = {
        {{INT32_MAX, 0, 100}, INT32_MAX, INT32_MAX, INT32_MAX},
        {{INT32_MAX - 10, 0, 8}, INT32_MAX - 2, INT32_MAX, INT32_MAX},
        {{INT32_MIN, 0, -100}, INT32_MIN, INT32_MIN + 13, INT32_MIN + 39},
    };
    for (const CASE& c : cases) {
        PAGE_TABS tabs;
        tabs.PageEQ = c.Eq;
        tabs.Bevel2 = tabs.Bevel3 = tabs.Bevel4 = {0, 0, 8};
        LayOutPageTabs(tabs);
        EXPECT_EQ(tabs.Bevel2.Left, c.Bevel2) << c.Eq.Left << "+" << c.Eq.Width;
        EXPECT_EQ(tabs.PageEffect.Left, c.Effect) << c.Eq.Left << "+" << c.Eq.Width;
        EXPECT_EQ(tabs.PageVirtual.Left, c.Virtual) << c.Eq.Left << "+" << c.Eq.Width;
    }
}

} // namespace
} // namespace tonvel
