// WOW64 of our Win32 layer under wine against the simulation of the same situation (the test program's: a
// 64-bit process in the wine tier, a 32-bit process under WOW64 in the wow64 tier): the WOW64 query, the
// redirection switch, and file access through C:\Windows\System32, SysWOW64 and Sysnative with redirection
// on and off. One scenario runs on both platforms and writes down every result; the records must be equal.
#include "platform/sim/SimWindows.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/tests/ContractText.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tonvel {
namespace {

using test::Narrow;
using test::Step;

// The scenario's files carry the process id so that runs never meet.
std::u16string Tag() {
    const std::string id = std::to_string(GetCurrentProcessId());
    return u"tonvel-wow64-" + std::u16string(id.begin(), id.end()) + u"-";
}

const std::u16string WindowsFolder = u"C:\\Windows\\";

class CRecord {
public:
    explicit CRecord(const Platform& platform) : m_Platform(platform), m_Tag(Tag()) {}

    IFileSystem& Files() { return *m_Platform.files; }
    ISystemInfo& System() { return *m_Platform.system; }
    void Add(const std::string& line) { m_Lines.push_back(line); }
    // A path below the Windows folder: "System32\\" + the scenario's file name.
    std::u16string Path(const std::u16string& folder, const std::u16string& name = {}) const {
        std::u16string path = WindowsFolder + folder;
        if (!name.empty()) path += u"\\" + m_Tag + name;
        return path;
    }
    void Attributes(const std::u16string& folder, const std::u16string& name = {}) {
        const uint32_t attributes = Files().Attributes(Path(folder, name));
        std::string line = "attributes " + Narrow(folder);
        if (!name.empty()) {
            line += '\\';
            line += Narrow(name);
        }
        line += " -> ";
        line += attributes == FileAttrInvalid           ? "none"
                : (attributes & FileAttrDirectory) != 0 ? "folder"
                                                        : "file";
        Add(line);
    }
    void Write(const std::u16string& folder, const std::u16string& name) {
        const std::string text = Narrow(folder) + "\\" + Narrow(name);
        Add("write " + text + " -> " +
            std::to_string(Files().WriteAll(Path(folder, name), text.data(), text.size())));
    }
    // The contents of a file, or its error.
    void Read(const std::u16string& folder, const std::u16string& name) {
        std::vector<uint8_t> bytes;
        const int32_t status = Files().ReadAll(Path(folder, name), bytes);
        Add("read " + Narrow(folder) + "\\" + Narrow(name) + " -> " + std::to_string(status) + " " +
            std::string(bytes.begin(), bytes.end()));
    }
    // The scenario's files that a listing of the folder shows.
    void List(const std::u16string& folder) {
        std::vector<std::u16string> names;
        const int32_t status = Files().ListFiles(Path(folder), names);
        std::string ours;
        for (const auto& name : names)
            if (name.rfind(m_Tag, 0) == 0) ours += Narrow(name.substr(m_Tag.size())) + ";";
        Add("list " + Narrow(folder) + " -> " + std::to_string(status) + " [" + ours + "]");
    }
    void Delete(const std::u16string& folder, const std::u16string& name) {
        Add("delete " + Narrow(folder) + "\\" + Narrow(name) + " -> " +
            std::to_string(Files().Delete(Path(folder, name))));
    }
    const std::vector<std::string>& Lines() const { return m_Lines; }

private:
    const Platform& m_Platform;
    std::u16string m_Tag;
    std::vector<std::string> m_Lines;
};

void Scenario(CRecord& r) {
    bool wow64 = false;
    const CALL_RESULT query = r.System().IsWow64Process(wow64);
    r.Add("IsWow64Process -> " + std::to_string(query) + " " + (wow64 ? "wow64" : "native"));
    r.Attributes(u"System32");
    r.Attributes(u"SysWOW64");
    r.Attributes(u"Sysnative");

    // Redirection on: System32 is SysWOW64 for a 32-bit process; Sysnative is the native System32.
    r.Write(u"System32", u"a.txt");
    r.Attributes(u"System32", u"a.txt");
    r.Attributes(u"SysWOW64", u"a.txt");
    r.Attributes(u"Sysnative", u"a.txt");
    r.Write(u"Sysnative", u"b.txt");
    r.Attributes(u"System32", u"b.txt");
    r.Attributes(u"SysWOW64", u"b.txt");
    r.Read(u"Sysnative", u"b.txt");
    r.Read(u"system32", u"A.TXT");
    r.List(u"System32");
    r.List(u"SysWOW64");
    // An exempt folder: System32\drivers\etc is the native one for every process.
    r.Write(u"System32\\drivers\\etc", u"e.txt");
    r.Attributes(u"Sysnative\\drivers\\etc", u"e.txt");
    r.Attributes(u"SysWOW64\\drivers\\etc", u"e.txt");

    // Redirection off: System32 is the native folder, for this thread, until it is reverted.
    void* saved = nullptr;
    const CALL_RESULT off = r.System().Wow64DisableWow64FsRedirection(saved);
    r.Add("disable redirection -> " + std::to_string(off));
    r.Attributes(u"System32", u"a.txt");
    r.Attributes(u"System32", u"b.txt");
    r.List(u"System32");
    r.Write(u"System32", u"c.txt");
    const CALL_RESULT back = off == CALL_OK ? r.System().Wow64RevertWow64FsRedirection(saved) : off;
    r.Add("revert redirection -> " + std::to_string(back));
    r.Attributes(u"System32", u"c.txt");
    r.Attributes(u"SysWOW64", u"c.txt");
    r.Attributes(u"Sysnative", u"c.txt");

    // Clean up, each file by a name that reaches it in this situation.
    for (const char16_t* name : {u"a.txt", u"b.txt", u"c.txt"}) {
        r.Delete(u"System32", name);
        r.Delete(u"Sysnative", name);
    }
    r.Delete(u"System32\\drivers\\etc", u"e.txt");
    r.List(u"System32");
    r.List(u"SysWOW64");
}

class Wow64Contract : public ::testing::Test {
protected:
    void SetUp() override {
        m_Sim.SetSituation(sim::ThisProgramOnWindows64());
        m_Sim.CreateSystemFolders();
    }

