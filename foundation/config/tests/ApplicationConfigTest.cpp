#include "foundation/config/ApplicationConfig.h"

#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

const std::u16string Program = u"C:\\Setup\\TonvelSetup.exe";
const std::u16string Config = u"C:\\Setup\\AudioConfig.cfg";

const char FullConfig[] = "[Language]\r\n"
                          "LanguageFolderName=Language\\\r\n"
                          "[Skin]\r\n"
                          "SkinFolderName=Skin\\\r\n"
                          "[Install]\r\n"
                          "InstallAppTitle=Tonvel Audio\r\n"
                          "InstallIconFileName=Tonvel.ico\r\n"
                          "InstallFolderName=Tonvel\r\n"
                          "ShortcutFolderName=Tonvel Audio\r\n"
                          "AppShortcutName=Tonvel Control Panel\r\n"
                          "APPFileName=Tonvel.exe\r\n"
                          "UserManualShortcutName=User Manual\r\n"
                          "[Uninstall]\r\n"
                          "UninstallShortcutName=Uninstall Tonvel\r\n"
                          "Publisher=Tonvel\r\n"
                          "UninstallDisplayName=Tonvel Audio Driver\r\n"
                          "UninstallFileName=Uninstall.exe\r\n";

_APPLICATION_FOLDER_PATH Load(sim::CSimWindows& sim, CONFIG_PROGRAM program,
                              const std::u16string& programPath = Program) {
    _APPLICATION_FOLDER_PATH record;
    LoadApplicationConfig(sim.platform(), program, u"AudioConfig.cfg", programPath, record);
    return record;
}

TEST(LoadApplicationConfigTest, MissingFileLeavesKeysEmptyAndDoublesTheInstallBackslash) {
    sim::CSimWindows sim;
    const _APPLICATION_FOLDER_PATH record = Load(sim, CONFIG_PROGRAM::Setup);
    EXPECT_EQ(u"TonvelSetup.exe", record.SourceAppFileName);
    EXPECT_EQ(u"C:\\Setup\\", record.SourceFolderFullPath);
    EXPECT_EQ(u"C:\\Program Files (x86)\\", record.ProgramFilesFolder);
    EXPECT_EQ(u"C:\\Program Files (x86)\\\\", record.InstallFolderFullPath);
    for (const std::u16string* field :
         {&record.LanguageFolderName, &record.SkinFolderName, &record.InstallAppTitle,
          &record.InstallIconFileName, &record.InstallFolderName, &record.ShortcutFolderName,
          &record.AppShortcutName, &record.APPFileName, &record.UserManualShortcutName,
          &record.UninstallShortcutName, &record.Publisher, &record.UninstallDisplayName,
          &record.UninstallFileName}) {
        EXPECT_EQ(u"", *field);
    }
}

TEST(LoadApplicationConfigTest, SetupReadsEveryKey) {
    sim::CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(Config, FullConfig));
    const _APPLICATION_FOLDER_PATH r = Load(sim, CONFIG_PROGRAM::Setup);
    EXPECT_EQ(u"Language\\", r.LanguageFolderName);
    EXPECT_EQ(u"Skin\\", r.SkinFolderName);
    EXPECT_EQ(u"Tonvel Audio", r.InstallAppTitle);
    EXPECT_EQ(u"Tonvel.ico", r.InstallIconFileName);
    EXPECT_EQ(u"Tonvel", r.InstallFolderName);
    EXPECT_EQ(u"Tonvel Audio", r.ShortcutFolderName);
    EXPECT_EQ(u"Tonvel Control Panel", r.AppShortcutName);
    EXPECT_EQ(u"Tonvel.exe", r.APPFileName);
    EXPECT_EQ(u"User Manual", r.UserManualShortcutName);
    EXPECT_EQ(u"Uninstall Tonvel", r.UninstallShortcutName);
    EXPECT_EQ(u"Tonvel", r.Publisher);
    EXPECT_EQ(u"Tonvel Audio Driver", r.UninstallDisplayName);
    EXPECT_EQ(u"Uninstall.exe", r.UninstallFileName);
    EXPECT_EQ(u"C:\\Program Files (x86)\\Tonvel\\", r.InstallFolderFullPath);
}

