#include "uninstall/engine/UninstallProgram.h"

#include "base/text/Utf.h"
#include "installation/InstallationNames.h"
#include "tests/installation/UninstallFixture.h"
#include "uninstall/engine/HandOver.h"
#include "uninstall/engine/Uninstaller.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tonvel::sim {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The window side: answers given in order, and everything shown.
struct SCRIPTED_UI {
    explicit SCRIPTED_UI(std::vector<bool> answersInOrder = {}) : answers(std::move(answersInOrder)) {}
    std::vector<bool> answers;
    std::vector<std::u16string> asked, told, progressTexts;
    std::vector<int32_t> progress;
    UNINSTALL_UI ui{
        [this](const std::u16string&, const std::u16string& question) {
            asked.push_back(question);
            const bool answer = asked.size() <= answers.size() && answers[asked.size() - 1];
            return answer;
        },
        [this](const std::u16string&, const std::u16string& text) { told.push_back(text); },
        [this](const std::u16string&, const std::u16string& text) { progressTexts.push_back(text); },
        [this](int32_t percent) { progress.push_back(percent); }, [] {}};
};

TEST(UninstallProgram, QuietlyTheTemporaryCopyRemovesEverythingWhileTheInstalledProgramWaits) {
    UNINSTALL_MACHINE machine;
    const SIM_SNAPSHOT before = TakeSnapshot(machine.sim);
    machine.Install();
    const std::u16string installed = machine.Installed(u"TonvelUninstall.exe");
    CSimFileSystem& files = machine.sim.Files();
    files.SetModuleFileName(installed);
    const std::u16string copy = TemporaryCopyPath(machine.sim.platform());
    SCRIPTED_UI window;
    int32_t copyCode = -1;
    machine.sim.Processes().AddProgram(copy, 0, 0, [&](const std::u16string& line) {
        files.SetModuleFileName(copy);
        files.SetInUse(installed); // the installed program runs on, waiting for its copy
        copyCode = RunUninstallProgram(machine.sim.platform(), line.substr(copy.size() + 3), window.ui);
    });

    EXPECT_EQ(RunUninstallProgram(machine.sim.platform(), u"/quiet", window.ui), UninstallDone);
    EXPECT_EQ(copyCode, UninstallDone);
    EXPECT_THAT(window.asked, IsEmpty());
    EXPECT_THAT(window.told, IsEmpty());
    // Left: the kept settings, and the copy and the installed program in the temporary folder until the
    // next restart.
    EXPECT_THAT(Differences(before, TakeSnapshot(machine.sim)),
                ElementsAre("+ file c/Users/User/AppData/Local/Temp/" +
                                Utf16ToUtf8(copy.substr(copy.rfind(u'\\') + 1)),
                            "+ file c/Users/User/AppData/Local/Temp/~TonvelUninstall.exe",
                            "+ file c/Users/User/AppData/Roaming/Tonvel",
                            "+ file c/Users/User/AppData/Roaming/Tonvel/AudioConfig.cfg", "~ pending moves"));
    ASSERT_EQ(files.PendingMoves().size(), 2u);
    EXPECT_EQ(files.PendingMoves()[0].from, copy);
    EXPECT_EQ(files.PendingMoves()[1].from, machine.TempFolder() + u"\\~TonvelUninstall.exe");
    EXPECT_FALSE(files.Exists(machine.TempFolder() + u"\\TonvelUninstall.log"));
}

