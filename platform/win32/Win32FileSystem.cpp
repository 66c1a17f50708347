#include "platform/win32/Win32FileSystem.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

namespace tonvel::win32 {

namespace {

int32_t LastError() {
    return static_cast<int32_t>(GetLastError());
}
int32_t Result(BOOL ok) {
    return ok ? FileOk : LastError();
}

} // namespace

uint32_t CWin32FileSystem::Attributes(const std::u16string& path) {
    return GetFileAttributesW(Wide(path));
}

int32_t CWin32FileSystem::CreateFolder(const std::u16string& path) {
    return Result(CreateDirectoryW(Wide(path), nullptr));
}

int32_t CWin32FileSystem::RemoveFolder(const std::u16string& path) {
    return Result(RemoveDirectoryW(Wide(path)));
}

int32_t CWin32FileSystem::ReadAll(const std::u16string& path, std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastError();
    int32_t status = FileOk;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) {
        status = GetLastError() != 0 ? LastError() : FileAccessDenied;
    } else {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        if (!bytes.empty() &&
            !ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
            status = LastError();
        }
        bytes.resize(read);
    }
    CloseHandle(file);
    return status;
}

int32_t CWin32FileSystem::WriteAll(const std::u16string& path, const void* data, size_t size) {
    HANDLE file =
        CreateFileW(Wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return LastError();
    int32_t status = FileOk;
    DWORD written = 0;
    if (size > 0 && !WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr)) {
        status = LastError();
    } else if (written != size) {
        status = FileWriteFault;
    }
    CloseHandle(file);
    return status;
}

int32_t CWin32FileSystem::Copy(const std::u16string& from, const std::u16string& to, bool failIfExists) {
    return Result(CopyFileW(Wide(from), Wide(to), failIfExists ? TRUE : FALSE));
}

int32_t CWin32FileSystem::Delete(const std::u16string& path) {
    return Result(DeleteFileW(Wide(path)));
}

int32_t CWin32FileSystem::Move(const std::u16string& from, const std::u16string& to, uint32_t flags) {
    return Result(MoveFileExW(Wide(from), to.empty() ? nullptr : Wide(to), flags));
}

int32_t CWin32FileSystem::List(const std::u16string& folder, bool folders,
                               std::vector<std::u16string>& names) {
    names.clear();
    std::u16string pattern = folder;
    if (!pattern.empty() && pattern.back() != u'\\') pattern.push_back(u'\\');
    pattern += u"*";
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW(Wide(pattern), &data);
    if (find == INVALID_HANDLE_VALUE) {
        const int32_t error = LastError();
        return error == ERROR_FILE_NOT_FOUND ? FileOk : error;
    }
    do {
        const std::u16string name = FromWide(data.cFileName, wcslen(data.cFileName));
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder == folders) names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return FileOk;
}

int32_t CWin32FileSystem::ListFolders(const std::u16string& folder, std::vector<std::u16string>& names) {
    return List(folder, true, names);
}

int32_t CWin32FileSystem::ListFiles(const std::u16string& folder, std::vector<std::u16string>& names) {
    return List(folder, false, names);
}

std::u16string CWin32FileSystem::ModuleFileName() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return FromWide(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace tonvel::win32
