#include "foundation/helpers/SplitList.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

struct SPLIT_CASE {
    std::u16string text;
    std::vector<std::u16string> items;
};

class SplitListCases : public ::testing::TestWithParam<SPLIT_CASE> {};

TEST_P(SplitListCases, CutsAtEveryComma) {
    std::vector<std::u16string> items;
    EXPECT_EQ(SplitList(GetParam().text, items), static_cast<int32_t>(GetParam().items.size()));
    EXPECT_EQ(items, GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitListCases,
                         ::testing::Values(SPLIT_CASE{u"", {u""}}, SPLIT_CASE{u"one", {u"one"}},
                                           SPLIT_CASE{u"a,b,c", {u"a", u"b", u"c"}},
                                           SPLIT_CASE{u"a,,b", {u"a", u"", u"b"}},
                                           SPLIT_CASE{u"a,b,", {u"a", u"b", u""}},
                                           SPLIT_CASE{u",", {u"", u""}}, SPLIT_CASE{u",a", {u"", u"a"}},
                                           SPLIT_CASE{u" x , y ", {u" x ", u" y "}},
                                           SPLIT_CASE{u"\"a,b\"", {u"\"a", u"b\""}}));

TEST(SplitList, AppendsWithoutClearing) {
    std::vector<std::u16string> items{u"kept"};
    EXPECT_EQ(SplitList(u"x,y", items), 3);
    EXPECT_EQ(items, (std::vector<std::u16string>{u"kept", u"x", u"y"}));
}

} // namespace
} // namespace tonvel
