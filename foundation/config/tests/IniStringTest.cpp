#include "foundation/config/IniString.h"

#include "platform/api/ProfileStrings.h"
#include "platform/sim/SimWindows.h"
#include "platform/sim/tests/SimCaseFile.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

const std::u16string TestFile = u"C:\\Tonvel\\AudioConfig.cfg";

// ReadIniString on the simulation's profile-string cases (also compared against wine): a key whose value,
// read with an empty default into the configuration buffer, is not empty gives 0 and the case's value;
// anything else gives 1 and keeps the output.
class ReadIniStringTest : public ::testing::TestWithParam<sim::cases::PROFILE_READ_CASE> {};

TEST_P(ReadIniStringTest, GivesTheValueOrKeepsTheOutput) {
    const sim::cases::PROFILE_READ_CASE& c = GetParam();
    sim::CSimWindows sim;
    const std::u16string path = sim::cases::SimCaseFile(sim, c.place, c.file);
    std::u16string read;
    sim.Profile().GetString(c.section, c.key, u"", read, ProfileBufferSize, path);
    std::u16string value = u"kept";
    EXPECT_EQ(read.empty() ? 1 : 0, ReadIniString(sim.Profile(), path, c.section, c.key, value));
    EXPECT_EQ(read.empty() ? u"kept" : c.expected, value);
}

std::vector<sim::cases::PROFILE_READ_CASE> ConfigurationBufferCases() {
    std::vector<sim::cases::PROFILE_READ_CASE> cases = sim::cases::ReadCases();
    std::erase_if(cases, [](const auto& c) { return c.bufferSize != ProfileBufferSize; });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ProfileCases, ReadIniStringTest, ::testing::ValuesIn(ConfigurationBufferCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteIniStringTest, WritesTheLanguageChoiceAndKeepsTheRest) {
    sim::CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(
        TestFile, "[Language]\r\nLanguageFolderName=Language\\\r\nDefaultLanguage=English\r\n"
                  "\r\n[Skin]\r\nSkinFolderName=Skin\\\r\n"));
    EXPECT_EQ(0, WriteIniString(sim.Profile(), TestFile, u"Language", u"DefaultLanguage", u"Deutsch"));
    std::vector<uint8_t> bytes;
    ASSERT_EQ(FileOk, sim.Files().ReadAll(TestFile, bytes));
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
