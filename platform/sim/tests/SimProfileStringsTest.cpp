#include "platform/sim/SimWindows.h"
#include "platform/sim/tests/ProfileCases.h"
#include "platform/sim/tests/SimCaseFile.h"

#include <gtest/gtest.h>

namespace tonvel::sim {
namespace {

using cases::PLACE;

class SimProfileReadTest : public ::testing::TestWithParam<cases::PROFILE_READ_CASE> {};

TEST_P(SimProfileReadTest, GivesWhatWindowsGives) {
    const auto& c = GetParam();
    CSimWindows sim;
    const std::u16string path = cases::SimCaseFile(sim, c.place, c.file);
    std::u16string value = u"garbage";
    const uint32_t length =
        sim.Profile().GetString(c.section, c.key, c.defaultValue, value, c.bufferSize, path);
    EXPECT_EQ(c.expected, value);
    EXPECT_EQ(c.expected.size(), length);
}

INSTANTIATE_TEST_SUITE_P(Table, SimProfileReadTest, ::testing::ValuesIn(cases::ReadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

class SimProfileWriteTest : public ::testing::TestWithParam<cases::PROFILE_WRITE_CASE> {};

TEST_P(SimProfileWriteTest, EditsTheFileInPlace) {
    const auto& c = GetParam();
    CSimWindows sim;
    const std::u16string path = cases::SimCaseFile(sim, c.place, c.file);
    for (const auto& write : c.writes) {
        EXPECT_EQ(c.written, sim.Profile().WriteString(write.section, write.key, write.value, path));
    }
    for (const auto& read : c.reads) {
        std::u16string value;
        sim.Profile().GetString(read.section, read.key, u"-", value, 1024, path);
        EXPECT_EQ(read.expected, value) << "key " << std::string(read.key.begin(), read.key.end());
    }
    if (!c.exactFile.empty()) {
        std::vector<uint8_t> bytes;
        ASSERT_EQ(FileOk, sim.Files().ReadAll(path, bytes));
        EXPECT_EQ(c.exactFile, std::string(bytes.begin(), bytes.end()));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SimProfileWriteTest, ::testing::ValuesIn(cases::WriteCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SimProfileWriteTest, KeepsBlankLinesCommentsAndLayoutOfOtherLines) {
    CSimWindows sim;
    const std::string before = "; settings\r\n[A]\r\n  X = 1 \r\n\r\n[B]\r\nY=2\r\n";
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\k.ini", before));
    ASSERT_TRUE(sim.Profile().WriteString(u"A", u"Z", u"3", u"C:\\k.ini"));
    ASSERT_TRUE(sim.Profile().WriteString(u"B", u"Y", u"4", u"C:\\k.ini"));
    std::vector<uint8_t> bytes;
    ASSERT_EQ(FileOk, sim.Files().ReadAll(u"C:\\k.ini", bytes));
    EXPECT_EQ("; settings\r\n[A]\r\n  X = 1 \r\nZ=3\r\n\r\n[B]\r\nY=4\r\n",
              std::string(bytes.begin(), bytes.end()));
}

} // namespace
} // namespace tonvel::sim
