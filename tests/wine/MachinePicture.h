#pragma once
// A picture of the prefix's machine for before/after comparisons: every registry key and value where
// programs register themselves (HKEY_LOCAL_MACHINE\Software in the 64-bit view, which holds the 32-bit one as
// Wow6432Node, the services and the session manager's pending operations, HKEY_CURRENT_USER\Software; the
// class registrations left out: tens of thousands of keys, slow to walk under wine), and
// every file and folder where programs install (the Windows folder, both Program Files folders,
// ProgramData and the user's AppData; drive C:'s own entries), with file-system redirection off so that
// System32 is the native one, each with its size and last write time. (The user's other folders are left
// out: in a wine prefix they lead into the Unix home folder.)

#include <windows.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace e2e {

struct MACHINE_PICTURE {
    std::map<std::wstring, std::wstring> Registry; // "HKLM\key" -> "" / "HKLM\key|value" -> type:hex
    std::map<std::wstring, std::wstring> Files;    // path -> "<folder>" / size:time
};

namespace detail {

inline std::wstring Hex(const BYTE* data, DWORD size) {
    std::wstring text;
    wchar_t digits[4];
    for (DWORD i = 0; i < size; ++i) {
        std::swprintf(digits, 4, L"%02X", data[i]);
        text += digits;
    }
    return text;
}

inline void WalkKey(HKEY root, const std::wstring& rootName, const std::wstring& path,
                    std::map<std::wstring, std::wstring>& out, int depth = 0) {
    HKEY key = nullptr;
    // Registry links (CurrentControlSet, the views' own reflections) could lead round in circles.
    if (depth > 24) return;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) return;
    const std::wstring name = rootName + L"\\" + path;
    out[name] = L"";
    std::vector<BYTE> data(1 << 16);
    std::vector<wchar_t> valueName(16384);
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 16384, type = 0, size = static_cast<DWORD>(data.size());
        const LONG status =
            RegEnumValueW(key, i, valueName.data(), &nameLength, nullptr, &type, data.data(), &size);
        if (status == ERROR_MORE_DATA) continue; // a value larger than the buffer: left out
        if (status != ERROR_SUCCESS) break;
        out[name + L"|" + valueName.data()] = std::to_wstring(type) + L":" + Hex(data.data(), size);
    }
    std::vector<std::wstring> children;
    for (DWORD i = 0;; ++i) {
        wchar_t child[256];
        DWORD length = 256;
        if (RegEnumKeyExW(key, i, child, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        children.push_back(child);
    }
    RegCloseKey(key);
    for (const auto& child : children) {
        // Links: CurrentControlSet is ControlSet001, and the 32-bit view seen again below itself; and the
        // class registrations (tens of thousands of keys under wine, slow to walk, not ours to touch).
        const bool link =
            _wcsicmp(child.c_str(), L"CurrentControlSet") == 0 ||
            (_wcsicmp(child.c_str(), L"Wow6432Node") == 0 && path.find(L"Wow6432Node") != std::wstring::npos);
        if (link) continue;
        WalkKey(root, rootName, path.empty() ? child : path + L"\\" + child, out, depth + 1);
    }
}

inline void WalkFolder(const std::wstring& folder, std::map<std::wstring, std::wstring>& out) {
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    std::vector<std::wstring> folders;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            out[path] = L"<link>";
        } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            out[path] = L"<folder>";
            folders.push_back(path);
        } else {
            out[path] = std::to_wstring(found.nFileSizeLow) + L":" +
                        std::to_wstring(found.ftLastWriteTime.dwLowDateTime);
        }
    } while (FindNextFileW(find, &found));
    FindClose(find);
    for (const auto& child : folders)
        WalkFolder(child, out);
}

inline void Compare(const std::map<std::wstring, std::wstring>& before,
                    const std::map<std::wstring, std::wstring>& after, const wchar_t* area,
                    std::vector<std::wstring>& lines) {
    for (const auto& [name, value] : before) {
        const auto found = after.find(name);
        if (found == after.end())
            lines.push_back(L"- " + std::wstring(area) + L" " + name);
        else if (found->second != value)
            lines.push_back(L"~ " + std::wstring(area) + L" " + name);
    }
    for (const auto& [name, value] : after)
        if (!before.count(name)) lines.push_back(L"+ " + std::wstring(area) + L" " + name);
}

} // namespace detail

// File-system redirection off for a 32-bit process (under WOW64) while this object lives.
class CNativeFiles {
public:
    CNativeFiles() { m_Off = sizeof(void*) == 4 && Wow64DisableWow64FsRedirection(&m_Saved); }
    ~CNativeFiles() {
        if (m_Off) Wow64RevertWow64FsRedirection(m_Saved);
    }
    CNativeFiles(const CNativeFiles&) = delete;
    CNativeFiles& operator=(const CNativeFiles&) = delete;

private:
    PVOID m_Saved = nullptr;
    bool m_Off = false;
};

inline MACHINE_PICTURE TakePicture() {
    MACHINE_PICTURE picture;
    for (const wchar_t* path : {L"Software", L"System\\CurrentControlSet\\Services",
                                L"System\\CurrentControlSet\\Control\\Session Manager"}) {
        detail::WalkKey(HKEY_LOCAL_MACHINE, L"HKLM", path, picture.Registry);
    }
    detail::WalkKey(HKEY_CURRENT_USER, L"HKCU", L"Software", picture.Registry);
    const CNativeFiles native;
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW(L"C:\\*", &found);
    if (find != INVALID_HANDLE_VALUE) {
        do
            picture.Files[std::wstring(L"C:\\") + found.cFileName] = L"<entry>";
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    wchar_t profile[MAX_PATH] = {};
    GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH);
    wchar_t temp[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TEMP", temp, MAX_PATH);
    for (const std::wstring& root :
         {std::wstring(L"C:\\windows"), std::wstring(L"C:\\Program Files"),
          std::wstring(L"C:\\Program Files (x86)"), std::wstring(L"C:\\ProgramData"),
          std::wstring(profile) + L"\\AppData", std::wstring(temp)})
        detail::WalkFolder(root, picture.Files);
    return picture;
}

// One line per entry added ("+"), removed ("-") or changed ("~").
inline std::vector<std::wstring> Differences(const MACHINE_PICTURE& before, const MACHINE_PICTURE& after) {
    std::vector<std::wstring> lines;
    detail::Compare(before.Registry, after.Registry, L"registry", lines);
    detail::Compare(before.Files, after.Files, L"file", lines);
    return lines;
}

} // namespace e2e
