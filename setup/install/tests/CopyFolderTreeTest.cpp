#include "setup/install/CopyFolderTree.h"

#include "setup/install/tests/StepsMachine.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::SetupFolder;
using test::STEPS_MACHINE;

const std::u16string Target = u"C:\\Program Files (x86)\\Tonvel\\";

std::vector<std::u16string> CreateLines(const std::u16string& folder, bool fails) {
    std::vector<std::u16string> lines{u"##### Create Directory = ", folder, u"\n"};
    if (fails) lines.push_back(u"***** Create Directory FAIL! *****\n");
    return lines;
}

// The skin root is copied below the install folder with both skins; each skin folder is made twice (once
// for the entry, once again by the copy of the entry), the second time failing.
TEST(CopyFolderTree, ASkinRootWithTwoSkins) {
    STEPS_MACHINE machine;
    machine.sim.Files().CreateFolders(Target);
    machine.sim.Files().PutFile(SetupFolder + u"Skin\\Azure\\Back.png", "azure back");
    machine.sim.Files().PutFile(SetupFolder + u"Skin\\Azure\\Knob.png", "azure knob");
    machine.sim.Files().PutFile(SetupFolder + u"Skin\\Graphite\\Back.png", "graphite back");
    machine.sim.Files().PutFile(SetupFolder + u"Skin\\Skins.txt", "list");

    EXPECT_EQ(CopyFolderTree(machine.sim.platform(), SetupFolder + u"Skin\\", Target), COPY_FOLDER_TREE_DONE);

    EXPECT_EQ(machine.FileText(Target + u"Skin\\Azure\\Back.png"), "azure back");
    EXPECT_EQ(machine.FileText(Target + u"Skin\\Azure\\Knob.png"), "azure knob");
    EXPECT_EQ(machine.FileText(Target + u"Skin\\Graphite\\Back.png"), "graphite back");
    EXPECT_EQ(machine.FileText(Target + u"Skin\\Skins.txt"), "list");
    std::vector<std::u16string> expected = CreateLines(Target + u"Skin", false);
    for (const std::u16string skin : {u"Azure", u"Graphite"}) {
        for (const bool fails : {false, true}) {
            const auto lines = CreateLines(Target + u"Skin\\" + skin, fails);
            expected.insert(expected.end(), lines.begin(), lines.end());
        }
    }
    EXPECT_EQ(machine.Trace(), expected);
}

TEST(CopyFolderTree, ACopyOverAnEarlierOneOverwritesItsFiles) {
    STEPS_MACHINE machine;
    machine.sim.Files().PutFile(Target + u"Language\\English\\Texts.ini", "old");
    machine.sim.Files().PutFile(SetupFolder + u"Language\\English\\Texts.ini", "new");
    EXPECT_EQ(CopyFolderTree(machine.sim.platform(), SetupFolder + u"Language\\", Target),
              COPY_FOLDER_TREE_DONE);
    EXPECT_EQ(machine.FileText(Target + u"Language\\English\\Texts.ini"), "new");
    EXPECT_EQ(machine.Trace()[3], u"***** Create Directory FAIL! *****\n") << "the language root existed";
}

// Paths without a backslash, or longer than the 256-unit buffers hold, are refused before anything is
// made; an entry whose path would grow past them is left out.
TEST(CopyFolderTree, RefusedPathsMakeNothing) {
    const std::u16string longName(250, u'n');
    const struct {
        const char* what;
        std::u16string source, target;
    } cases[] = {
        {"source without a backslash", u"Skin", Target},
        {"target without a backslash", SetupFolder + u"Skin\\", u"Tonvel"},
        {"source too long", SetupFolder + longName + u"\\", Target},
        {"target too long", SetupFolder + u"Skin\\", Target + longName + u"\\"},
        {"destination too long", SetupFolder + u"Skin\\", u"C:\\" + longName.substr(0, 250) + u"\\"},
    };
    for (const auto& c : cases) {
        STEPS_MACHINE machine;
        machine.sim.Files().PutFile(SetupFolder + u"Skin\\Azure\\Back.png", "azure");
        EXPECT_EQ(CopyFolderTree(machine.sim.platform(), c.source, c.target), COPY_FOLDER_TREE_REFUSED)
            << c.what;
        EXPECT_TRUE(machine.Trace().empty()) << c.what;
    }

    STEPS_MACHINE machine;
    const std::u16string target = u"C:\\" + std::u16string(230, u't') + u"\\";
    machine.sim.Files().CreateFolders(target);
    machine.sim.Files().PutFile(SetupFolder + u"Skin\\" + std::u16string(20, u'a') + u"\\Back.png", "deep");
    machine.sim.Files().PutFile(SetupFolder + u"Skin\\Top.png", "top");
    EXPECT_EQ(CopyFolderTree(machine.sim.platform(), SetupFolder + u"Skin\\", target), COPY_FOLDER_TREE_DONE);
    EXPECT_EQ(machine.FileText(target + u"Skin\\Top.png"), "top");
    EXPECT_EQ(machine.Trace(), CreateLines(target + u"Skin", false)) << "the deep skin folder is left out";
}

} // namespace
} // namespace tonvel
