#include "panel/model/TabLayout.h"

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

} // namespace
} // namespace tonvel
