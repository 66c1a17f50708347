// The skin and language menus' folder list: the file system lists in its own order with the dot entries
// (the simulation as a FAT volume: in the order made); the menus get the names alone, sorted without regard
// to the case of ASCII letters.
#include "panel/form/SortedFolders.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

TEST(SortedFolders, NamesInCaseBlindOrderWithoutDotEntriesOrFiles) {
    sim::CSimWindows sim;
    for (const char16_t* name : {u"Graphite", u"azure", u"Zinc", u"_Plain", u"Beta"})
        ASSERT_EQ(sim.Files().CreateFolders(u"C:\\Skin\\" + std::u16string(name)), true);
    ASSERT_TRUE(sim.Files().PutFile(u"C:\\Skin\\Aaa.txt", "not a skin"));
    std::vector<std::u16string> listed;
    ASSERT_EQ(sim.Files().ListFolders(u"C:\\Skin\\", listed), FileOk);
    ASSERT_EQ(listed.front(), u"."); // what the menus must not show

    EXPECT_EQ(SortedFolders(*sim.platform().files, u"C:\\Skin\\"),
              (std::vector<std::u16string>{u"_Plain", u"azure", u"Beta", u"Graphite", u"Zinc"}));
    EXPECT_TRUE(SortedFolders(*sim.platform().files, u"C:\\Missing\\").empty());
    EXPECT_TRUE(SortedFolders(*sim.platform().files, u"C:\\Skin\\Aaa.txt").empty());
}

} // namespace
} // namespace tonvel
