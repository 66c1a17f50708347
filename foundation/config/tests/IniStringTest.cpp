#include "foundation/config/IniString.h"

#include "base/text/Utf.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

const std::u16string kFile = u"C:\\Tonvel\\AudioConfig.cfg";

struct READ_CASE {
    const char* name;
    std::string file;
    const char16_t* section;
    const char16_t* key;
    int32_t result;
    std::u16string value; // what the output holds afterwards ("kept" when unchanged)
};

class ReadIniStringTest : public ::testing::TestWithParam<READ_CASE> {};

TEST_P(ReadIniStringTest, ReadsOneKey) {
    const READ_CASE& c = GetParam();
    sim::CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(kFile, c.file));
    std::u16string value = u"kept";
    EXPECT_EQ(c.result, ReadIniString(sim.Profile(), kFile, c.section, c.key, value));
    EXPECT_EQ(c.value, value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadIniStringTest,
    ::testing::Values(READ_CASE{"Plain", "[Install]\r\nInstallFolderName=Tonvel\r\n", u"Install",
                                u"InstallFolderName", 0, u"Tonvel"},
                      READ_CASE{"NamesIgnoreCase", "[INSTALL]\r\ninstallfoldername=Tonvel\r\n", u"install",
                                u"InstallFolderName", 0, u"Tonvel"},
                      READ_CASE{"QuotesRemoved", "[Install]\r\nInstallAppTitle = \"Tonvel Audio\"  \r\n",
                                u"Install", u"InstallAppTitle", 0, u"Tonvel Audio"},
                      READ_CASE{"EmptyValueKeepsOutput", "[Install]\r\nInstallAppTitle=\r\n", u"Install",
                                u"InstallAppTitle", 1, u"kept"},
                      READ_CASE{"EmptyQuotesKeepOutput", "[Install]\r\nInstallAppTitle=\"\"\r\n", u"Install",
                                u"InstallAppTitle", 1, u"kept"},
                      READ_CASE{"MissingKey", "[Install]\r\nOther=1\r\n", u"Install", u"InstallAppTitle", 1,
                                u"kept"},
                      READ_CASE{"MissingSection", "[Skin]\r\nInstallAppTitle=x\r\n", u"Install",
                                u"InstallAppTitle", 1, u"kept"}),
    [](const auto& info) { return std::string(info.param.name); });

struct CUT_CASE {
    size_t length;
    size_t expected;
};

class ReadIniStringCutTest : public ::testing::TestWithParam<CUT_CASE> {};

TEST_P(ReadIniStringCutTest, LongValuesAreCutTo1023) {
    const CUT_CASE& c = GetParam();
    std::string text(c.length, 'x');
    for (size_t i = 0; i < c.length; ++i)
        text[i] = static_cast<char>('a' + i % 26);
    sim::CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(kFile, "[Language]\r\nLanguageFolderName=" + text + "\r\n"));
    std::u16string value;
    EXPECT_EQ(0, ReadIniString(sim.Profile(), kFile, u"Language", u"LanguageFolderName", value));
    EXPECT_EQ(AsciiToUtf16(text.substr(0, c.expected)), value);
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReadIniStringCutTest,
                         ::testing::Values(CUT_CASE{1022, 1022}, CUT_CASE{1023, 1023}, CUT_CASE{1024, 1023},
                                           CUT_CASE{5000, 1023}));

TEST(ReadIniStringTest, MissingFileKeepsOutput) {
    sim::CSimWindows sim;
    std::u16string value = u"kept";
    EXPECT_EQ(1, ReadIniString(sim.Profile(), kFile, u"Install", u"InstallAppTitle", value));
    EXPECT_EQ(u"kept", value);
}

TEST(WriteIniStringTest, WritesTheLanguageChoiceAndKeepsTheRest) {
    sim::CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(
        kFile, "[Language]\r\nLanguageFolderName=Language\\\r\nDefaultLanguage=English\r\n"
               "\r\n[Skin]\r\nSkinFolderName=Skin\\\r\n"));
    EXPECT_EQ(0, WriteIniString(sim.Profile(), kFile, u"Language", u"DefaultLanguage", u"Deutsch"));
    std::vector<uint8_t> bytes;
    ASSERT_EQ(FileOk, sim.Files().ReadAll(kFile, bytes));
    EXPECT_EQ("[Language]\r\nLanguageFolderName=Language\\\r\nDefaultLanguage=Deutsch\r\n\r\n[Skin]\r\n"
              "SkinFolderName=Skin\\\r\n",
              std::string(bytes.begin(), bytes.end()));
}

TEST(WriteIniStringTest, FailsWhenTheFolderIsMissing) {
    sim::CSimWindows sim;
    EXPECT_EQ(1, WriteIniString(sim.Profile(), u"C:\\Missing\\AudioConfig.cfg", u"Language",
                                u"DefaultLanguage", u"Deutsch"));
}

} // namespace
} // namespace tonvel
