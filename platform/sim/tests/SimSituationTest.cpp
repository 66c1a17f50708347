// The simulated Windows in each of its three situations: a 64-bit process on 64-bit Windows, a 32-bit
// process on 64-bit Windows (WOW64) and 32-bit Windows. Folders, variables, registry views, file-system
// redirection and the WOW64 answers follow the situation (the wine and wow64 tiers check the first two
// against wine, platform/win32/tests).
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel::sim {
namespace {

using S = SIM_SITUATION;

std::u16string Folder(CSimWindows& sim, int32_t csidl) {
    std::u16string path;
    return sim.Environment().FolderPath(csidl, path) == FolderOk ? path : u"(failed)";
}

std::u16string Variable(CSimWindows& sim, const std::u16string& name) {
    std::u16string value;
    return sim.Environment().Variable(name, value) ? value : u"(not set)";
}

TEST(SimSituation, StartsAsTheReleaseRunsForMostUsers) {
    CSimWindows sim;
    EXPECT_EQ(S::Wow64, sim.Situation());
    bool wow64 = false;
    ASSERT_EQ(CALL_OK, sim.SystemInfo().IsWow64Process(wow64));
    EXPECT_TRUE(wow64);
    EXPECT_EQ(u"C:\\Program Files (x86)", Folder(sim, FolderProgramFiles));
}

TEST(SimSituation, BitsAndNamesOfTheSituations) {
    EXPECT_EQ(S::Process64, SituationOf(true, true));
    EXPECT_EQ(S::Wow64, SituationOf(true, false));
    EXPECT_EQ(S::Windows32, SituationOf(false, false));
    EXPECT_EQ(S::Windows32, SituationOf(false, true)); // no 64-bit process on 32-bit Windows
    EXPECT_TRUE(IsWindows64(S::Wow64));
    EXPECT_FALSE(IsProcess64(S::Wow64));
    EXPECT_STREQ("Windows32", SituationName(S::Windows32));
    EXPECT_EQ(sizeof(void*) == 8 ? S::Process64 : S::Wow64, ThisProgramOnWindows64());
    CSimWindows sim;
    sim.SetBitness(true, true);
    EXPECT_EQ(S::Process64, sim.Situation());
}

struct FOLDERS_CASE {
    S situation;
    const char16_t* programFiles;
    const char16_t* programFilesX86;
    const char16_t* systemX86;
    const char16_t* programW6432;
    bool wow64;
};

class SimSituationFolders : public ::testing::TestWithParam<FOLDERS_CASE> {};

TEST_P(SimSituationFolders, FoldersVariablesAndTheWow64AnswersFollowTheSituation) {
    const FOLDERS_CASE& c = GetParam();
    CSimWindows sim;
    sim.SetSituation(c.situation);
    EXPECT_EQ(c.programFiles, Folder(sim, FolderProgramFiles));
    EXPECT_EQ(c.programFilesX86, Folder(sim, FolderProgramFilesX86));
    EXPECT_EQ(u"C:\\Windows\\system32", Folder(sim, FolderSystem));
    EXPECT_EQ(c.systemX86, Folder(sim, FolderSystemX86));
    EXPECT_EQ(u"C:\\Windows\\system32", sim.Environment().SystemDirectory());
    EXPECT_EQ(c.programFiles, Variable(sim, u"ProgramFiles"));
    EXPECT_EQ(std::u16string(c.programFiles) + u"\\Common Files", Variable(sim, u"CommonProgramFiles"));
    EXPECT_EQ(c.programW6432, Variable(sim, u"ProgramW6432"));
    EXPECT_EQ(IsWindows64(c.situation) ? c.programFilesX86 : u"(not set)",
              Variable(sim, u"ProgramFiles(x86)"));
    bool wow64 = !c.wow64;
    ASSERT_EQ(CALL_OK, sim.SystemInfo().IsWow64Process(wow64));
    EXPECT_EQ(c.wow64, wow64);
    void* saved = nullptr;
    EXPECT_EQ(c.wow64 ? CALL_OK : CALL_FAILED, sim.SystemInfo().Wow64DisableWow64FsRedirection(saved));
}

INSTANTIATE_TEST_SUITE_P(
    Situations, SimSituationFolders,
    ::testing::Values(FOLDERS_CASE{S::Process64, u"C:\\Program Files", u"C:\\Program Files (x86)",
                                   u"C:\\Windows\\SysWOW64", u"C:\\Program Files", false},
                      FOLDERS_CASE{S::Wow64, u"C:\\Program Files (x86)", u"C:\\Program Files (x86)",
                                   u"C:\\Windows\\SysWOW64", u"C:\\Program Files", true},
                      FOLDERS_CASE{S::Windows32, u"C:\\Program Files", u"C:\\Program Files",
                                   u"C:\\Windows\\system32", u"(not set)", false}),
    [](const auto& info) { return std::string(SituationName(info.param.situation)); });

// HKLM\SOFTWARE\Tonvel written in the default view: where it lands, and which views see it.
struct VIEW_CASE {
    S situation;
    bool underWow6432Node;
    bool seenIn64;
    bool seenIn32;
};

class SimSituationRegistry : public ::testing::TestWithParam<VIEW_CASE> {};

TEST_P(SimSituationRegistry, TheDefaultViewIsTheProcesssOwn) {
    const VIEW_CASE& c = GetParam();
    CSimWindows sim;
    sim.SetSituation(c.situation);
    IRegistry& r = sim.Registry();
    RegKey key = 0;
    ASSERT_EQ(RegOk, r.CreateKey(RegLocalMachine, u"SOFTWARE\\Tonvel", RegAllAccess, key));
    ASSERT_EQ(RegOk, r.SetDword(key, u"Bits", 1));
    r.CloseKey(key);
    const auto seen = [&](const std::u16string& path, uint32_t view) {
        RegKey opened = 0;
        if (r.OpenKey(RegLocalMachine, path, RegRead | view, opened) != RegOk) return false;
        r.CloseKey(opened);
        return true;
    };
    EXPECT_EQ(c.underWow6432Node, seen(u"SOFTWARE\\WOW6432Node\\Tonvel", RegView64));
    EXPECT_EQ(c.seenIn64, seen(u"SOFTWARE\\Tonvel", RegView64));
    EXPECT_EQ(c.seenIn32, seen(u"SOFTWARE\\Tonvel", RegView32));
    EXPECT_TRUE(seen(u"SOFTWARE\\Tonvel", 0));
    // The user's keys are shared by both views.
    ASSERT_EQ(RegOk, r.CreateKey(RegCurrentUser, u"Software\\Tonvel", RegAllAccess | RegView32, key));
    r.CloseKey(key);
    ASSERT_EQ(RegOk, r.OpenKey(RegCurrentUser, u"Software\\Tonvel", RegRead | RegView64, key));
    r.CloseKey(key);
    EXPECT_EQ(0u, sim.Registry().OpenHandleCount());
}

INSTANTIATE_TEST_SUITE_P(Situations, SimSituationRegistry,
                         ::testing::Values(VIEW_CASE{S::Process64, false, true, false},
                                           VIEW_CASE{S::Wow64, true, false, true},
                                           VIEW_CASE{S::Windows32, false, true, true}),
                         [](const auto& info) { return std::string(SituationName(info.param.situation)); });

class SimRedirection : public ::testing::Test {
protected:
    void SetUp() override { m_Sim.CreateSystemFolders(); }

    bool Put(const std::u16string& path) { return m_Sim.Files().WriteAll(path, "x", 1) == FileOk; }
    bool Exists(const std::u16string& path) { return m_Sim.Files().Exists(path); }

    CSimWindows m_Sim;
};

TEST_F(SimRedirection, System32IsSysWow64ForAWow64ProcessAndSysnativeTheNativeFolder) {
    ASSERT_EQ(S::Wow64, m_Sim.Situation());
    ASSERT_TRUE(Put(u"C:\\Windows\\System32\\a.dll"));
    EXPECT_TRUE(Exists(u"C:\\Windows\\SysWOW64\\a.dll"));
    EXPECT_FALSE(Exists(u"C:\\Windows\\Sysnative\\a.dll"));
    std::filesystem::path host;
    ASSERT_TRUE(m_Sim.Files().HostPath(u"c:\\WINDOWS\\system32\\a.dll", host));
    EXPECT_EQ("SysWOW64", host.parent_path().filename().string());

    ASSERT_TRUE(Put(u"C:\\Windows\\Sysnative\\b.sys"));
    EXPECT_FALSE(Exists(u"C:\\Windows\\System32\\b.sys"));
    EXPECT_FALSE(Exists(u"C:\\Windows\\SysWOW64\\b.sys"));
    EXPECT_TRUE(m_Sim.Files().IsFolder(u"C:\\Windows\\Sysnative"));
    std::vector<std::u16string> names;
    ASSERT_EQ(FileOk, m_Sim.Files().ListFiles(u"C:\\Windows\\Sysnative", names));
    EXPECT_EQ(std::vector<std::u16string>{u"b.sys"}, names);
    ASSERT_EQ(FileOk, m_Sim.Files().ListFiles(u"C:\\Windows\\System32\\", names));
    EXPECT_EQ(std::vector<std::u16string>{u"a.dll"}, names);
}

TEST_F(SimRedirection, SwitchedOffTheNativeFolderIsSeenUntilReverted) {
    ASSERT_TRUE(Put(u"C:\\Windows\\Sysnative\\b.sys"));
    void* saved = nullptr;
    ASSERT_EQ(CALL_OK, m_Sim.SystemInfo().Wow64DisableWow64FsRedirection(saved));
    EXPECT_TRUE(Exists(u"C:\\Windows\\System32\\b.sys"));
    ASSERT_TRUE(Put(u"C:\\Windows\\System32\\c.sys"));
    EXPECT_TRUE(Exists(u"C:\\Windows\\Sysnative\\c.sys")); // the alias still works
    ASSERT_EQ(CALL_OK, m_Sim.SystemInfo().Wow64RevertWow64FsRedirection(saved));
    EXPECT_FALSE(Exists(u"C:\\Windows\\System32\\b.sys"));
    EXPECT_FALSE(Exists(u"C:\\Windows\\System32\\c.sys"));
    EXPECT_TRUE(Exists(u"C:\\Windows\\Sysnative\\c.sys"));
}

TEST_F(SimRedirection, ExemptFoldersAreNeverRedirected) {
    ASSERT_TRUE(Put(u"C:\\Windows\\System32\\drivers\\etc\\hosts"));
    EXPECT_TRUE(Exists(u"C:\\Windows\\Sysnative\\drivers\\etc\\hosts"));
    EXPECT_FALSE(Exists(u"C:\\Windows\\SysWOW64\\drivers\\etc\\hosts"));
    ASSERT_TRUE(m_Sim.Files().CreateFolders(u"C:\\Windows\\System32\\spool\\drivers"));
    EXPECT_TRUE(m_Sim.Files().IsFolder(u"C:\\Windows\\Sysnative\\spool\\drivers"));
    EXPECT_FALSE(Exists(u"C:\\Windows\\SysWOW64\\spool"));
    // drivers itself is redirected (the filter driver's file needs the native folder).
    ASSERT_TRUE(Put(u"C:\\Windows\\System32\\drivers\\tonvel.sys"));
    EXPECT_TRUE(Exists(u"C:\\Windows\\SysWOW64\\drivers\\tonvel.sys"));
    EXPECT_FALSE(Exists(u"C:\\Windows\\Sysnative\\drivers\\tonvel.sys"));
}

TEST_F(SimRedirection, ANativeProcessOrThirtyTwoBitWindowsHasNoRedirectionAndNoSysnative) {
    for (const S situation : {S::Process64, S::Windows32}) {
        SCOPED_TRACE(SituationName(situation));
        CSimWindows sim;
        sim.SetSituation(situation);
        sim.CreateSystemFolders();
        ASSERT_EQ(FileOk, sim.Files().WriteAll(u"C:\\Windows\\System32\\a.dll", "x", 1));
        EXPECT_FALSE(sim.Files().Exists(u"C:\\Windows\\SysWOW64\\a.dll"));
        EXPECT_FALSE(sim.Files().Exists(u"C:\\Windows\\Sysnative"));
        EXPECT_EQ(FilePathNotFound, sim.Files().WriteAll(u"C:\\Windows\\Sysnative\\b.sys", "x", 1));
        void* saved = nullptr;
        EXPECT_EQ(CALL_FAILED, sim.SystemInfo().Wow64DisableWow64FsRedirection(saved));
    }
}

TEST_F(SimRedirection, AFileSystemOnItsOwnIsNotRedirected) {
    std::error_code error;
    const auto root = m_Sim.Files().Root() / "alone";
    std::filesystem::create_directories(root, error);
    CSimFileSystem files(root);
    ASSERT_TRUE(files.PutFile(u"C:\\Windows\\System32\\a.dll", "x"));
    EXPECT_TRUE(files.Exists(u"C:\\Windows\\System32\\a.dll"));
    EXPECT_FALSE(files.Exists(u"C:\\Windows\\SysWOW64\\a.dll"));
}

} // namespace
} // namespace tonvel::sim
