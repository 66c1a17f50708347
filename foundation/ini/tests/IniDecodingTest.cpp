// Encoding detection and decoding of whole files into lines.

#include "foundation/ini/tests/IniTestFiles.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using namespace tonvel;
using tonvel::test::LoadIniBytes;
using tonvel::test::Strings;

namespace {

struct DECODE_CASE {
    const char* label;
    std::string bytes;
    int32_t result;
    int32_t encoding;
    std::vector<std::u16string> lines;
};

void PrintTo(const DECODE_CASE& c, std::ostream* out) {
    *out << c.label;
}

class IniDecoding : public testing::TestWithParam<DECODE_CASE> {};

TEST_P(IniDecoding, GivesEncodingAndLines) {
    const DECODE_CASE& c = GetParam();
    CIniMgr ini;
    EXPECT_EQ(LoadIniBytes(ini, c.bytes), c.result);
    EXPECT_EQ(ini.Encoding(), c.encoding);
    EXPECT_EQ(Strings(ini.Lines()), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    EightBit, IniDecoding,
    testing::Values(DECODE_CASE{"empty file", ""s, 0, 0, {}}, DECODE_CASE{"one byte", "a"s, 0, 0, {u"a"}},
                    DECODE_CASE{"one byte FF is never a mark", "\xFF"s, 0, 0, {u"\uFFFF"}},
                    DECODE_CASE{"cut UTF-8 mark", "\xEF\xBB"s, 0, 0, {u"\uFFEF\uFFBB"}},
                    DECODE_CASE{"cut UTF-32 mark", "\x00\x00\xFE"s, 0, 0, {u"\0\0\uFFFE"s}},
                    // High bytes widen as signed 8-bit values.
                    DECODE_CASE{"high bytes", "k=\x80\xE9\xFF"s, 0, 0, {u"k=\uFF80\uFFE9\uFFFF"}},
                    DECODE_CASE{"lines", "a\nb\n"s, 0, 0, {u"a", u"b"}}));

INSTANTIATE_TEST_SUITE_P(
    Utf8, IniDecoding,
    testing::Values(DECODE_CASE{"mark only", "\xEF\xBB\xBF"s, 0, 1, {}},
                    DECODE_CASE{"two-byte", "\xEF\xBB\xBF\xC3\xA9"s, 0, 1, {u"\u00E9"}},
                    DECODE_CASE{
                        "three-byte", "\xEF\xBB\xBF\xE2\x82\xAC\n\x7F"s, 0, 1, {u"\u20AC", u"\u007F"}},
                    // Over-long forms are not rejected: they yield their value.
                    DECODE_CASE{"over-long two-byte", "\xEF\xBB\xBF\xC1\x81"s, 0, 1, {u"A"}},
                    DECODE_CASE{"over-long zero", "\xEF\xBB\xBF\xC0\x80"s, 0, 1, {u"\0"s}},
                    DECODE_CASE{"over-long three-byte", "\xEF\xBB\xBF\xE0\x81\x81"s, 0, 1, {u"A"}},
                    DECODE_CASE{"over-long four-byte", "\xEF\xBB\xBF\xF0\x80\x81\x81"s, 0, 1, {u"A"}},
                    DECODE_CASE{"over-long five-byte", "\xEF\xBB\xBF\xF8\x80\x80\x81\x81"s, 0, 1, {u"A"}},
                    DECODE_CASE{"over-long six-byte", "\xEF\xBB\xBF\xFC\x80\x80\x80\x81\x81"s, 0, 1, {u"A"}},
                    DECODE_CASE{"beyond the BMP",
                                "\xEF\xBB\xBF"
                                "a\n\xF0\x9F\x8E\xA7"s,
                                5,
                                1,
                                {}},
                    DECODE_CASE{"six-byte beyond the BMP", "\xEF\xBB\xBF\xFD\xBF\xBF\xBF\xBF\xBF"s, 5, 1, {}},
                    DECODE_CASE{"continuation as lead", "\xEF\xBB\xBF\x80"s, 5, 1, {}},
                    DECODE_CASE{"lead FE", "\xEF\xBB\xBF\xFE"s, 5, 1, {}},
                    DECODE_CASE{"lead FF",
                                "\xEF\xBB\xBF"
                                "a\xFF"s,
                                5,
                                1,
                                {}},
                    DECODE_CASE{"bad continuation", "\xEF\xBB\xBF\xC3("s, 5, 1, {}},
                    DECODE_CASE{"runs past the end", "\xEF\xBB\xBF\xE2\x82"s, 5, 1, {}}));

INSTANTIATE_TEST_SUITE_P(
    Utf16, IniDecoding,
    testing::Values(DECODE_CASE{"LE mark only", "\xFF\xFE"s, 0, 2, {}},
                    DECODE_CASE{"LE lines",
                                "\xFF\xFE"
                                "a\0\n\0\xE9\0"s,
                                0,
                                2,
                                {u"a", u"\u00E9"}},
                    // UTF-16 text carries surrogate pairs through unchanged.
                    DECODE_CASE{"LE pair", "\xFF\xFE\x3C\xD8\xA7\xDF"s, 0, 2, {u"\U0001F3A7"}},
                    DECODE_CASE{"LE odd last byte",
                                "\xFF\xFE"
                                "a\0b"s,
                                0,
                                2,
                                {u"a"}},
                    DECODE_CASE{"BE mark only", "\xFE\xFF"s, 0, 3, {}},
                    DECODE_CASE{"BE lines", "\xFE\xFF\0a\0\n\x20\xAC"s, 0, 3, {u"a", u"\u20AC"}},
                    // A little-endian file whose first character is U+0000 looks like UTF-32.
                    DECODE_CASE{"LE starting with U+0000", "\xFF\xFE\0\0a\0"s, 5, 4, {}}));

INSTANTIATE_TEST_SUITE_P(
    Utf32, IniDecoding,
    testing::Values(DECODE_CASE{"LE mark only", "\xFF\xFE\0\0"s, 0, 4, {}},
                    DECODE_CASE{"LE lines",
                                "\xFF\xFE\0\0"
                                "a\0\0\0\n\0\0\0\xAC\x20\0\0"s,
                                0,
                                4,
                                {u"a", u"\u20AC"}},
                    DECODE_CASE{"LE length not a multiple of 4",
                                "\xFF\xFE\0\0"
                                "a\0\0"s,
                                5,
                                4,
                                {}},
                    DECODE_CASE{"LE beyond the BMP",
                                "\xFF\xFE\0\0"
                                "a\0\0\0\0\0\x01\0"s,
                                5,
                                4,
                                {}},
                    DECODE_CASE{"BE mark only", "\0\0\xFE\xFF"s, 0, 5, {}},
                    DECODE_CASE{
                        "BE lines", "\0\0\xFE\xFF\0\0\0a\0\0\0\n\0\0\xFF\xFF"s, 0, 5, {u"a", u"\uFFFF"}},
                    DECODE_CASE{"BE length not a multiple of 4", "\0\0\xFE\xFF\0\0\0a\0"s, 5, 5, {}},
                    DECODE_CASE{"BE beyond the BMP", "\0\0\xFE\xFF\0\x01\0\0"s, 5, 5, {}}));

struct LINE_CASE {
    const char* label;
    std::string text;
    std::vector<std::u16string> lines;
};

TEST(IniLines, CutAndTrimmed) {
    const LINE_CASE cases[] = {
        {"runs of line feeds give no empty lines", "a\n\n\nb", {u"a", u"b"}},
        {"a blank CR LF line stays as an empty line", "a\r\n\r\nb\r\n", {u"a", u"", u"b"}},
        {"outer spaces", "  a = b  \n", {u"a = b"}},
        {"outer carriage returns", " \r\ra\r\r\n", {u"a"}},
        {"spaces before the carriage return survive", "[S] \r\n", {u"[S] "}},
        {"carriage returns inside spaces", "\r a \r\n", {u" a "}},
        {"spaces only", "   \n", {u""}},
        {"tabs are never trimmed", "\ta\t\n", {u"\ta\t"}},
        {"no final line feed", "x\ny", {u"x", u"y"}},
        {"lone carriage returns do not cut", "a\rb\n", {u"a\rb"}},
    };
    for (const LINE_CASE& c : cases) {
        CIniMgr ini;
        ASSERT_EQ(LoadIniBytes(ini, c.text), 0) << c.label;
        EXPECT_EQ(Strings(ini.Lines()), c.lines) << c.label;
    }
}

TEST(IniLines, DecodeFailureLeavesNoContent) {
    CIniMgr ini;
    ASSERT_EQ(LoadIniBytes(ini, "[S]\nk=v\n"), 0);
    ASSERT_TRUE(ini.HasSection(u"S"));
    EXPECT_EQ(LoadIniBytes(ini, "\xEF\xBB\xBF[S]\nk=\xF0\x9F\x8E\xA7\n"), 5);
    EXPECT_EQ(ini.Encoding(), 1);
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_FALSE(ini.HasSection(u"S"));
}

TEST(IniLines, SameEntriesInEveryEncoding) {
    const std::string variants[] = {
        "[S]\nk=\x7F"
        "v\n"s,
        "\xEF\xBB\xBF[S]\nk=\x7F"
        "v\n"s,
        "\xFF\xFE[\0S\0]\0\n\0k\0=\0\x7F\0v\0\n\0"s,
        "\xFE\xFF\0[\0S\0]\0\n\0k\0=\0\x7F\0v\0\n"s,
        "\xFF\xFE\0\0[\0\0\0S\0\0\0]\0\0\0\n\0\0\0k\0\0\0=\0\0\0\x7F\0\0\0v\0\0\0"s,
        "\0\0\xFE\xFF\0\0\0[\0\0\0S\0\0\0]\0\0\0\n\0\0\0k\0\0\0=\0\0\0\x7F\0\0\0v"s,
    };
    for (const std::string& bytes : variants) {
        CIniMgr ini;
        ASSERT_EQ(LoadIniBytes(ini, bytes), 0);
        EXPECT_EQ(ini.GetValue(u"S", u"k"), u"\u007Fv") << "encoding " << ini.Encoding();
    }
}

} // namespace
