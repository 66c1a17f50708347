#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace tonvel::sim {
namespace {

TEST(SimFileSystemTest, DrivesAreFoldersOfTheRoot) {
    CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Program Files\\Tonvel\\a.txt", "abc"));
    EXPECT_TRUE(std::filesystem::exists(sim.Files().Root() / "c" / "Program Files" / "Tonvel" / "a.txt"));
    EXPECT_EQ(FileAttrInvalid, sim.Files().Attributes(u"D:\\"));
    EXPECT_EQ(FileAttrDirectory, sim.Files().Attributes(u"C:\\"));
}

struct PATH_CASE {
    const char* name;
    const char16_t* path;
    uint32_t attributes;
};

class SimFileSystemPathTest : public ::testing::TestWithParam<PATH_CASE> {};

TEST_P(SimFileSystemPathTest, FollowsWindowsPathRules) {
    CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Program Files\\Tonvel\\Skin\\SkinSetting.ini", "x"));
    sim.Files().SetCurrentFolder(u"C:\\Program Files\\Tonvel\\");
    EXPECT_EQ(GetParam().attributes, sim.Files().Attributes(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SimFileSystemPathTest,
    ::testing::Values(
        PATH_CASE{"Exact", u"C:\\Program Files\\Tonvel\\Skin\\SkinSetting.ini", FileAttrArchive},
        PATH_CASE{"OtherCase", u"c:\\PROGRAM FILES\\tonvel\\skin\\skinsetting.INI", FileAttrArchive},
        PATH_CASE{"ForwardSlashes", u"C:/Program Files/Tonvel/Skin", FileAttrDirectory},
        PATH_CASE{"TrailingBackslash", u"C:\\Program Files\\Tonvel\\Skin\\", FileAttrDirectory},
        PATH_CASE{"DotsFolded", u"C:\\Program Files\\.\\Other\\..\\Tonvel\\Skin", FileAttrDirectory},
        PATH_CASE{"Relative", u"Skin\\SkinSetting.ini", FileAttrArchive},
        PATH_CASE{"Rooted", u"\\Program Files\\Tonvel", FileAttrDirectory},
        PATH_CASE{"TrailingDotDropped", u"C:\\Program Files\\Tonvel.", FileAttrDirectory},
        PATH_CASE{"Missing", u"C:\\Program Files\\Tonvel\\Nothing", FileAttrInvalid},
        PATH_CASE{"BelowAFile", u"C:\\Program Files\\Tonvel\\Skin\\SkinSetting.ini\\x", FileAttrInvalid},
        PATH_CASE{"Unc", u"\\\\server\\share\\x", FileAttrInvalid}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimFileSystemTest, FolderCreationNeedsTheParent) {
    CSimWindows sim;
    EXPECT_EQ(FilePathNotFound, sim.Files().CreateFolder(u"C:\\A\\B"));
    EXPECT_EQ(FileOk, sim.Files().CreateFolder(u"C:\\A"));
    EXPECT_EQ(FileAlreadyExists, sim.Files().CreateFolder(u"c:\\a\\"));
    EXPECT_EQ(FileOk, sim.Files().CreateFolder(u"C:\\a\\B"));
    EXPECT_TRUE(std::filesystem::is_directory(sim.Files().Root() / "c" / "A" / "B"));
}

TEST(SimFileSystemTest, ReadWriteCopyDelete) {
    CSimWindows sim;
    const std::string text = "bytes\0with zero";
    ASSERT_EQ(FileOk, sim.Files().CreateFolder(u"C:\\T"));
    ASSERT_EQ(FileOk, sim.Files().WriteAll(u"C:\\T\\a.bin", text.data(), text.size()));
    EXPECT_EQ(FileExists, sim.Files().Copy(u"C:\\t\\A.BIN", u"C:\\T\\a.bin", true));
    EXPECT_EQ(FileOk, sim.Files().Copy(u"C:\\t\\A.BIN", u"C:\\T\\b.bin", true));
    std::vector<uint8_t> bytes;
    ASSERT_EQ(FileOk, sim.Files().ReadAll(u"C:\\T\\B.bin", bytes));
    EXPECT_EQ(text, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(FileNotFound, sim.Files().ReadAll(u"C:\\T\\c.bin", bytes));
    EXPECT_EQ(FilePathNotFound, sim.Files().ReadAll(u"C:\\U\\c.bin", bytes));
    EXPECT_EQ(FilePathNotFound, sim.Files().WriteAll(u"C:\\U\\c.bin", "x", 1));
    EXPECT_EQ(FileDirNotEmpty, sim.Files().RemoveFolder(u"C:\\T"));
    EXPECT_EQ(FileOk, sim.Files().Delete(u"C:\\T\\A.bin"));
    EXPECT_EQ(FileNotFound, sim.Files().Delete(u"C:\\T\\A.bin"));
    EXPECT_EQ(FileAccessDenied, sim.Files().Delete(u"C:\\T"));
}

// As FindFirstFileW lists a FAT volume: dot entries first (not at a drive's root), then in the order made
// (a file written over keeps its place); what is put into the host folder from outside comes after.
TEST(SimFileSystemTest, ListsFoldersAndFilesApartInTheOrderMadeWithDotEntries) {
    CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Skins\\zeta\\s.ini", "x"));
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Skins\\readme.txt", "x"));
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Skins\\Alpha\\s.ini", "x"));
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Skins\\beta\\s.ini", "x"));
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Skins\\a.txt", "x"));
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Skins\\README.TXT", "again"));
    std::filesystem::path host;
    ASSERT_TRUE(sim.Files().HostPath(u"C:\\Skins\\", host));
    std::filesystem::create_directory(host / "Outside");
    std::vector<std::u16string> names;
    ASSERT_EQ(FileOk, sim.Files().ListFolders(u"C:\\skins\\", names));
    EXPECT_EQ((std::vector<std::u16string>{u".", u"..", u"zeta", u"Alpha", u"beta", u"Outside"}), names);
    ASSERT_EQ(FileOk, sim.Files().ListFiles(u"C:\\Skins", names));
    EXPECT_EQ((std::vector<std::u16string>{u"readme.txt", u"a.txt"}), names);
    // Removed and made again: at the end.
    ASSERT_EQ(FileOk, sim.Files().Delete(u"C:\\Skins\\zeta\\s.ini"));
    ASSERT_EQ(FileOk, sim.Files().RemoveFolder(u"C:\\Skins\\zeta"));
    ASSERT_EQ(FileOk, sim.Files().CreateFolder(u"C:\\Skins\\Zeta"));
    ASSERT_EQ(FileOk, sim.Files().ListFolders(u"C:\\Skins", names));
    EXPECT_EQ((std::vector<std::u16string>{u".", u"..", u"Alpha", u"beta", u"Zeta", u"Outside"}), names);
    // A drive's root has no dot entries.
    ASSERT_EQ(FileOk, sim.Files().ListFolders(u"C:\\", names));
    EXPECT_EQ(std::count(names.begin(), names.end(), u"."), 0);
    EXPECT_NE(std::find(names.begin(), names.end(), u"Skins"), names.end());
    EXPECT_EQ(FilePathNotFound, sim.Files().ListFiles(u"C:\\None", names));
    EXPECT_EQ(FileDirectoryInvalid, sim.Files().ListFolders(u"C:\\Skins\\a.txt", names));
}

TEST(SimFileSystemTest, MoveReplacesOnlyWhenAskedAndDefersWhatWaitsForARestart) {
    CSimWindows sim;
    auto& files = sim.Files();
    ASSERT_TRUE(files.PutFile(u"C:\\d\\new.tmp", "new"));
    ASSERT_TRUE(files.PutFile(u"C:\\d\\old.ini", "old"));
    EXPECT_EQ(FileAlreadyExists, files.Move(u"C:\\d\\new.tmp", u"C:\\d\\old.ini", 0));
    EXPECT_EQ(FileOk, files.Move(u"C:\\d\\new.tmp", u"C:\\d\\old.ini", MoveReplaceExisting | MoveWriteThrough));
    std::vector<uint8_t> bytes;
    ASSERT_EQ(FileOk, files.ReadAll(u"C:\\d\\old.ini", bytes));
    EXPECT_EQ("new", std::string(bytes.begin(), bytes.end()));
    EXPECT_FALSE(files.Exists(u"C:\\d\\new.tmp"));
    EXPECT_EQ(FileNotFound, files.Move(u"C:\\d\\new.tmp", u"C:\\d\\x.ini", 0));

    EXPECT_EQ(FileOk, files.Move(u"C:\\d\\old.ini", u"", MoveDelayUntilReboot));
    EXPECT_TRUE(files.Exists(u"C:\\d\\old.ini"));
    ASSERT_EQ(1u, files.PendingMoves().size());
    EXPECT_EQ(u"C:\\d\\old.ini", files.PendingMoves()[0].from);
    EXPECT_TRUE(files.PendingMoves()[0].to.empty());
}

TEST(SimFileSystemTest, ModuleFileNameIsConfigurable) {
    CSimWindows sim;
    sim.Files().SetModuleFileName(u"C:\\Setup\\TonvelSetup.exe");
    EXPECT_EQ(u"C:\\Setup\\TonvelSetup.exe", sim.platform().files->ModuleFileName());
}

TEST(SimEnvironmentTest, FoldersAndVariablesFollowTheMachine) {
    CSimWindows sim;
    std::u16string path;
    EXPECT_EQ(FolderOk, sim.Environment().FolderPath(FolderProgramFiles, path));
    EXPECT_EQ(u"C:\\Program Files (x86)", path);
    sim.SetBitness(true, true);
    EXPECT_EQ(FolderOk, sim.Environment().FolderPath(FolderProgramFiles, path));
    EXPECT_EQ(u"C:\\Program Files", path);
    EXPECT_EQ(FolderOk, sim.Environment().FolderPath(FolderSystemX86 | FolderFlagCreate, path));
    EXPECT_EQ(u"C:\\Windows\\SysWOW64", path);
    EXPECT_TRUE(sim.Files().IsFolder(path));
    EXPECT_EQ(FolderInvalidArg, sim.Environment().FolderPath(0x7F, path));
    std::u16string value;
    EXPECT_TRUE(sim.Environment().Variable(u"appdata", value));
    EXPECT_EQ(u"C:\\Users\\User\\AppData\\Roaming", value);
    EXPECT_FALSE(sim.Environment().Variable(u"NOT_SET", value));
}

} // namespace
} // namespace tonvel::sim
