// Grouping lines into sections, parsing entries and the queries over them.

#include "foundation/ini/tests/IniTestFiles.h"

#include <gtest/gtest.h>

using namespace tonvel;
using tonvel::test::LoadIniBytes;
using tonvel::test::Strings;

namespace {

struct ENTRY_CASE {
    const char* label;
    const char* text; // the lines of section "S"
    std::vector<std::u16string> names;
    std::vector<std::u16string> values;
};

TEST(IniEntries, SplitAtTheFirstEquals) {
    const ENTRY_CASE cases[] = {
        {"only the line's outer spaces are trimmed", "  name = value  \n", {u"name "}, {u" value"}},
        {"empty value", "k=\n", {u"k"}, {u""}},
        {"empty name or no equals give no entry", "=x\nnoequals\nk=v\n", {u"k"}, {u"v"}},
        {"second equals stays in the value", "a=b=c\n", {u"a"}, {u"b=c"}},
        {"quotes and semicolons are ordinary", "k=\"v\" ;x\n", {u"k"}, {u"\"v\" ;x"}},
        {"comments never give entries", ";k=v\n  ;j=w\nm=n\n", {u"m"}, {u"n"}},
        {"a tab stays part of the name", "\tk=v\t\n", {u"\tk"}, {u"v\t"}},
        {"duplicate names are all listed", "k=1\nj=2\nk=3\n", {u"k", u"j", u"k"}, {u"1", u"2", u"1"}},
        {"names are case-sensitive", "Key=1\nkey=2\n", {u"Key", u"key"}, {u"1", u"2"}},
    };
    for (const ENTRY_CASE& c : cases) {
        CIniMgr ini;
        ASSERT_EQ(LoadIniBytes(ini, std::string("[S]\n") + c.text), 0) << c.label;
        std::vector<std::u16string> names;
        ini.GetKeyNames(u"S", names);
        EXPECT_EQ(names, c.names) << c.label;
        std::vector<std::u16string> values;
        for (const std::u16string& name : names)
            values.push_back(ini.GetValue(u"S", name));
        EXPECT_EQ(values, c.values) << c.label;
    }
}

TEST(IniEntries, LineEndsAndBlankLinesDoNotMatter) {
    const char* variants[] = {
        "[S]\na=1\nb=2\n",
        "[S]\r\na=1\r\nb=2\r\n",
        "\n\n[S]\n\n\na=1\r\n\r\n   \nb=2",
    };
    for (const char* text : variants) {
        CIniMgr ini;
        ASSERT_EQ(LoadIniBytes(ini, text), 0);
        ASSERT_EQ(ini.Sections().size(), 1u) << text;
        const CIniSection& section = ini.Sections()[0]->m_Section;
        ASSERT_EQ(section.m_Values.size(), 2u) << text;
        EXPECT_EQ(section.m_Values[0].Name, u"a");
        EXPECT_EQ(section.m_Values[0].Value, u"1");
        EXPECT_EQ(section.m_Values[1].Name, u"b");
        EXPECT_EQ(section.m_Values[1].Value, u"2");
    }
}

TEST(IniSections, HeadersAndTheirLines) {
    CIniMgr ini;
    ASSERT_EQ(LoadIniBytes(ini, "early=1\n[ A ]\n;note\nk=v\n[]\ne=1\n\t[T]\nt=1\n[a]\n"), 0);
    const auto& sections = ini.Sections();
    ASSERT_EQ(sections.size(), 3u);
    // Names are not trimmed; an empty header gives an empty name.
    EXPECT_EQ(sections[0]->m_Name, u" A ");
    EXPECT_EQ(sections[0]->m_Section.m_Name, u" A ");
    EXPECT_EQ(Strings(sections[0]->m_Lines), (std::vector<std::u16string>{u"[ A ]", u"k=v"}));
    EXPECT_EQ(sections[1]->m_Name, u"");
    // A header that begins with a tab is an ordinary line of the section before it.
    EXPECT_EQ(Strings(sections[1]->m_Lines), (std::vector<std::u16string>{u"[]", u"e=1", u"\t[T]", u"t=1"}));
    EXPECT_EQ(sections[1]->m_Section.m_Values.size(), 2u);
    EXPECT_TRUE(ini.HasSection(u""));
    EXPECT_TRUE(ini.HasSection(u" A "));
    EXPECT_FALSE(ini.HasSection(u"A"));
    EXPECT_FALSE(ini.HasSection(u"T"));
    // Lines before the first header are dropped; section names are case-sensitive.
    EXPECT_EQ(ini.GetValue(u" A ", u"early"), u"");
    EXPECT_TRUE(ini.HasSection(u"a"));
    EXPECT_EQ(ini.GetValue(u"a", u"k"), u"");
}

TEST(IniSections, RepeatedHeaderGivesAnIndependentRecord) {
    CIniMgr ini;
    ASSERT_EQ(LoadIniBytes(ini, "[S]\nk=first\n[S]\nk=second\nj=only\n"), 0);
    ASSERT_EQ(ini.Sections().size(), 2u);
    EXPECT_EQ(ini.Sections()[1]->m_Section.m_Values.size(), 2u);
    EXPECT_EQ(ini.GetValue(u"S", u"k"), u"first");
    EXPECT_EQ(ini.GetValue(u"S", u"j"), u"");
    std::vector<std::u16string> names;
    ini.GetKeyNames(u"S", names);
    EXPECT_EQ(names, std::vector<std::u16string>{u"k"});
}

// A space between "]" and the carriage return keeps the header from being seen while grouping, so it and
// its lines join the section before it; parsing then renames only that section's parsed form.
TEST(IniSections, HeaderWithSpaceBeforeCarriageReturnJoinsThePreviousSection) {
    CIniMgr ini;
    ASSERT_EQ(LoadIniBytes(ini, "[A]\r\nk=1\r\n[B] \r\nm=2\r\n"), 0);
    ASSERT_EQ(ini.Sections().size(), 1u);
    const CIniSectionDefine& record = *ini.Sections()[0];
    EXPECT_EQ(record.m_Name, u"A");
    EXPECT_EQ(record.m_Section.m_Name, u"B");
    EXPECT_EQ(Strings(record.m_Lines), (std::vector<std::u16string>{u"[A]", u"k=1", u"[B] ", u"m=2"}));
    EXPECT_FALSE(ini.HasSection(u"B"));
    EXPECT_EQ(ini.GetValue(u"A", u"m"), u"2");
    // With a plain LF line end the same header is trimmed first and opens its own section.
    ASSERT_EQ(LoadIniBytes(ini, "[A]\nk=1\n[B] \nm=2\n"), 0);
    EXPECT_EQ(ini.GetValue(u"B", u"m"), u"2");
}

TEST(IniQueries, MissingSectionsAndEntries) {
    CIniMgr ini;
    ASSERT_EQ(LoadIniBytes(ini, "[S]\nk=v\n[E]\n"), 0);
    std::vector<std::u16string> names{u"kept"};
    ini.GetKeyNames(u"missing", names);
    EXPECT_EQ(names, std::vector<std::u16string>{u"kept"});
    ini.GetKeyNames(u"E", names);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(ini.GetValue(u"S", u""), u"");
    EXPECT_EQ(ini.GetValue(u"S", u"K"), u"");
    EXPECT_EQ(ini.GetValue(u"missing", u"k"), u"");
}

TEST(IniQueries, NoFixedLimits) {
    const std::string longName(70000, 'n');
    const std::string longValue(200000, 'v');
    std::string text = "[" + longName + "]\n";
    for (int i = 0; i < 20000; ++i)
        text += "key" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    text += "long=" + longValue + "\n";
    CIniMgr ini;
    ASSERT_EQ(LoadIniBytes(ini, text), 0);
    const std::u16string section(longName.begin(), longName.end());
    std::vector<std::u16string> names;
    ini.GetKeyNames(section, names);
    EXPECT_EQ(names.size(), 20001u);
    EXPECT_EQ(ini.GetValue(section, u"key19999"), u"19999");
    EXPECT_EQ(ini.GetValue(section, u"long").size(), longValue.size());
}

} // namespace