    win32::CWin32Platform m_Windows;
    sim::CSimWindows m_Sim;
};

TEST_F(Wow64Contract, RedirectionAndTheSystemFoldersAgreeWithTheSimulation) {
    CRecord wine(m_Windows.platform());
    Scenario(wine);
    CRecord sim(m_Sim.platform());
    Scenario(sim);
    EXPECT_EQ(wine.Lines().size(), sim.Lines().size());
    for (size_t i = 0; i < wine.Lines().size() && i < sim.Lines().size(); ++i)
        EXPECT_EQ(wine.Lines()[i], sim.Lines()[i]) << "wine and sim differ at step " << i;
    for (const auto& line : wine.Lines())
        std::printf("[ wine     ] %s\n", line.c_str());

    // A few anchors: what Windows does, not only that both sides agree.
    const auto& lines = wine.Lines();
    if (sim::ThisProgramOnWindows64() == sim::SIM_SITUATION::Wow64) {
        EXPECT_EQ("IsWow64Process -> 1 wow64", Step(lines, "IsWow64Process"));
        EXPECT_EQ("attributes SysWOW64\\a.txt -> file", Step(lines, "attributes SysWOW64\\a.txt"));
        EXPECT_EQ("attributes Sysnative\\a.txt -> none", Step(lines, "attributes Sysnative\\a.txt"));
        EXPECT_EQ("attributes System32\\b.txt -> none", Step(lines, "attributes System32\\b.txt"));
        EXPECT_EQ("attributes Sysnative\\drivers\\etc\\e.txt -> file",
                  Step(lines, "attributes Sysnative\\drivers\\etc\\e.txt"));
        EXPECT_EQ("disable redirection -> 1", Step(lines, "disable redirection"));
        EXPECT_EQ("revert redirection -> 1", Step(lines, "revert redirection"));
        EXPECT_EQ("attributes Sysnative\\c.txt -> file", Step(lines, "attributes Sysnative\\c.txt"));
    } else {
        EXPECT_EQ("IsWow64Process -> 1 native", Step(lines, "IsWow64Process"));
        EXPECT_EQ("attributes SysWOW64\\a.txt -> none", Step(lines, "attributes SysWOW64\\a.txt"));
        EXPECT_EQ("attributes Sysnative -> none", Step(lines, "attributes Sysnative"));
        EXPECT_EQ("write Sysnative\\b.txt -> 3", Step(lines, "write Sysnative\\b.txt"));
        EXPECT_EQ("disable redirection -> 0", Step(lines, "disable redirection"));
        EXPECT_EQ("attributes System32\\c.txt -> file", Step(lines, "attributes System32\\c.txt"));
    }
    EXPECT_FALSE(m_Sim.SystemInfo().RedirectionDisabled());
}

// The simulation's three situations side by side, where only one of them is the real one here.
TEST(Wow64Situations, TheSimulationAnswersEachSituation) {
    for (const auto situation :
         {sim::SIM_SITUATION::Process64, sim::SIM_SITUATION::Wow64, sim::SIM_SITUATION::Windows32}) {
        SCOPED_TRACE(sim::SituationName(situation));
        sim::CSimWindows simulated;
        simulated.SetSituation(situation);
        simulated.CreateSystemFolders();
        bool wow64 = false;
        ASSERT_EQ(CALL_OK, simulated.platform().system->IsWow64Process(wow64));
        EXPECT_EQ(situation == sim::SIM_SITUATION::Wow64, wow64);
        EXPECT_EQ(situation == sim::SIM_SITUATION::Windows32 ? FileAttrInvalid : FileAttrDirectory,
                  simulated.Files().Attributes(u"C:\\Windows\\SysWOW64"));
        EXPECT_EQ(situation == sim::SIM_SITUATION::Wow64,
                  simulated.Files().IsFolder(u"C:\\Windows\\Sysnative"));
    }
}

} // namespace
} // namespace tonvel
