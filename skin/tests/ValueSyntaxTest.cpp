#include "skin/ValueSyntax.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

struct SPLIT_CASE {
    const char16_t* Value;
    size_t MaxItems;
    std::vector<std::u16string> Items;
};

TEST(ValueSyntax, SplitsAtCommasOutsideQuotes) {
    const SPLIT_CASE cases[] = {
        {u"", 5, {}},
        {u"a.png", 5, {u"a.png"}},
        {u"a.png,,,120", 5, {u"a.png", u"", u"", u"120"}},
        {u"a.png, 10 ,20", 5, {u"a.png", u" 10 ", u"20"}},       // blanks stay
        {u"\"Hello, world\",$FF", 9, {u"Hello, world", u"$FF"}}, // quotes protect commas
        {u"a,b,c,d,e,f,g", 5, {u"a", u"b", u"c", u"d", u"e"}},   // items past the limit are ignored
        {u"a,", 5, {u"a", u""}},
        {u",10", 5, {u"", u"10"}},
    };
    for (const SPLIT_CASE& c : cases)
        EXPECT_EQ(SplitValue(c.Value, c.MaxItems), c.Items) << "case index " << (&c - cases);
}

struct INTEGER_CASE {
    const char16_t* Text;
    bool Ok;
    int32_t Value;
};

TEST(ValueSyntax, ParsesWholeNumbers) {
    const INTEGER_CASE cases[] = {
        {u"0", true, 0},
        {u"120", true, 120},
        {u"  42", true, 42},
        {u"+7", true, 7},
        {u"-15", true, -15},
        {u"$1F", true, 31},
        {u"x1f", true, 31},
        {u"X1F", true, 31},
        {u"0x00FF00", true, 0xFF00},
        {u"0X10", true, 16},
        {u"-$10", true, -16},
        {u"$FF000005", true, static_cast<int32_t>(0xFF000005u)},
        {u"2147483647", true, 2147483647},
        {u"-2147483648", true, INT32_MIN},
        {u"", false, 0},
        {u"   ", false, 0},
        {u"+", false, 0},
        {u"$", false, 0},
        {u"0x", false, 0},
        {u"12a", false, 0},
        {u"12 ", false, 0}, // nothing may follow the digits
        {u"1.5", false, 0},
        {u"abc", false, 0},
        {u"$G1", false, 0},
        {u"2147483648", false, 0},
        {u"-2147483649", false, 0},
        {u"$100000000", false, 0},
        {u"--1", false, 0},
    };
    for (const INTEGER_CASE& c : cases) {
        int32_t value = 12345;
        const bool ok = ParseInteger(c.Text, value);
        EXPECT_EQ(ok, c.Ok) << "case index " << (&c - cases);
        if (c.Ok && ok) {
            EXPECT_EQ(value, c.Value) << "case index " << (&c - cases);
        }
    }
}

} // namespace
} // namespace tonvel
