#pragma once
// The simulated process environment: variables (names regardless of case), special folders by CSIDL, the
// system directory and a recorder of debugger output. The defaults follow the machine's bitness: a 32-bit
// process on 64-bit Windows sees "C:\Program Files (x86)" as its Program Files folder.

#include "platform/api/Environment.h"

#include <map>
#include <vector>

namespace tonvel::sim {

class CSimFileSystem;

// Keeps every line written to the debugger.
class CSimDebugOutput : public IDebugOutput {
public:
    void Write(const std::u16string& text) override { m_Lines.push_back(text); }
    const std::vector<std::u16string>& Lines() const { return m_Lines; }
    void Clear() { m_Lines.clear(); }

private:
    std::vector<std::u16string> m_Lines;
};

class CSimEnvironment : public IEnvironment {
public:
    // Folders asked for with FolderFlagCreate are created in `files`.
    explicit CSimEnvironment(CSimFileSystem& files);

    bool Variable(const std::u16string& name, std::u16string& value) override;
    int32_t FolderPath(int32_t csidl, std::u16string& path) override;
    std::u16string SystemDirectory() override { return m_SystemDirectory; }
    IDebugOutput& DebugOutput() override { return m_DebugOutput; }

    // Resets folders and variables to the defaults of this machine.
    void SetBitness(bool windows64, bool process64);
    void SetVariable(const std::u16string& name, const std::u16string& value);
    void RemoveVariable(const std::u16string& name);
    // An empty path makes the folder query fail (E_FAIL, empty result).
    void SetFolder(int32_t csidl, const std::u16string& path) { m_Folders[csidl] = path; }
    void SetSystemDirectory(const std::u16string& path) { m_SystemDirectory = path; }
    CSimDebugOutput& Debug() { return m_DebugOutput; }

private:
    CSimFileSystem& m_Files;
    std::vector<std::pair<std::u16string, std::u16string>> m_Variables;
    std::map<int32_t, std::u16string> m_Folders;
    std::u16string m_SystemDirectory;
    CSimDebugOutput m_DebugOutput;
};

} // namespace tonvel::sim
