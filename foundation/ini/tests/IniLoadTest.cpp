// Loading files: paths, the results of the reading steps and what each leaves in place.

#include "foundation/ini/tests/IniTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace tonvel;
using tonvel::test::IniTestPath;
using tonvel::test::WriteIniTestFile;

namespace {

TEST(IniLoad, ReadsFilesWithNonAsciiNames) {
    const std::u16string path = WriteIniTestFile(u"\u00E9t\u00E9 \u4E2D.ini", "[S]\nk=v\n");
    CIniMgr ini;
    EXPECT_EQ(ini.LoadFile(path), 0);
    EXPECT_EQ(ini.FilePath(), path);
    EXPECT_EQ(ini.GetValue(u"S", u"k"), u"v");
}

TEST(IniLoad, FailedReadKeepsThePreviousContent) {
    CIniMgr ini;
    ASSERT_EQ(ini.LoadFile(WriteIniTestFile(u"good.ini", "[S]\nk=v\n")), 0);
    struct FAILURE_CASE {
        const char* label;
        std::u16string path;
        std::vector<std::int32_t> results;
    } cases[] = {
        {"missing file", IniTestPath(u"missing.ini"), {1}},
        {"embedded zero", IniTestPath(u"good.ini") + u'\0', {1}},
        // A folder cannot be opened on Windows; elsewhere it opens but has no length.
        {"folder", IniTestPath(u""), {1, 2}},
    };
    for (const FAILURE_CASE& c : cases) {
        const std::int32_t result = ini.LoadFile(c.path);
        EXPECT_NE(std::find(c.results.begin(), c.results.end(), result), c.results.end())
            << c.label << ": " << result;
        EXPECT_EQ(ini.FilePath(), c.path) << c.label;
        EXPECT_EQ(ini.GetValue(u"S", u"k"), u"v") << c.label;
        EXPECT_EQ(ini.Lines().size(), 2u) << c.label;
    }
}

TEST(IniLoad, ReloadReplacesAndClearEmpties) {
    CIniMgr ini;
    ASSERT_EQ(ini.LoadFile(WriteIniTestFile(u"first.ini", "\xEF\xBB\xBF[A]\nk=1\n")), 0);
    ASSERT_EQ(ini.LoadFile(WriteIniTestFile(u"second.ini", "[B]\nk=2\n")), 0);
    EXPECT_EQ(ini.Encoding(), 0);
    EXPECT_FALSE(ini.HasSection(u"A"));
    EXPECT_EQ(ini.GetValue(u"B", u"k"), u"2");
    ini.Clear();
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_TRUE(ini.Sections().empty());
    EXPECT_FALSE(ini.HasSection(u"B"));
}

} // namespace
