#pragma once
// The process environment: environment variables, the shell's special folders, the system directory and
// the debugger output (OutputDebugStringW).

#include <cstdint>
#include <string>

namespace tonvel {

// CSIDL numbers of the special folders the programs ask for (SHGetFolderPathW).
inline constexpr int32_t FolderAppData = 0x1A;        // per-user roaming application data
inline constexpr int32_t FolderCommonPrograms = 0x17; // all users' Start-menu programs
inline constexpr int32_t FolderSystem = 0x25;         // system folder
inline constexpr int32_t FolderProgramFiles = 0x26;   // Program Files (of the process's bitness)
inline constexpr int32_t FolderSystemX86 = 0x29;      // 32-bit system folder
inline constexpr int32_t FolderProgramFilesX86 = 0x2A; // 32-bit Program Files (the one of 32-bit Windows)
inline constexpr int32_t FolderFlagCreate = 0x8000;   // CSIDL_FLAG_CREATE

// HRESULTs of the folder query.
inline constexpr int32_t FolderOk = 0;    // S_OK
inline constexpr int32_t FolderFalse = 1; // S_FALSE: the folder is missing
inline constexpr int32_t FolderInvalidArg = static_cast<int32_t>(0x80070057); // E_INVALIDARG

// Lines for the debugger (OutputDebugStringW). The sim records them for tests.
class IDebugOutput {
public:
    virtual ~IDebugOutput() = default;
    virtual void Write(const std::u16string& text) = 0;
};

class IEnvironment {
public:
    virtual ~IEnvironment() = default;

    // GetEnvironmentVariableW: false when the variable is not set.
    virtual bool Variable(const std::u16string& name, std::u16string& value) = 0;
    // SHGetFolderPathW(nullptr, csidl | flags, nullptr, SHGFP_TYPE_CURRENT): the folder without a trailing
    // backslash. With FolderFlagCreate a missing folder is created. Returns an HRESULT (FolderOk).
    virtual int32_t FolderPath(int32_t csidl, std::u16string& path) = 0;
    // GetSystemDirectoryW (at most 260 units); empty on failure. Under WOW64 this is the native system
    // folder's name; file access to it goes to the 32-bit folder unless redirection is switched off.
    virtual std::u16string SystemDirectory() = 0;
    // The debugger output of this process.
    virtual IDebugOutput& DebugOutput() = 0;
};

} // namespace tonvel
