// The registry of our Win32 layer under wine against the simulated registry: one scenario of keys, values,
// enumeration, deletion and the 32/64-bit views runs on both and writes down every result; the two records
// must be equal. The simulation models the test program's own situation: a 64-bit process in the wine tier,
// a 32-bit process under WOW64 (whose default view is the 32-bit one) in the wow64 tier.
#include "platform/sim/SimWindows.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/tests/ContractText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace tonvel {
namespace {

const std::u16string UserKey = u"Software\\TonvelTest";
const std::u16string MachineKey = u"SOFTWARE\\TonvelTest";
const std::u16string MachineKey32 = u"SOFTWARE\\WOW6432Node\\TonvelTest";

using test::Narrow;
using test::Step;

// Writes down what each call gave.
class CRecord {
public:
    explicit CRecord(IRegistry& registry) : m_Registry(registry) {}

    IRegistry& R() { return m_Registry; }
    void Add(const std::string& what, int32_t status, const std::string& detail = {}) {
        m_Lines.push_back(what + " -> " + std::to_string(status) + (detail.empty() ? "" : " " + detail));
    }
    // The sub-key names, then the value names with type and size, as the enumeration gives them.
    void Enumerate(const std::string& what, RegKey key) {
        std::string names;
        int32_t status = RegOk;
        for (uint32_t i = 0; status == RegOk && i < 64; ++i) {
            std::u16string name;
            status = m_Registry.EnumKey(key, i, name);
            if (status == RegOk) names += Narrow(name) + ";";
        }
        Add(what + " keys [" + names + "]", status);
        // Values sorted here: Windows enumerates them in creation order, wine in name order (see below).
        std::vector<std::string> values;
        status = RegOk;
        for (uint32_t i = 0; status == RegOk && i < 64; ++i) {
            std::u16string name;
            uint32_t type = 0;
            std::vector<uint8_t> data;
            status = m_Registry.EnumValue(key, i, name, type, data);
            if (status == RegOk)
                values.push_back(Narrow(name) + ":" + std::to_string(type) + ":" +
                                 std::to_string(data.size()));
        }
        std::sort(values.begin(), values.end());
        names.clear();
        for (const auto& value : values)
            names += value + ";";
        Add(what + " values [" + names + "]", status);
        uint32_t subKeyCount = 0;
        uint32_t valueCount = 0;
        status = m_Registry.QueryInfoKey(key, subKeyCount, valueCount);
        Add(what + " info", status,
            std::to_string(subKeyCount) + " keys " + std::to_string(valueCount) + " values");
    }
    void Create(const std::string& what, RegKey parent, const std::u16string& path, RegKey& key) {
        bool created = false;
        const int32_t status = m_Registry.CreateKey(parent, path, RegAllAccess, key, &created);
        Add(what, status, created ? "new" : "existing");
    }
    void Dword(const std::string& what, RegKey parent, const std::u16string& path, uint32_t access,
               const std::u16string& name) {
        RegKey key = 0;
        int32_t status = m_Registry.OpenKey(parent, path, RegRead | access, key);
        uint32_t value = 0;
        if (status == RegOk) {
            status = m_Registry.QueryDword(key, name, value);
            m_Registry.CloseKey(key);
        }
        Add(what, status, status == RegOk ? std::to_string(value) : "");
    }
    const std::vector<std::string>& Lines() const { return m_Lines; }

private:
    IRegistry& m_Registry;
    std::vector<std::string> m_Lines;
};

// Keys and values under HKCU\Software\TonvelTest, from creation to deletion.
void UserKeyScenario(CRecord& record) {
    IRegistry& r = record.R();
    r.DeleteTree(RegCurrentUser, UserKey, 0); // what an earlier run may have left
    RegKey key = 0;
    record.Create("create", RegCurrentUser, UserKey, key);
    RegKey again = 0;
    record.Create("create again", RegCurrentUser, UserKey, again);
    r.CloseKey(again);

    record.Add("set string", r.SetString(key, u"Path", u"C:\\Program Files\\Tonvel\\"));
    record.Add("set expand", r.SetString(key, u"Expand", u"%APPDATA%\\Tonvel", RegTypeExpandSz));
    record.Add("set dword", r.SetDword(key, u"Count", 0x12345678));
    record.Add("set multi", r.SetMultiString(key, u"Filters", {u"Pelix", u"ks"}));
    record.Add("set binary", r.SetBinary(key, u"Blob", {1, 2, 0, 3}));
    record.Add("set empty binary", r.SetBinary(key, u"Nothing", {}));
    record.Add("set default", r.SetString(key, u"", u"default value"));
    record.Add("replace dword", r.SetDword(key, u"COUNT", 7));

    std::u16string text;
    int32_t status = r.QueryString(key, u"path", text);
    record.Add("query string by other case", status, Narrow(text));
    status = r.QueryString(key, u"Expand", text);
    record.Add("query expand", status, Narrow(text));
    status = r.QueryString(key, u"", text);
    record.Add("query default", status, Narrow(text));
    uint32_t number = 0;
    status = r.QueryDword(key, u"Count", number);
    record.Add("query dword", status, std::to_string(number));
    record.Add("query string as dword", r.QueryDword(key, u"Path", number));
    std::vector<std::u16string> items;
    status = r.QueryMultiString(key, u"Filters", items);
    std::string joined;
    for (const auto& item : items)
        joined += Narrow(item) + ";";
    record.Add("query multi", status, joined);
    uint32_t type = 0;
    std::vector<uint8_t> data;
    status = r.QueryValue(key, u"Blob", type, data);
    record.Add("query binary", status, std::to_string(type) + ":" + std::to_string(data.size()));
    status = r.QueryValue(key, u"Nothing", type, data);
    record.Add("query empty binary", status, std::to_string(type) + ":" + std::to_string(data.size()));
    record.Add("query missing", r.QueryValue(key, u"Missing", type, data));

    RegKey sub = 0;
    for (const char16_t* name : {u"Beta", u"alpha", u"Gamma\\Deep"}) {
        record.Create("create " + Narrow(name), key, name, sub);
        r.CloseKey(sub);
    }
    record.Enumerate("filled", key);
    record.Add("open by other case", r.OpenKey(key, u"gamma\\DEEP", RegRead, sub));
    r.CloseKey(sub);
    record.Add("open missing", r.OpenKey(key, u"Missing", RegRead, sub));
    record.Add("delete key with sub-key", r.DeleteKey(key, u"Gamma", 0));
    record.Add("delete deepest", r.DeleteKey(key, u"Gamma\\Deep", 0));
    record.Add("delete emptied", r.DeleteKey(key, u"Gamma", 0));
    record.Add("delete deleted", r.DeleteKey(key, u"Gamma", 0));
    record.Add("delete value", r.DeleteValue(key, u"Count"));
    record.Add("delete value again", r.DeleteValue(key, u"Count"));
    record.Enumerate("thinned", key);

    RegKey readOnly = 0;
    record.Add("open read-only", r.OpenKey(RegCurrentUser, UserKey, RegRead, readOnly));
    record.Add("set through read-only", r.SetDword(readOnly, u"Count", 1));
    record.Add("query through read-only", r.QueryValue(readOnly, u"Path", type, data));

    record.Add("delete tree", r.DeleteTree(RegCurrentUser, UserKey, 0));
    record.Add("query deleted key", r.QueryValue(key, u"Path", type, data));
    record.Add("close deleted key", r.CloseKey(key));
    record.Add("close read-only", r.CloseKey(readOnly));
    record.Add("open after delete", r.OpenKey(RegCurrentUser, UserKey, RegRead, key));
    record.Add("delete tree again", r.DeleteTree(RegCurrentUser, UserKey, 0));
}

// HKLM\SOFTWARE\TonvelTest in the 32-bit, the 64-bit and the default view of the process.
void ViewScenario(CRecord& record) {
    IRegistry& r = record.R();
    r.DeleteTree(RegLocalMachine, MachineKey, RegView32);
    r.DeleteTree(RegLocalMachine, MachineKey, RegView64);

    RegKey key = 0;
    record.Add("create in 32-bit view",
               r.CreateKey(RegLocalMachine, MachineKey, RegAllAccess | RegView32, key));
    record.Add("set in 32-bit view", r.SetDword(key, u"Bits", 32));
    r.CloseKey(key);
    record.Dword("32-bit view", RegLocalMachine, MachineKey, RegView32, u"Bits");
    record.Dword("WOW6432Node from 64-bit view", RegLocalMachine, MachineKey32, RegView64, u"Bits");
    record.Dword("WOW6432Node by default", RegLocalMachine, MachineKey32, 0, u"Bits");
    record.Dword("64-bit view before", RegLocalMachine, MachineKey, RegView64, u"Bits");
    record.Dword("default view before", RegLocalMachine, MachineKey, 0, u"Bits");

    record.Add("create in 64-bit view",
               r.CreateKey(RegLocalMachine, MachineKey, RegAllAccess | RegView64, key));
    record.Add("set in 64-bit view", r.SetDword(key, u"Bits", 64));
    r.CloseKey(key);
    record.Dword("64-bit view", RegLocalMachine, MachineKey, RegView64, u"Bits");
    record.Dword("default view", RegLocalMachine, MachineKey, 0, u"Bits");
    record.Dword("32-bit view kept", RegLocalMachine, MachineKey, RegView32, u"Bits");

    record.Add("delete in 32-bit view", r.DeleteKey(RegLocalMachine, MachineKey, RegView32));
    record.Dword("32-bit view gone", RegLocalMachine, MachineKey, RegView32, u"Bits");
    record.Dword("WOW6432Node gone", RegLocalMachine, MachineKey32, RegView64, u"Bits");
    record.Dword("64-bit view stays", RegLocalMachine, MachineKey, RegView64, u"Bits");
    record.Add("delete tree in 64-bit view", r.DeleteTree(RegLocalMachine, MachineKey, RegView64));
    record.Dword("64-bit view gone", RegLocalMachine, MachineKey, RegView64, u"Bits");
    record.Add("delete in 32-bit view again", r.DeleteKey(RegLocalMachine, MachineKey, RegView32));
}

// Keys created relative to a handle of HKLM\SOFTWARE: the handle's view counts, not the later call's.
void RelativeViewScenario(CRecord& record) {
    IRegistry& r = record.R();
    const std::u16string names[] = {u"TonvelTestA", u"TonvelTestB", u"TonvelTestC"};
    for (const auto& name : names) {
        r.DeleteKey(RegLocalMachine, u"SOFTWARE\\" + name, RegView32);
        r.DeleteKey(RegLocalMachine, u"SOFTWARE\\" + name, RegView64);
    }
    RegKey software = 0;
    RegKey key = 0;
    record.Add("open SOFTWARE by default", r.OpenKey(RegLocalMachine, u"SOFTWARE", RegAllAccess, software));
    record.Add("create A by default", r.CreateKey(software, names[0], RegAllAccess, key));
    r.CloseKey(key);
    record.Add("create B in 64-bit view", r.CreateKey(software, names[1], RegAllAccess | RegView64, key));
    r.CloseKey(key);
    bool listsWow6432Node = false;
    bool listsA = false;
    std::u16string name;
    for (uint32_t i = 0; r.EnumKey(software, i, name) == RegOk; ++i) {
        listsWow6432Node = listsWow6432Node || Narrow(name) == "WOW6432Node" || Narrow(name) == "Wow6432Node";
        listsA = listsA || name == names[0];
    }
    record.Add(std::string("SOFTWARE by default lists") + (listsWow6432Node ? " WOW6432Node" : "") +
                   (listsA ? " A" : ""),
               0);
    r.CloseKey(software);
    record.Add("open SOFTWARE in 64-bit view",
               r.OpenKey(RegLocalMachine, u"SOFTWARE", RegAllAccess | RegView64, software));
    record.Add("create C by default", r.CreateKey(software, names[2], RegAllAccess, key));
    r.CloseKey(key);
    r.CloseKey(software);
    for (const auto& each : names) {
        for (const uint32_t view : {RegView32, RegView64}) {
            RegKey found = 0;
            const int32_t status = r.OpenKey(RegLocalMachine, u"SOFTWARE\\" + each, RegRead | view, found);
            if (status == RegOk) r.CloseKey(found);
            record.Add(Narrow(each) + (view == RegView32 ? " in 32-bit view" : " in 64-bit view"), status);
        }
        r.DeleteKey(RegLocalMachine, u"SOFTWARE\\" + each, RegView32);
        r.DeleteKey(RegLocalMachine, u"SOFTWARE\\" + each, RegView64);
    }
}

using SCENARIO = void (*)(CRecord&);

// Runs the scenario on both sides, requires equal records and gives wine's.
std::vector<std::string> Compare(SCENARIO scenario) {
    win32::CWin32Platform windows;
    CRecord wine(windows.Registry());
    scenario(wine);
    sim::CSimWindows simulated;
    simulated.SetSituation(sim::ThisProgramOnWindows64());
    CRecord sim(simulated.Registry());
    scenario(sim);
    EXPECT_EQ(wine.Lines().size(), sim.Lines().size());
    for (size_t i = 0; i < wine.Lines().size() && i < sim.Lines().size(); ++i)
        EXPECT_EQ(wine.Lines()[i], sim.Lines()[i]) << "wine and sim differ at step " << i;
    EXPECT_EQ(0u, simulated.Registry().OpenHandleCount());
    return wine.Lines();
}

TEST(RegistryContract, UserKeysValuesAndDeletionAgreeWithTheSimulation) {
    const auto lines = Compare(UserKeyScenario);
    EXPECT_EQ("create -> 0 new", Step(lines, "create"));
    EXPECT_EQ("create again -> 0 existing", Step(lines, "create again"));
    EXPECT_EQ("filled keys [alpha;Beta;Gamma;] -> 259", Step(lines, "filled keys [alpha;Beta;Gamma;]"));
    EXPECT_EQ("delete key with sub-key -> 5", Step(lines, "delete key with sub-key"));
    EXPECT_EQ("set through read-only -> 5", Step(lines, "set through read-only"));
    EXPECT_EQ("query deleted key -> 1018", Step(lines, "query deleted key"));
    EXPECT_EQ("open after delete -> 2", Step(lines, "open after delete"));
}

TEST(RegistryContract, ThirtyTwoBitViewLandsUnderWow6432NodeAsInTheSimulation) {
    const auto lines = Compare(ViewScenario);
    EXPECT_EQ("WOW6432Node from 64-bit view -> 0 32", Step(lines, "WOW6432Node from 64-bit view"));
    EXPECT_EQ("64-bit view before -> 2", Step(lines, "64-bit view before"));
    EXPECT_EQ("32-bit view kept -> 0 32", Step(lines, "32-bit view kept"));
    EXPECT_EQ("64-bit view stays -> 0 64", Step(lines, "64-bit view stays"));
    EXPECT_EQ("64-bit view gone -> 2", Step(lines, "64-bit view gone"));
    // The default view is the process's own: 64-bit for a 64-bit process, the WOW6432Node one under WOW64.
    const bool wow64 = sim::ThisProgramOnWindows64() == sim::SIM_SITUATION::Wow64;
    EXPECT_EQ(wow64 ? "default view before -> 0 32" : "default view before -> 2",
              Step(lines, "default view before"));
    EXPECT_EQ(wow64 ? "default view -> 0 32" : "default view -> 0 64", Step(lines, "default view"));
    EXPECT_EQ("WOW6432Node by default -> 0 32", Step(lines, "WOW6432Node by default"));
}

TEST(RegistryContract, KeysBelowAHandleStayInItsViewAsInTheSimulation) {
    const auto lines = Compare(RelativeViewScenario);
    const bool wow64 = sim::ThisProgramOnWindows64() == sim::SIM_SITUATION::Wow64;
    EXPECT_EQ(wow64 ? "TonvelTestA in 32-bit view -> 0" : "TonvelTestA in 32-bit view -> 2",
              Step(lines, "TonvelTestA in 32-bit view"));
    EXPECT_EQ(wow64 ? "TonvelTestB in 32-bit view -> 0" : "TonvelTestB in 32-bit view -> 2",
              Step(lines, "TonvelTestB in 32-bit view"));
    EXPECT_EQ("TonvelTestC in 64-bit view -> 0", Step(lines, "TonvelTestC in 64-bit view"));
}

// The values of a key in the order the enumeration gives them.
std::string ValueOrder(IRegistry& r) {
    r.DeleteTree(RegCurrentUser, UserKey, 0);
    RegKey key = 0;
    if (r.CreateKey(RegCurrentUser, UserKey, RegAllAccess, key) != RegOk) return "no key";
    for (const char16_t* name : {u"Zulu", u"alpha", u"Mike", u"Bravo"})
        r.SetDword(key, name, 1);
    r.DeleteValue(key, u"alpha");
    r.SetDword(key, u"Able", 1);
    std::string order;
    std::u16string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    for (uint32_t i = 0; r.EnumValue(key, i, name, type, data) == RegOk; ++i)
        order += Narrow(name) + ";";
    r.CloseKey(key);
    r.DeleteTree(RegCurrentUser, UserKey, 0);
    return order;
}

// A known wine difference: Windows enumerates values in creation order (a deleted value's place closes
// up), as the simulation does; wine keeps them in name order. Nothing of ours depends on the order.
TEST(RegistryContract, ValueOrderIsAKnownWineDifference) {
    win32::CWin32Platform windows;
    sim::CSimWindows simulated;
    simulated.SetSituation(sim::ThisProgramOnWindows64());
    const std::string wine = ValueOrder(windows.Registry());
    const std::string sim = ValueOrder(simulated.Registry());
    EXPECT_EQ("Zulu;Mike;Bravo;Able;", sim);
    EXPECT_NE(sim, wine) << "known wine difference is gone";
    std::printf("[ wine     ] value order: wine %s, Windows and sim %s\n", wine.c_str(), sim.c_str());
}

} // namespace
} // namespace tonvel