TEST(UninstallProgram, AskedInTheInstalledLanguageItRemovesTheSettingsWhenTheUserSaysSo) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    machine.sim.Files().SetModuleFileName(machine.Installed(u"TonvelUninstall.exe"));
    machine.sim.Profile().WriteString(u"Language", u"DefaultLanguage", u"Deutsch",
                                      machine.Installed(u"AudioConfig.cfg"));
    SCRIPTED_UI window({true, false});
    EXPECT_EQ(RunUninstallProgram(machine.sim.platform(), u"", window.ui), UninstallDone);
    ASSERT_EQ(window.asked.size(), 2u);
    EXPECT_EQ(window.asked[0].substr(0, 6), u"Möchte");
    EXPECT_THAT(window.told, ElementsAre(u"Tonvel 7.1 Audio wurde von diesem Computer entfernt."));
    EXPECT_THAT(window.progressTexts, ElementsAre(u"Tonvel 7.1 Audio wird entfernt..."));
    EXPECT_EQ(window.progress.back(), 100);
    EXPECT_FALSE(machine.sim.Files().Exists(machine.UserFolder()));
    EXPECT_FALSE(machine.sim.Files().Exists(machine.installFolder));
}

// A second uninstaller while one removes says so in the installed language and ends, changing nothing.
TEST(UninstallProgram, ASecondUninstallerSaysSoAndEnds) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    machine.sim.Files().SetModuleFileName(machine.Installed(u"TonvelUninstall.exe"));
    machine.sim.Profile().WriteString(u"Language", u"DefaultLanguage", u"Deutsch",
                                      machine.Installed(u"AudioConfig.cfg"));
    machine.sim.WindowSystem().CreateNamedMutex(UninstallMutexName); // the one that runs
    const SIM_SNAPSHOT installed = TakeSnapshot(machine.sim);
    SCRIPTED_UI window({true, true});
    EXPECT_EQ(RunUninstallProgram(machine.sim.platform(), u"", window.ui), UninstallAlreadyRunning);
    EXPECT_THAT(window.asked, IsEmpty());
    EXPECT_THAT(window.told, ElementsAre(u"Das Entfernen von Tonvel 7.1 Audio läuft bereits."));
    EXPECT_THAT(Differences(installed, TakeSnapshot(machine.sim)), IsEmpty());
}

TEST(UninstallProgram, NoToTheConfirmationChangesNothing) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    machine.sim.Files().SetModuleFileName(machine.Installed(u"TonvelUninstall.exe"));
    const SIM_SNAPSHOT installed = TakeSnapshot(machine.sim);
    SCRIPTED_UI window({false});
    EXPECT_EQ(RunUninstallProgram(machine.sim.platform(), u"", window.ui), UninstallCancelled);
    EXPECT_THAT(Differences(installed, TakeSnapshot(machine.sim)), IsEmpty());
}

TEST(UninstallProgram, WithoutAdministratorRightsItSaysSoOrLogsItInQuietMode) {
    UNINSTALL_MACHINE machine;
    machine.Install();
    machine.sim.Files().SetModuleFileName(machine.Installed(u"TonvelUninstall.exe"));
    machine.sim.SystemInfo().SetAdministrator(false);
    const SIM_SNAPSHOT installed = TakeSnapshot(machine.sim);
    SCRIPTED_UI window({true, true});
    EXPECT_EQ(RunUninstallProgram(machine.sim.platform(), u"", window.ui), UninstallNotAdministrator);
    EXPECT_THAT(window.asked, IsEmpty());
    EXPECT_THAT(window.told,
                ElementsAre(u"You need administrator rights to remove Tonvel 7.1 Audio. Nothing was "
                            u"removed."));
    EXPECT_THAT(Differences(installed, TakeSnapshot(machine.sim)), IsEmpty());

    EXPECT_EQ(RunUninstallProgram(machine.sim.platform(), u"/quiet", window.ui), UninstallNotAdministrator);
    std::vector<uint8_t> log;
    ASSERT_EQ(machine.sim.Files().ReadAll(machine.TempFolder() + u"\\TonvelUninstall.log", log), FileOk);
    EXPECT_EQ(
        std::string(log.begin(), log.end()),
        "\xEF\xBB\xBFTonvel Uninstall (exit code 740)\r\nYou need administrator rights to remove Tonvel 7.1 "
        "Audio. Nothing was removed.\r\n");
}

} // namespace
} // namespace tonvel::sim
