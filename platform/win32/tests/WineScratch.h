#pragma once
// A scratch folder of the test process in the prefix's temporary folder, emptied and removed at the end.

#include <windows.h>

#include <string>

namespace tonvel::win32 {

class CWineScratch {
public:
    explicit CWineScratch(const std::u16string& tag) {
        wchar_t temp[MAX_PATH] = {};
        const DWORD length = GetTempPathW(MAX_PATH, temp);
        std::wstring folder(temp, length < MAX_PATH ? length : 0);
        if (!folder.empty() && folder.back() != L'\\') folder.push_back(L'\\');
        folder += L"tonvel-" + std::wstring(tag.begin(), tag.end()) + L"-" +
                  std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        m_Folder = folder;
    }
    CWineScratch(const CWineScratch&) = delete;
    CWineScratch& operator=(const CWineScratch&) = delete;
    ~CWineScratch() {
        WIN32_FIND_DATAW found;
        const HANDLE find = FindFirstFileW((m_Folder + L"*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                    DeleteFileW((m_Folder + found.cFileName).c_str());
            } while (FindNextFileW(find, &found));
            FindClose(find);
        }
        RemoveDirectoryW(m_Folder.c_str());
    }

    // The folder, with a trailing backslash.
    std::u16string Folder() const { return std::u16string(m_Folder.begin(), m_Folder.end()); }

private:
    std::wstring m_Folder;
};

} // namespace tonvel::win32
