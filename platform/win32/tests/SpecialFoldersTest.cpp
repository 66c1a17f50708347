// The special folders of our Win32 layer under wine against the simulated ones of the same situation (the
// test program's: a 64-bit process, or a 32-bit one under WOW64): each is found, rooted at a drive, without
// a trailing backslash, and of the same shape (depth and last name) on both sides; the folders and
// variables that depend on the bitness are the same paths.
#include "platform/sim/SimWindows.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/tests/ContractText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tonvel {
namespace {

using test::Narrow;

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Drive-rooted, how many names follow the drive, and the last one in lower case.
std::string Shape(const std::u16string& path) {
    const std::string text = Narrow(path);
    if (text.size() < 3 || text[1] != ':' || text[2] != '\\') return "not drive-rooted: " + text;
    size_t depth = 0;
    for (size_t i = 2; i < text.size(); ++i)
        depth += text[i] == '\\' ? 1 : 0;
    return std::to_string(depth) + " " + Lower(text.substr(text.find_last_of('\\') + 1));
}

struct FOLDER_CASE {
    const char* name;
    int32_t csidl;
};

const FOLDER_CASE Folders[] = {
    {"CommonPrograms", FolderCommonPrograms},
    {"System", FolderSystem},
    {"ProgramFiles", FolderProgramFiles},
    {"ProgramFilesX86", FolderProgramFilesX86},
    {"SystemX86", FolderSystemX86},
    {"AppData", FolderAppData},
};

class SpecialFolders : public ::testing::Test {
protected:
    void SetUp() override { m_Sim.SetSituation(sim::ThisProgramOnWindows64()); }

    win32::CWin32Platform m_Windows;
    sim::CSimWindows m_Sim;
};

TEST_F(SpecialFolders, AreFoundWithoutTrailingBackslashAndShapedAsInTheSimulation) {
    for (const auto& c : Folders) {
        SCOPED_TRACE(c.name);
        for (int32_t flags : {0, FolderFlagCreate}) {
            std::u16string wine;
            std::u16string simulated;
            EXPECT_EQ(FolderOk, m_Windows.Environment().FolderPath(c.csidl | flags, wine));
            EXPECT_EQ(FolderOk, m_Sim.Environment().FolderPath(c.csidl | flags, simulated));
            ASSERT_FALSE(wine.empty());
            ASSERT_FALSE(simulated.empty());
            EXPECT_NE(u'\\', wine.back()) << Narrow(wine);
            EXPECT_NE(u'\\', simulated.back()) << Narrow(simulated);
            EXPECT_EQ(Shape(simulated), Shape(wine))
                << "wine " << Narrow(wine) << ", sim " << Narrow(simulated);
            if (flags == 0) std::printf("[ wine     ] %s: %s\n", c.name, Narrow(wine).c_str());
        }
    }
}

TEST_F(SpecialFolders, AppDataVariableNamesTheAppDataFolder) {
    for (IEnvironment* environment : {static_cast<IEnvironment*>(&m_Windows.Environment()),
                                      static_cast<IEnvironment*>(&m_Sim.Environment())}) {
        std::u16string folder;
        std::u16string variable;
        ASSERT_EQ(FolderOk, environment->FolderPath(FolderAppData, folder));
        ASSERT_TRUE(environment->Variable(u"APPDATA", variable));
        EXPECT_EQ(Lower(Narrow(folder)), Lower(Narrow(variable)));
    }
}

TEST_F(SpecialFolders, SystemDirectoryIsTheSystemFolder) {
    const std::u16string wine = m_Windows.Environment().SystemDirectory();
    const std::u16string simulated = m_Sim.Environment().SystemDirectory();
    ASSERT_FALSE(wine.empty());
    EXPECT_NE(u'\\', wine.back());
    EXPECT_EQ(Shape(simulated), Shape(wine)) << "wine " << Narrow(wine);
    std::u16string system;
    ASSERT_EQ(FolderOk, m_Windows.Environment().FolderPath(FolderSystem, system));
    EXPECT_EQ(Lower(Narrow(system)), Lower(Narrow(wine)));
}

// Program Files and the system folders by bitness, as folders and as variables: the same paths (letter case
// aside) on both sides, and under WOW64 the 32-bit ones.
TEST_F(SpecialFolders, BitnessFoldersAndVariablesAreThoseOfTheSituation) {
    for (const int32_t csidl : {FolderProgramFiles, FolderProgramFilesX86, FolderSystem, FolderSystemX86}) {
        std::u16string wine;
        std::u16string simulated;
        EXPECT_EQ(FolderOk, m_Windows.Environment().FolderPath(csidl, wine));
        EXPECT_EQ(FolderOk, m_Sim.Environment().FolderPath(csidl, simulated));
        EXPECT_EQ(Lower(Narrow(simulated)), Lower(Narrow(wine))) << "CSIDL " << csidl;
    }
    for (const char16_t* name : {u"ProgramFiles", u"ProgramFiles(x86)", u"ProgramW6432",
                                 u"CommonProgramFiles", u"CommonProgramFiles(x86)", u"CommonProgramW6432"}) {
        std::u16string wine = u"(not set)";
        std::u16string simulated = u"(not set)";
        m_Windows.Environment().Variable(name, wine);
        m_Sim.Environment().Variable(name, simulated);
        EXPECT_EQ(Lower(Narrow(simulated)), Lower(Narrow(wine))) << Narrow(name);
    }
    std::u16string programFiles;
    ASSERT_EQ(FolderOk, m_Windows.Environment().FolderPath(FolderProgramFiles, programFiles));
    const bool wow64 = sim::ThisProgramOnWindows64() == sim::SIM_SITUATION::Wow64;
    EXPECT_EQ(wow64 ? "c:\\program files (x86)" : "c:\\program files", Lower(Narrow(programFiles)));
    std::printf("[ wine     ] %s process: Program Files %s\n",
                sim::SituationName(sim::ThisProgramOnWindows64()), Narrow(programFiles).c_str());
}

} // namespace
} // namespace tonvel
