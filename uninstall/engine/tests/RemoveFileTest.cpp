#include "uninstall/engine/RemoveFile.h"

#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

const std::u16string BaseFolder = u"C:\\Program Files (x86)\\Tonvel";
const std::u16string TestFile = BaseFolder + u"\\Tonvel.exe";
const std::u16string Temp = u"C:\\Temp";

struct Machine {
    sim::CSimWindows sim;
    _APPLICATION_FOLDER_PATH folders;
    CDeviceIdMgr usb;
    UNINSTALL_CONTEXT context{sim.platform(), folders, usb};
    Machine() {
        sim.Files().CreateFolders(Temp);
        context.Options.ParkingFolder = Temp;
    }
};

TEST(RemoveInstalledFile, EachSituationGivesItsStatus) {
    struct CASE {
        const char* name;
        bool present;
        int32_t inUse; // 0: not in use, else the error its deletion gives
        IN_USE_FILE handling;
        ITEM_STATUS status;
        ITEM_REASON reason;
        const char16_t* pending; // what is deleted at the next restart
    };
    const CASE cases[] = {
        {"present", true, 0, IN_USE_FILE::MoveAway, ITEM_STATUS::Removed, ITEM_REASON::None, nullptr},
        {"missing", false, 0, IN_USE_FILE::MoveAway, ITEM_STATUS::NotPresent, ITEM_REASON::None, nullptr},
        {"in use, in place", true, FileAccessDenied, IN_USE_FILE::DeleteInPlace,
         ITEM_STATUS::RemovedAtRestart, ITEM_REASON::InUse, u"C:\\Program Files (x86)\\Tonvel\\Tonvel.exe"},
        {"locked, moved away", true, FileSharingViolation, IN_USE_FILE::MoveAway,
         ITEM_STATUS::RemovedAtRestart, ITEM_REASON::InUse, u"C:\\Temp\\~Tonvel.exe"},
        {"refused", true, 1234, IN_USE_FILE::MoveAway, ITEM_STATUS::Failed, ITEM_REASON::Error, nullptr},
    };
    for (const CASE& c : cases) {
        SCOPED_TRACE(c.name);
        Machine machine;
        if (c.present) machine.sim.Files().PutFile(TestFile, "x");
        if (c.inUse) machine.sim.Files().SetInUse(TestFile, c.inUse);
        const UNINSTALL_ITEM item = RemoveInstalledFile(machine.context, TestFile, c.handling);
        EXPECT_EQ(item.Status, c.status);
        EXPECT_EQ(item.Reason, c.reason);
        const auto& pending = machine.sim.Files().PendingMoves();
        ASSERT_EQ(pending.size(), c.pending ? 1u : 0u);
        if (c.pending) {
            EXPECT_EQ(pending[0].from, c.pending);
        }
    }
}

TEST(RemoveInstalledFolder, GoesWhenEmptyOrWhenWhatIsLeftGoesAtRestart) {
    Machine machine;
    machine.sim.Files().PutFile(TestFile, "x");
    machine.sim.Files().SetInUse(TestFile);
    UNINSTALL_LIST done{RemoveInstalledFile(machine.context, TestFile, IN_USE_FILE::DeleteInPlace)};
    const UNINSTALL_ITEM folder = RemoveInstalledFolder(machine.context, BaseFolder, done);
    EXPECT_EQ(folder.Status, ITEM_STATUS::RemovedAtRestart);
    ASSERT_EQ(machine.sim.Files().PendingMoves().size(), 2u);
    EXPECT_EQ(machine.sim.Files().PendingMoves()[1].from, BaseFolder); // after the file in it
    EXPECT_EQ(RemoveInstalledFolder(machine.context, BaseFolder + u"\\Missing", done).Status,
              ITEM_STATUS::NotPresent);
}

TEST(RemoveInstalledFolder, AFolderWithForeignEntriesStaysAndNamesThem) {
    Machine machine;
    machine.sim.Files().PutFile(BaseFolder + u"\\notes.txt", "mine");
    machine.sim.Files().CreateFolders(BaseFolder + u"\\Backup");
    const UNINSTALL_ITEM folder = RemoveInstalledFolder(machine.context, BaseFolder + u"\\", {});
    EXPECT_EQ(folder.Target, BaseFolder);
    EXPECT_EQ(folder.Status, ITEM_STATUS::Failed);
    EXPECT_EQ(folder.Reason, ITEM_REASON::ForeignFiles);
    EXPECT_EQ(folder.Detail, u"notes.txt, Backup");
    EXPECT_TRUE(machine.sim.Files().Exists(BaseFolder + u"\\notes.txt"));
}

} // namespace
} // namespace tonvel
