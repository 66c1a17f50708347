#include "uninstall/engine/HandOver.h"

#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

const std::u16string InstalledProgram = u"C:\\Program Files (x86)\\Tonvel\\TonvelUninstall.exe";
const std::u16string Temp = u"C:\\Users\\User\\AppData\\Local\\Temp";

TEST(UninstallCommand, SwitchesInAnyCaseAndAQuotedPath) {
    const struct {
        const char16_t* arguments;
        bool quiet;
        const char16_t* from;
    } cases[] = {
        {u"", false, u""},
        {u"/quiet", true, u""},
        {u"  /QUIET  ", true, u""},
        {u"/from \"C:\\Program Files (x86)\\Tonvel\\TonvelUninstall.exe\" /Quiet", true,
         InstalledProgram.c_str()},
        {u"/from C:\\Tonvel\\TonvelUninstall.exe", false, u"C:\\Tonvel\\TonvelUninstall.exe"},
        {u"/from", false, u""},
        {u"/silent quiet", false, u""},
    };
    for (const auto& c : cases) {
        const UNINSTALL_COMMAND command = ParseUninstallCommand(c.arguments);
        EXPECT_EQ(command.Quiet, c.quiet);
        EXPECT_EQ(command.OriginalProgram, c.from);
    }
}

struct Machine {
    sim::CSimWindows sim;
    Machine() {
        sim.Files().PutFile(InstalledProgram, "uninstaller program");
        sim.Files().CreateFolders(Temp);
    }
};

TEST(HandOver, TheInstalledProgramStartsItsTemporaryCopyAndInQuietModeEndsWithItsCode) {
    Machine machine;
    machine.sim.Files().SetModuleFileName(InstalledProgram);
    const std::u16string copy = TemporaryCopyPath(machine.sim.platform());
    EXPECT_EQ(copy, Temp + u"\\~TonvelUninstall-000003E8.exe");
    std::u16string started;
    machine.sim.Processes().AddProgram(copy, 5000, 3010, [&](const std::u16string& line) { started = line; });

    PROCESS_HANDLE process = HandOverToTemporaryCopy(machine.sim.platform(), true);
    ASSERT_NE(process, nullptr);
    std::vector<uint8_t> bytes;
    ASSERT_EQ(machine.sim.Files().ReadAll(copy, bytes), FileOk);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "uninstaller program");
    EXPECT_EQ(started, u"\"" + copy + u"\" /from \"" + InstalledProgram + u"\" /quiet");
    EXPECT_EQ(ParseUninstallCommand(started.substr(copy.size() + 3)).OriginalProgram, InstalledProgram);
    EXPECT_EQ(FinishHandOver(machine.sim.platform(), process, true), 3010);
    EXPECT_EQ(machine.sim.Processes().OpenHandles(), 0u);
}

TEST(HandOver, WithoutACopyThatStartsTheInstalledProgramGoesOnItself) {
    Machine machine;
    machine.sim.Files().SetModuleFileName(InstalledProgram);
    EXPECT_EQ(HandOverToTemporaryCopy(machine.sim.platform(), false), nullptr);
    EXPECT_FALSE(machine.sim.Files().Exists(TemporaryCopyPath(machine.sim.platform())));
}

TEST(HandOver, TheCopyWaitsForTheInstalledProgramAndGoesAtTheNextRestart) {
    Machine machine;
    const std::u16string copy = Temp + u"\\~TonvelUninstall-1.exe";
    machine.sim.Files().SetModuleFileName(copy);
    machine.sim.Processes().AddRunning(InstalledProgram, 700);
    TakeOverFromOriginal(machine.sim.platform(),
                         ParseUninstallCommand(u"/from \"" + InstalledProgram + u"\""));
    EXPECT_FALSE(machine.sim.Processes().Runs(InstalledProgram));
    ASSERT_EQ(machine.sim.Files().PendingMoves().size(), 1u);
    EXPECT_EQ(machine.sim.Files().PendingMoves()[0].from, copy);
    EXPECT_EQ(machine.sim.Files().PendingMoves()[0].to, u"");
}

TEST(HandOver, InQuietModeTheCopyDoesNotWaitForTheProgramThatWaitsForIt) {
    Machine machine;
    machine.sim.Files().SetModuleFileName(Temp + u"\\~TonvelUninstall-1.exe");
    machine.sim.Processes().AddRunning(InstalledProgram);
    const uint32_t start = machine.sim.SystemInfo().GetTickCount();
    TakeOverFromOriginal(machine.sim.platform(),
                         ParseUninstallCommand(u"/quiet /from \"" + InstalledProgram + u"\""));
    EXPECT_EQ(machine.sim.SystemInfo().GetTickCount(), start);
    EXPECT_TRUE(machine.sim.Processes().Runs(InstalledProgram));
}

} // namespace
} // namespace tonvel