TEST(LoadApplicationConfigTest, ControlPanelReadsOnlyTheCommonKeys) {
    sim::CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Program Files (x86)\\Tonvel\\AudioConfig.cfg", FullConfig));
    const _APPLICATION_FOLDER_PATH r =
        Load(sim, CONFIG_PROGRAM::ControlPanel, u"C:\\Program Files (x86)\\Tonvel\\Tonvel.exe");
    EXPECT_EQ(u"Language\\", r.LanguageFolderName);
    EXPECT_EQ(u"Skin\\", r.SkinFolderName);
    EXPECT_EQ(u"Tonvel Audio", r.InstallAppTitle);
    EXPECT_EQ(u"Tonvel.ico", r.InstallIconFileName);
    EXPECT_EQ(u"Tonvel", r.InstallFolderName);
    for (const std::u16string* field :
         {&r.ShortcutFolderName, &r.AppShortcutName, &r.APPFileName, &r.UserManualShortcutName,
          &r.UninstallShortcutName, &r.Publisher, &r.UninstallDisplayName, &r.UninstallFileName}) {
        EXPECT_EQ(u"", *field);
    }
    EXPECT_TRUE(sim.DebugOutput().Lines().empty());
}

TEST(LoadApplicationConfigTest, SetupWritesTheTwoTraceLines) {
    sim::CSimWindows sim;
    Load(sim, CONFIG_PROGRAM::Setup);
    EXPECT_EQ((std::vector<std::u16string>{u"##### SourceAppFileName = TonvelSetup.exe\n",
                                           u"##### SourceFolderFullPath = C:\\Setup\\\n"}),
              sim.DebugOutput().Lines());
}

TEST(LoadApplicationConfigTest, TraceLinesAreCutToTheirBuffer) {
    sim::CSimWindows sim;
    const std::u16string longName(400, u'n');
    Load(sim, CONFIG_PROGRAM::Setup, u"C:\\Setup\\" + longName);
    ASSERT_EQ(2u, sim.DebugOutput().Lines().size());
    const std::u16string& line = sim.DebugOutput().Lines()[0];
    EXPECT_EQ(255u, line.size());
    EXPECT_EQ(u"##### SourceAppFileName = " + longName.substr(0, 255 - 26), line);
}

TEST(LoadApplicationConfigTest, KeysMatchRegardlessOfCaseAndLoseTheirQuotes) {
    sim::CSimWindows sim;
    ASSERT_TRUE(sim.Files().PutFile(Config,
                                    "[install]\r\n  INSTALLAPPTITLE =  \"Tonvel  Audio\"  \r\n"
                                    "installfoldername='Tonvel'\r\n[LANGUAGE]\r\nlanguagefoldername=\r\n"));
    const _APPLICATION_FOLDER_PATH r = Load(sim, CONFIG_PROGRAM::Setup);
    EXPECT_EQ(u"Tonvel  Audio", r.InstallAppTitle);
    EXPECT_EQ(u"Tonvel", r.InstallFolderName);
    EXPECT_EQ(u"", r.LanguageFolderName);
}

TEST(LoadApplicationConfigTest, PathWithoutBackslashIsAllFileName) {
    sim::CSimWindows sim;
    const _APPLICATION_FOLDER_PATH r = Load(sim, CONFIG_PROGRAM::ControlPanel, u"Tonvel.exe");
    EXPECT_EQ(u"Tonvel.exe", r.SourceAppFileName);
    EXPECT_EQ(u"", r.SourceFolderFullPath);
}

struct MACHINE_CASE {
    const char* name;
    bool windows64;
    bool process64;
    const char16_t* programFiles;
    const char16_t* systemFolder;
    bool redirectionSwitched;
};

