#include "platform/sim/SimEnvironment.h"

#include "platform/sim/SimFileSystem.h"
#include "platform/sim/SimPath.h"

namespace tonvel::sim {

namespace {
constexpr int32_t FailedHresult = static_cast<int32_t>(0x80004005); // E_FAIL
} // namespace

CSimEnvironment::CSimEnvironment(CSimFileSystem& files) : m_Files(files) {
    SetBitness(true, false);
}

void CSimEnvironment::SetBitness(bool windows64, bool process64) {
    const bool wow64 = windows64 && !process64;
    // 64-bit Windows has both Program Files folders; a 32-bit process is given the 32-bit one.
    const std::u16string programFiles64 = u"C:\\Program Files";
    const std::u16string programFiles32 = windows64 ? u"C:\\Program Files (x86)" : programFiles64;
    const std::u16string programFiles = wow64 ? programFiles32 : programFiles64;
    const std::u16string appData = u"C:\\Users\\User\\AppData\\Roaming";
    m_Folders.clear();
    m_Folders[FolderAppData] = appData;
    m_Folders[FolderCommonPrograms] = u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs";
    // The system folder's name is System32 for every process; WOW64 redirects file access through it.
    m_Folders[FolderSystem] = u"C:\\Windows\\system32";
    m_Folders[FolderProgramFiles] = programFiles;
    m_Folders[FolderProgramFilesX86] = programFiles32;
    m_Folders[FolderSystemX86] = windows64 ? u"C:\\Windows\\SysWOW64" : u"C:\\Windows\\system32";
    m_SystemDirectory = u"C:\\Windows\\system32";
    m_Variables.clear();
    SetVariable(u"APPDATA", appData);
    SetVariable(u"ALLUSERSPROFILE", u"C:\\ProgramData");
    SetVariable(u"ProgramData", u"C:\\ProgramData");
    SetVariable(u"ProgramFiles", programFiles);
    SetVariable(u"CommonProgramFiles", programFiles + u"\\Common Files");
    if (windows64) {
        SetVariable(u"ProgramFiles(x86)", programFiles32);
        SetVariable(u"ProgramW6432", programFiles64);
        SetVariable(u"CommonProgramFiles(x86)", programFiles32 + u"\\Common Files");
        SetVariable(u"CommonProgramW6432", programFiles64 + u"\\Common Files");
    }
    SetVariable(u"SystemDrive", u"C:");
    SetVariable(u"SystemRoot", u"C:\\Windows");
    SetVariable(u"windir", u"C:\\Windows");
    SetVariable(u"USERPROFILE", u"C:\\Users\\User");
    SetVariable(u"TEMP", u"C:\\Users\\User\\AppData\\Local\\Temp");
}

void CSimEnvironment::SetVariable(const std::u16string& name, const std::u16string& value) {
    for (auto& variable : m_Variables) {
        if (SameName(variable.first, name)) {
            variable.second = value;
            return;
        }
    }
    m_Variables.emplace_back(name, value);
}

void CSimEnvironment::RemoveVariable(const std::u16string& name) {
    for (auto it = m_Variables.begin(); it != m_Variables.end(); ++it) {
        if (SameName(it->first, name)) {
            m_Variables.erase(it);
            return;
        }
    }
}

bool CSimEnvironment::Variable(const std::u16string& name, std::u16string& value) {
    for (const auto& variable : m_Variables) {
        if (SameName(variable.first, name)) {
            value = variable.second;
            return true;
        }
    }
    return false;
}

int32_t CSimEnvironment::FolderPath(int32_t csidl, std::u16string& path) {
    path.clear();
    const auto it = m_Folders.find(csidl & ~FolderFlagCreate);
    if (it == m_Folders.end()) return FolderInvalidArg;
    if (it->second.empty()) return FailedHresult;
    if ((csidl & FolderFlagCreate) != 0 && !m_Files.CreateFolders(it->second)) return FailedHresult;
    path = it->second;
    return FolderOk;
}

} // namespace tonvel::sim
