#include "foundation/helpers/BinaryFile.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

TEST(BinaryFile, CreatesAndOverwrites) {
    sim::CSimWindows windows;
    const std::u16string path = u"C:\\Windows\\System32\\drivers\\Pelix.sys";
    ASSERT_TRUE(windows.Files().CreateFolders(u"C:\\Windows\\System32\\drivers"));
    const uint8_t first[] = {0x4D, 0x5A, 0x00, 0xFF, 0x00};
    const uint8_t second[] = {0x01, 0x02};
    EXPECT_EQ(WriteBinaryFile(windows.Files(), path, first, sizeof first), WRITE_BINARY_FILE_OK);
    std::vector<uint8_t> bytes;
    ASSERT_EQ(windows.Files().ReadAll(path, bytes), FileOk);
    EXPECT_EQ(bytes, std::vector<uint8_t>(first, first + sizeof first));
    EXPECT_EQ(WriteBinaryFile(windows.Files(), path, second, sizeof second), WRITE_BINARY_FILE_OK);
    ASSERT_EQ(windows.Files().ReadAll(path, bytes), FileOk);
    EXPECT_EQ(bytes, std::vector<uint8_t>(second, second + sizeof second));
}

TEST(BinaryFile, UnopenablePathsGiveOne) {
    sim::CSimWindows windows;
    const uint8_t byte = 7;
    EXPECT_EQ(WriteBinaryFile(windows.Files(), u"C:\\NoSuchFolder\\file.bin", &byte, 1),
              WRITE_BINARY_FILE_CANNOT_OPEN);
    ASSERT_TRUE(windows.Files().CreateFolders(u"C:\\Folder"));
    EXPECT_EQ(WriteBinaryFile(windows.Files(), u"C:\\Folder", &byte, 1), WRITE_BINARY_FILE_CANNOT_OPEN);
}

// A file system whose writes stop short, as on a full disk.
class CShortWrites : public IFileSystem {
public:
    uint32_t Attributes(const std::u16string&) override { return FileAttrInvalid; }
    int32_t CreateFolder(const std::u16string&) override { return FileOk; }
    int32_t RemoveFolder(const std::u16string&) override { return FileOk; }
    int32_t ReadAll(const std::u16string&, std::vector<uint8_t>&) override { return FileNotFound; }
    int32_t WriteAll(const std::u16string&, const void*, size_t) override { return FileWriteFault; }
    int32_t Copy(const std::u16string&, const std::u16string&, bool) override { return FileOk; }
    int32_t Delete(const std::u16string&) override { return FileOk; }
    int32_t Move(const std::u16string&, const std::u16string&, uint32_t) override { return FileOk; }
    int32_t ListFolders(const std::u16string&, std::vector<std::u16string>&) override { return FileOk; }
    int32_t ListFiles(const std::u16string&, std::vector<std::u16string>&) override { return FileOk; }
    std::u16string ModuleFileName() override { return {}; }
};

TEST(BinaryFile, ShortWriteGivesTwo) {
    CShortWrites files;
    const uint8_t bytes[4] = {};
    EXPECT_EQ(WriteBinaryFile(files, u"C:\\full.bin", bytes, sizeof bytes), WRITE_BINARY_FILE_SHORT);
}

} // namespace
} // namespace tonvel
