// Loading files: paths, the results of the reading steps and what each leaves in place.

#include "foundation/ini/tests/IniTestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>

using namespace tonvel;
using tonvel::test::IniTestFiles;
using tonvel::test::IniTestPath;
using tonvel::test::WriteIniTestFile;

namespace {

TEST(IniLoad, ReadsFilesWithNonAsciiNames) {
    const std::u16string path = WriteIniTestFile(u"\u00E9t\u00E9 \u4E2D.ini", "[S]\nk=v\n");
    CIniMgr ini;
    EXPECT_EQ(ini.LoadFile(IniTestFiles(), path), 0);
    EXPECT_EQ(ini.FilePath(), path);
    EXPECT_EQ(ini.GetValue(u"S", u"k"), u"v");
}

TEST(IniLoad, FailedReadKeepsThePreviousContent) {
    CIniMgr ini;
    ASSERT_EQ(ini.LoadFile(IniTestFiles(), WriteIniTestFile(u"good.ini", "[S]\nk=v\n")), 0);
    struct FAILURE_CASE {
        const char* label;
        std::u16string path;
        std::vector<int32_t> results;
    } cases[] = {
        {"missing file", IniTestPath(u"missing.ini"), {1}},
        {"embedded zero", IniTestPath(u"good.ini") + u'\0', {1}},
        // A folder is not a file: the whole-file read refuses it.
        {"folder", IniTestPath(u""), {1}},
    };
    for (const FAILURE_CASE& c : cases) {
        const int32_t result = ini.LoadFile(IniTestFiles(), c.path);
        EXPECT_NE(std::find(c.results.begin(), c.results.end(), result), c.results.end())
            << c.label << ": " << result;
        EXPECT_EQ(ini.FilePath(), c.path) << c.label;
        EXPECT_EQ(ini.GetValue(u"S", u"k"), u"v") << c.label;
        EXPECT_EQ(ini.Lines().size(), 2u) << c.label;
    }
}

// A file system whose every read fails with one Win32 error, or runs out of memory.
class CFailingReads : public IFileSystem {
public:
    explicit CFailingReads(int32_t error) : m_Error(error) {}

    uint32_t Attributes(const std::u16string&) override { return FileAttrArchive; }
    int32_t CreateFolder(const std::u16string&) override { return FileAccessDenied; }
    int32_t RemoveFolder(const std::u16string&) override { return FileAccessDenied; }
    int32_t ReadAll(const std::u16string&, std::vector<uint8_t>& bytes) override {
        if (m_Error == Throws) throw std::bad_alloc();
        bytes.assign(3, '?');
        return m_Error;
    }
    int32_t WriteAll(const std::u16string&, const void*, size_t) override { return FileAccessDenied; }
    int32_t Copy(const std::u16string&, const std::u16string&, bool) override { return FileAccessDenied; }
    int32_t Delete(const std::u16string&) override { return FileAccessDenied; }
    int32_t Move(const std::u16string&, const std::u16string&, uint32_t) override { return FileAccessDenied; }
    int32_t ListFolders(const std::u16string&, std::vector<std::u16string>&) override { return FileOk; }
    int32_t ListFiles(const std::u16string&, std::vector<std::u16string>&) override { return FileOk; }
    std::u16string ModuleFileName() override { return {}; }

    static constexpr int32_t Throws = -1;

private:
    int32_t m_Error;
};

TEST(IniLoad, ReadErrorsGiveTheirResultsAndKeepTheContent) {
    const struct READ_ERROR_CASE {
        const char* label;
        int32_t error;
        int32_t result;
    } cases[] = {
        {"not found", FileNotFound, 1},
        {"path not found", FilePathNotFound, 1},
        {"access denied", FileAccessDenied, 1},
        {"not enough memory", FileNotEnoughMemory, 3},
        {"out of memory", FileOutOfMemory, 3},
        {"allocation fails inside the read", CFailingReads::Throws, 3},
        {"read fault", FileReadFault, 4},
    };
    for (const READ_ERROR_CASE& c : cases) {
        CIniMgr ini;
        ASSERT_EQ(ini.LoadFile(IniTestFiles(), WriteIniTestFile(u"good.ini", "[S]\nk=v\n")), 0);
        CFailingReads files(c.error);
        EXPECT_EQ(ini.LoadFile(files, u"C:\\refused.ini"), c.result) << c.label;
        EXPECT_EQ(ini.FilePath(), u"C:\\refused.ini") << c.label;
        EXPECT_EQ(ini.GetValue(u"S", u"k"), u"v") << c.label;
        EXPECT_EQ(ini.Lines().size(), 2u) << c.label;
    }
}

TEST(IniLoad, ReloadReplacesAndClearEmpties) {
    CIniMgr ini;
    ASSERT_EQ(ini.LoadFile(IniTestFiles(), WriteIniTestFile(u"first.ini", "\xEF\xBB\xBF[A]\nk=1\n")), 0);
    ASSERT_EQ(ini.LoadFile(IniTestFiles(), WriteIniTestFile(u"second.ini", "[B]\nk=2\n")), 0);
    EXPECT_EQ(ini.Encoding(), 0);
    EXPECT_FALSE(ini.HasSection(u"A"));
    EXPECT_EQ(ini.GetValue(u"B", u"k"), u"2");
    ini.Clear();
    EXPECT_TRUE(ini.Lines().empty());
    EXPECT_TRUE(ini.Sections().empty());
    EXPECT_FALSE(ini.HasSection(u"B"));
}

} // namespace
