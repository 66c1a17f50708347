#include "base/text/Utf.h"

#include <gtest/gtest.h>

using namespace tonvel;

TEST(Utf, RoundTripsAcrossPlanes) {
    const std::u16string text = u"a\u00e9\u20ac\U0001F3A7";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(text), "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xA7");
}

TEST(Utf, BrokenInputBecomesReplacementCharacters) {
    struct Case {
        std::string in;
        std::u16string out;
    } cases[] = {
        {"\xC3", u"\uFFFD"},                     // cut short at the end
        {"\xC3(", u"\uFFFD("},                   // bad continuation
        {"\xC0\xAF", u"\uFFFD\uFFFD"},           // over-long form
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"}, // encoded surrogate
        {"\xFF", u"\uFFFD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Utf8ToUtf16(c.in), c.out) << c.in;
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Utf, AsciiCaseRules) {
    EXPECT_EQ(AsciiUpper(u"usb\\vid_7f1c\u00e9"), u"USB\\VID_7F1C\u00e9");
    EXPECT_TRUE(EqualsNoCaseAscii(u"Language", u"LANGUAGE"));
    EXPECT_FALSE(EqualsNoCaseAscii(u"Language", u"Languages"));
    EXPECT_FALSE(EqualsNoCaseAscii(u"\u00e9", u"\u00c9"));
}
