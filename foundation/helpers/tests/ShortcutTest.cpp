#include "foundation/helpers/Shortcut.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

constexpr char16_t Target[] = u"C:\\Program Files (x86)\\Tonvel\\Tonvel.exe";

std::u16string ProgramsFolder(sim::CSimWindows& windows) {
    std::u16string path;
    windows.Environment().FolderPath(FolderCommonPrograms, path);
    return path;
}

TEST(Shortcut, SavesTheLinkInTheProgramsSubfolder) {
    sim::CSimWindows windows;
    const std::u16string programs = ProgramsFolder(windows);
    ASSERT_TRUE(windows.Files().CreateFolders(programs));
    CreateShortcut(windows.platform(), u"Tonvel", Target, u"Tonvel Audio");

    const std::u16string link = programs + u"\\Tonvel\\Tonvel Audio.lnk";
    ASSERT_EQ(windows.Shell().Shortcuts().size(), 1u);
    EXPECT_EQ(windows.Shell().Shortcuts()[0].path, link);
    EXPECT_EQ(windows.Shell().Shortcuts()[0].target, Target);
    EXPECT_TRUE(windows.Shell().Shortcuts()[0].remember);
    EXPECT_TRUE(windows.Files().Exists(link));
    EXPECT_EQ(windows.Shell().InitialiseDepth(), 0);
    EXPECT_EQ(windows.Shell().LiveReferences(), 0);

    // The folder exists now; a second shortcut goes beside the first.
    CreateShortcut(windows.platform(), u"Tonvel", u"C:\\Program Files (x86)\\Tonvel\\Uninstall.exe",
                   u"Uninstall");
    EXPECT_EQ(windows.Shell().Shortcuts().size(), 2u);
    EXPECT_TRUE(windows.Files().Exists(programs + u"\\Tonvel\\Uninstall.lnk"));
}

class ShortcutFailures : public ::testing::TestWithParam<sim::CSimShell::FAILING_STEP> {};

TEST_P(ShortcutFailures, StopsAndReleasesEverything) {
    sim::CSimWindows windows;
    ASSERT_TRUE(windows.Files().CreateFolders(ProgramsFolder(windows)));
    windows.Shell().SetFailingStep(GetParam());
    CreateShortcut(windows.platform(), u"Tonvel", Target, u"Tonvel");
    EXPECT_TRUE(windows.Shell().Shortcuts().empty());
    EXPECT_EQ(windows.Shell().InitialiseDepth(), 0);
    EXPECT_EQ(windows.Shell().LiveReferences(), 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, ShortcutFailures,
                         ::testing::Values(sim::CSimShell::FAIL_INITIALISE, sim::CSimShell::FAIL_CREATE,
                                           sim::CSimShell::FAIL_PERSIST_FILE, sim::CSimShell::FAIL_SET_PATH,
                                           sim::CSimShell::FAIL_SAVE));

TEST(Shortcut, FolderThatCannotBeCreatedLeavesNoLink) {
    sim::CSimWindows windows;
    const std::u16string programs = ProgramsFolder(windows);
    ASSERT_TRUE(windows.Files().CreateFolders(programs));
    windows.Files().FailCreateFolder(programs + u"\\TONVEL");
    CreateShortcut(windows.platform(), u"Tonvel", Target, u"Tonvel");
    EXPECT_FALSE(windows.Files().Exists(programs + u"\\Tonvel\\Tonvel.lnk"));
    EXPECT_EQ(windows.Shell().InitialiseDepth(), 0);
    EXPECT_EQ(windows.Shell().LiveReferences(), 0);

    // Once the folder can be made, the link is there.
    windows.Files().ClearWriteFailures();
    CreateShortcut(windows.platform(), u"Tonvel", Target, u"Tonvel");
    EXPECT_TRUE(windows.Files().Exists(programs + u"\\Tonvel\\Tonvel.lnk"));
}

TEST(Shortcut, PathBeyond260UnitsIsNotCreated) {
    sim::CSimWindows windows;
    const std::u16string programs = ProgramsFolder(windows);
    ASSERT_TRUE(windows.Files().CreateFolders(programs));
    const std::u16string folder(240 - programs.size(), u'F');
    CreateShortcut(windows.platform(), folder, Target, std::u16string(30, u'S'));
    EXPECT_TRUE(windows.Shell().Shortcuts().empty());
    EXPECT_EQ(windows.Shell().LiveReferences(), 0);

    // Exactly 259 units still fit.
    const std::u16string name(259 - programs.size() - folder.size() - 2 - 4, u'S');
    CreateShortcut(windows.platform(), folder, Target, name);
    ASSERT_EQ(windows.Shell().Shortcuts().size(), 1u);
    EXPECT_EQ(windows.Shell().Shortcuts()[0].path.size(), 259u);
}

} // namespace
} // namespace tonvel
