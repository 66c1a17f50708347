#include "foundation/helpers/FileVersion.h"
#include "platform/sim/SimVersionInfo.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

constexpr char16_t TestFile[] = u"C:\\Setup\\TonvelSetup.exe";

TEST(FileVersion, FormatsTheFileVersion) {
    sim::CSimVersionInfo info;
    info.SetFileVersion(TestFile, 1, 2, 3, 4);
    std::u16string text;
    EXPECT_EQ(GetFileVersionString(info, u"c:\\setup\\tonvelsetup.exe", text), FILE_VERSION_OK);
    EXPECT_EQ(text, u"1.2.3.4");
}

TEST(FileVersion, LongestVersionFitsIn23Characters) {
    sim::CSimVersionInfo info;
    info.SetFileVersion(TestFile, 65535, 65535, 65535, 65535);
    std::u16string text;
    EXPECT_EQ(GetFileVersionString(info, TestFile, text), FILE_VERSION_OK);
    EXPECT_EQ(text, u"65535.65535.65535.65535");
    EXPECT_EQ(text.size(), 23u);
}

struct STATE_CASE {
    sim::CSimVersionInfo::VERSION_STATE state;
    int32_t result;
};

class FileVersionFailures : public ::testing::TestWithParam<STATE_CASE> {};

TEST_P(FileVersionFailures, ReportsTheStepAndLeavesTheTextAlone) {
    sim::CSimVersionInfo info;
    info.SetFileState(TestFile, GetParam().state);
    std::u16string text = u"unchanged";
    EXPECT_EQ(GetFileVersionString(info, TestFile, text), GetParam().result);
    EXPECT_EQ(text, u"unchanged");
}

INSTANTIATE_TEST_SUITE_P(
    States, FileVersionFailures,
    ::testing::Values(STATE_CASE{sim::CSimVersionInfo::VERSION_NONE, FILE_VERSION_NONE},
                      STATE_CASE{sim::CSimVersionInfo::VERSION_UNREADABLE, FILE_VERSION_UNREADABLE},
                      STATE_CASE{sim::CSimVersionInfo::VERSION_NO_ROOT, FILE_VERSION_NO_ROOT},
                      STATE_CASE{sim::CSimVersionInfo::VERSION_EMPTY_ROOT, FILE_VERSION_EMPTY_ROOT},
                      STATE_CASE{sim::CSimVersionInfo::VERSION_FOREIGN, FILE_VERSION_OK}));

TEST(FileVersion, FileWithoutEntryHasNoVersion) {
    sim::CSimVersionInfo info;
    std::u16string text = u"unchanged";
    EXPECT_EQ(GetFileVersionString(info, u"C:\\readme.txt", text), FILE_VERSION_NONE);
    EXPECT_EQ(text, u"unchanged");
}

} // namespace
} // namespace tonvel