class LoadApplicationConfigMachineTest : public ::testing::TestWithParam<MACHINE_CASE> {};

TEST_P(LoadApplicationConfigMachineTest, SystemFoldersFollowTheProcess) {
    const MACHINE_CASE& c = GetParam();
    sim::CSimWindows sim;
    sim.SetBitness(c.windows64, c.process64);
    const _APPLICATION_FOLDER_PATH r = Load(sim, CONFIG_PROGRAM::ControlPanel);
    EXPECT_EQ(c.programFiles, r.ProgramFilesFolder);
    EXPECT_EQ(c.systemFolder, r.SystemFolder);
    EXPECT_EQ(u"C:\\Windows\\system32\\", r.NativeSystemFolder);
    const auto& calls = sim.SystemInfo().RedirectionCalls();
    if (c.redirectionSwitched) {
        ASSERT_EQ(2u, calls.size());
        EXPECT_TRUE(calls[0].disable);
        EXPECT_FALSE(calls[1].disable);
        EXPECT_EQ(calls[0].value, calls[1].value);
    } else {
        EXPECT_TRUE(calls.empty());
    }
    EXPECT_FALSE(sim.SystemInfo().RedirectionDisabled());
}

INSTANTIATE_TEST_SUITE_P(Machines, LoadApplicationConfigMachineTest,
                         ::testing::Values(MACHINE_CASE{"Wow64", true, false, u"C:\\Program Files (x86)\\",
                                                        u"C:\\Windows\\SysWOW64\\", true},
                                           MACHINE_CASE{"Native64", true, true, u"C:\\Program Files\\",
                                                        u"C:\\Windows\\system32\\", false},
                                           MACHINE_CASE{"Windows32", false, false, u"C:\\Program Files\\",
                                                        u"C:\\Windows\\system32\\", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadApplicationConfigTest, WithoutTheWow64QueryTheProcessCountsAsNative) {
    sim::CSimWindows sim;
    sim.SystemInfo().SetWow64Missing(true);
    const _APPLICATION_FOLDER_PATH r = Load(sim, CONFIG_PROGRAM::ControlPanel);
    EXPECT_EQ(u"C:\\Windows\\system32\\", r.SystemFolder);
    EXPECT_TRUE(sim.SystemInfo().RedirectionCalls().empty());
}

TEST(LoadApplicationConfigTest, ProgramFilesWithTrailingBackslashGetsNoSecond) {
    sim::CSimWindows sim;
    sim.Environment().SetFolder(FolderProgramFiles, u"D:\\Apps\\");
    const _APPLICATION_FOLDER_PATH r = Load(sim, CONFIG_PROGRAM::ControlPanel);
    EXPECT_EQ(u"D:\\Apps\\", r.ProgramFilesFolder);
    EXPECT_EQ(u"D:\\Apps\\\\", r.InstallFolderFullPath);
}

TEST(LoadApplicationConfigTest, FailedLookupsLeaveOnlyTheBackslash) {
    sim::CSimWindows sim;
    sim.Environment().SetFolder(FolderProgramFiles, u"");
    sim.Environment().SetFolder(FolderSystemX86, u"");
    sim.Environment().SetSystemDirectory(u"");
    const _APPLICATION_FOLDER_PATH r = Load(sim, CONFIG_PROGRAM::ControlPanel);
    EXPECT_EQ(u"\\", r.ProgramFilesFolder);
    EXPECT_EQ(u"\\\\", r.InstallFolderFullPath);
    EXPECT_EQ(u"\\", r.SystemFolder);
    EXPECT_EQ(u"\\", r.NativeSystemFolder);
}

TEST(LoadApplicationConfigTest, TheSystemFolderIsCreatedWhenMissing) {
    sim::CSimWindows sim;
    Load(sim, CONFIG_PROGRAM::ControlPanel);
    EXPECT_TRUE(sim.Files().IsFolder(u"C:\\Windows\\SysWOW64"));
}

} // namespace
} // namespace tonvel
