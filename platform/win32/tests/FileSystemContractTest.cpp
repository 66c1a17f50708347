// The files of our Win32 layer under wine against the simulated file system: one scenario of folders,
// files, copies, deletions and listings runs on both in a scratch folder and writes down every result; the
// two records must be equal. Listings are written down as sorted names (the order is the volume's: wine's
// and NTFS's is name order, the simulation's is the order made, as on FAT) and their order is checked apart.
#include "platform/sim/SimWindows.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/tests/ContractText.h"
#include "platform/win32/tests/WineScratch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

namespace tonvel {
namespace {

using test::Narrow;
using test::Step;

// Writes down what each call gave, with paths relative to the scenario's folder.
class CRecord {
public:
    CRecord(IFileSystem& files, std::u16string folder) : m_Files(files), m_Folder(std::move(folder)) {}

    IFileSystem& F() { return m_Files; }
    std::u16string Path(const std::u16string& relative) const { return m_Folder + relative; }
    void Add(const std::string& what, int32_t status, const std::string& detail = {}) {
        m_Lines.push_back(what + " -> " + std::to_string(status) + (detail.empty() ? "" : " " + detail));
    }
    void Attributes(const std::string& what, const std::u16string& relative) {
        const uint32_t attributes = m_Files.Attributes(Path(relative));
        const bool folder = attributes != FileAttrInvalid && (attributes & FileAttrDirectory) != 0;
        Add(what, attributes == FileAttrInvalid ? -1 : 0,
            attributes == FileAttrInvalid ? ""
            : folder                      ? "folder"
                                          : "file");
    }
    void Read(const std::string& what, const std::u16string& relative) {
        std::vector<uint8_t> bytes;
        const int32_t status = m_Files.ReadAll(Path(relative), bytes);
        Add(what, status, status == FileOk ? std::string(bytes.begin(), bytes.end()) : "");
    }
    void Write(const std::string& what, const std::u16string& relative, const std::string& text) {
        Add(what, m_Files.WriteAll(Path(relative), text.data(), text.size()));
    }
    // The listing's names sorted, and the order it gave them in.
    void List(const std::string& what, const std::u16string& relative, bool folders) {
        std::vector<std::u16string> names;
        const int32_t status =
            folders ? m_Files.ListFolders(Path(relative), names) : m_Files.ListFiles(Path(relative), names);
        m_Orders.push_back(names);
        std::vector<std::string> sorted;
        for (const auto& name : names)
            sorted.push_back(Narrow(name));
        std::sort(sorted.begin(), sorted.end());
        std::string joined;
        for (const auto& name : sorted)
            joined += name + ";";
        Add(what, status, "[" + joined + "]");
    }
    const std::vector<std::string>& Lines() const { return m_Lines; }
    const std::vector<std::vector<std::u16string>>& Orders() const { return m_Orders; }

private:
    IFileSystem& m_Files;
    std::u16string m_Folder;
    std::vector<std::string> m_Lines;
    std::vector<std::vector<std::u16string>> m_Orders;
};

// Folders and files from creation to deletion, with every error the product's callers meet.
void Scenario(CRecord& r) {
    IFileSystem& f = r.F();
    r.Add("create folder", f.CreateFolder(r.Path(u"Skin")));
    r.Add("create folder again, other case", f.CreateFolder(r.Path(u"SKIN")));
    r.Add("create folder in missing folder", f.CreateFolder(r.Path(u"Missing\\Sub")));
    r.Write("write file", u"Skin\\readme.txt", "first");
    r.Write("write in missing folder", u"Missing\\x.txt", "x");
    r.Write("write onto a folder", u"Skin", "x");
    r.Add("create folder where a file is", f.CreateFolder(r.Path(u"skin\\README.TXT")));
    r.Attributes("attributes of folder, other case", u"sKIN");
    r.Attributes("attributes of file, other case", u"SKIN\\Readme.Txt");
    r.Attributes("attributes of missing", u"Skin\\none.txt");
    r.Read("read, other case", u"SKIN\\README.TXT");
    r.Read("read missing file", u"Skin\\none.txt");
    r.Read("read in missing folder", u"None\\x.txt");
    r.Read("read a folder", u"Skin");
    r.Read("read below a file", u"Skin\\readme.txt\\x");

    r.Add("copy", f.Copy(r.Path(u"Skin\\readme.txt"), r.Path(u"Skin\\copy.txt"), true));
    r.Add("copy onto existing, fail if exists",
          f.Copy(r.Path(u"Skin\\readme.txt"), r.Path(u"skin\\COPY.txt"), true));
    r.Write("write over, other case", u"SKIN\\README.TXT", "second");
    r.Add("copy over existing", f.Copy(r.Path(u"Skin\\readme.txt"), r.Path(u"Skin\\copy.txt"), false));
    r.Read("read copy", u"Skin\\copy.txt");
    r.Add("copy onto a folder", f.Copy(r.Path(u"Skin\\readme.txt"), r.Path(u"Skin"), false));
    r.Add("copy onto a folder, fail if exists", f.Copy(r.Path(u"Skin\\readme.txt"), r.Path(u"Skin"), true));
    r.Add("copy missing file", f.Copy(r.Path(u"Skin\\none.txt"), r.Path(u"Skin\\x.txt"), false));
    r.Add("copy into missing folder", f.Copy(r.Path(u"Skin\\readme.txt"), r.Path(u"None\\x.txt"), false));
    r.Add("copy a folder", f.Copy(r.Path(u"Skin"), r.Path(u"Skin2"), false));

    for (const char16_t* name : {u"Skin\\zeta", u"Skin\\Alpha", u"Skin\\beta"})
        r.Add("create " + Narrow(name), f.CreateFolder(r.Path(name)));
    r.Write("write a.txt", u"Skin\\a.txt", "a");
    r.List("folders", u"Skin", true);
    r.List("folders, trailing backslash", u"Skin\\", true);
    r.List("files", u"skin", false);
    r.List("folders of empty folder", u"Skin\\beta", true);
    r.List("files of empty folder", u"Skin\\beta", false);
    r.List("folders of missing folder", u"None", true);
    r.List("files of missing folder", u"None", false);

    r.Add("delete a folder", f.Delete(r.Path(u"Skin\\beta")));
    r.Add("delete missing", f.Delete(r.Path(u"Skin\\none.txt")));
    r.Add("delete in missing folder", f.Delete(r.Path(u"None\\x.txt")));
    r.Add("remove non-empty folder", f.RemoveFolder(r.Path(u"Skin")));
    r.Add("remove a file as folder", f.RemoveFolder(r.Path(u"Skin\\a.txt")));
    r.Add("remove missing folder", f.RemoveFolder(r.Path(u"Skin\\none")));
    r.Add("remove in missing folder", f.RemoveFolder(r.Path(u"None\\x")));
    for (const char16_t* name : {u"Skin\\readme.txt", u"Skin\\copy.txt", u"Skin\\a.txt"})
        r.Add("delete " + Narrow(name), f.Delete(r.Path(name)));
    for (const char16_t* name : {u"Skin\\zeta", u"Skin\\Alpha", u"Skin\\beta", u"Skin"})
        r.Add("remove " + Narrow(name), f.RemoveFolder(r.Path(name)));
    r.Attributes("attributes after removal", u"Skin");
}

struct RUN {
    std::vector<std::string> wine;
    std::vector<std::vector<std::u16string>> wineOrders;
    std::vector<std::vector<std::u16string>> simOrders;
};

RUN Compare() {
    RUN run;
    win32::CWin32Platform windows;
    win32::CWineScratch scratch(u"files");
    CRecord wine(windows.Files(), scratch.Folder());
    Scenario(wine);
    sim::CSimWindows simulated;
    simulated.SetSituation(sim::ThisProgramOnWindows64());
    EXPECT_TRUE(simulated.Files().CreateFolders(u"C:\\Scratch"));
    CRecord sim(simulated.Files(), u"C:\\Scratch\\");
    Scenario(sim);
    EXPECT_EQ(wine.Lines().size(), sim.Lines().size());
    for (size_t i = 0; i < wine.Lines().size() && i < sim.Lines().size(); ++i)
        EXPECT_EQ(wine.Lines()[i], sim.Lines()[i]) << "wine and sim differ at step " << i;
    run.wine = wine.Lines();
    run.wineOrders = wine.Orders();
    run.simOrders = sim.Orders();
    return run;
}

// Each anchor is the whole line wine's run wrote for its step (the text before " ->").
void ExpectAnchors(const std::vector<std::string>& lines, std::initializer_list<const char*> anchors) {
    for (const std::string anchor : anchors)
        EXPECT_EQ(anchor, Step(lines, anchor.substr(0, anchor.find(" ->"))));
}

TEST(FileSystemContract, ErrorsCaseAndCopiesAgreeWithTheSimulation) {
    ExpectAnchors(Compare().wine,
                  {"create folder again, other case -> 183", "create folder in missing folder -> 3",
                   "create folder where a file is -> 183", "read, other case -> 0 first",
                   "read missing file -> 2", "read in missing folder -> 3", "read a folder -> 5",
                   "copy onto existing, fail if exists -> 80", "read copy -> 0 second",
                   "copy onto a folder -> 5", "delete a folder -> 5", "remove non-empty folder -> 145"});
}

TEST(FileSystemContract, ListingsHoldTheDotEntriesAndTheNamesAsMade) {
    const RUN run = Compare();
    // Names keep the case they were made with, also after a write in another case.
    ExpectAnchors(run.wine,
                  {"folders -> 0 [.;..;Alpha;beta;zeta;]", "files -> 0 [a.txt;copy.txt;readme.txt;]",
                   "folders of empty folder -> 0 [.;..;]", "folders of missing folder -> 3 []"});
    // The order is the volume's; both begin with the dot entries.
    ASSERT_EQ(run.wineOrders.size(), run.simOrders.size());
    ASSERT_FALSE(run.wineOrders.empty());
    for (const auto* orders : {&run.wineOrders, &run.simOrders}) {
        const std::vector<std::u16string>& folders = orders->front();
        ASSERT_GE(folders.size(), 2u);
        EXPECT_EQ(folders[0], u".");
        EXPECT_EQ(folders[1], u"..");
    }
    EXPECT_EQ(run.simOrders.front(), (std::vector<std::u16string>{u".", u"..", u"zeta", u"Alpha", u"beta"}));
    std::string wineOrder;
    for (const auto& name : run.wineOrders.front())
        wineOrder += Narrow(name) + ";";
    std::printf("[ wine     ] folder order: wine %s\n", wineOrder.c_str());
}

// A known wine difference: listing a file as a folder gives ERROR_DIRECTORY on Windows, as in the
// simulation; wine gives ERROR_INVALID_NAME. The product's callers take any error as no folders.
TEST(FileSystemContract, ListingAFileIsAKnownWineDifference) {
    win32::CWin32Platform windows;
    win32::CWineScratch scratch(u"listfile");
    sim::CSimWindows simulated;
    simulated.SetSituation(sim::ThisProgramOnWindows64());
    std::vector<std::u16string> names;
    const std::u16string wineFile = scratch.Folder() + u"a.txt";
    ASSERT_EQ(windows.Files().WriteAll(wineFile, "a", 1), FileOk);
    ASSERT_TRUE(simulated.Files().PutFile(u"C:\\Scratch\\a.txt", "a"));
    const int32_t wine = windows.Files().ListFolders(wineFile, names);
    EXPECT_EQ(simulated.Files().ListFolders(u"C:\\Scratch\\a.txt", names), FileDirectoryInvalid);
    EXPECT_NE(wine, FileDirectoryInvalid) << "known wine difference is gone";
    EXPECT_NE(wine, FileOk);
    std::printf("[ wine     ] listing a file: wine %d, Windows and sim %d\n", static_cast<int>(wine),
                static_cast<int>(FileDirectoryInvalid));
}

} // namespace
} // namespace tonvel
