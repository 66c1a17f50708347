#include "platform/win32/Win32Environment.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <shlobj.h>

namespace tonvel::win32 {

void CWin32DebugOutput::Write(const std::u16string& text) {
    OutputDebugStringW(Wide(text));
}

bool CWin32Environment::Variable(const std::u16string& name, std::u16string& value) {
    std::wstring buffer(256, L'\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length =
            GetEnvironmentVariableW(Wide(name), buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return false;
            value.clear();
            return true;
        }
        if (length < buffer.size()) {
            value = FromWide(buffer.data(), length);
            return true;
        }
        buffer.resize(length);
    }
}

int32_t CWin32Environment::FolderPath(int32_t csidl, std::u16string& path) {
    wchar_t buffer[MAX_PATH] = {};
    const HRESULT result = SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer);
    path = result == S_OK ? FromWide(buffer, wcslen(buffer)) : std::u16string();
    return static_cast<int32_t>(result);
}

std::u16string CWin32Environment::SystemDirectory() {
    wchar_t buffer[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return FromWide(buffer, length);
}

} // namespace tonvel::win32
