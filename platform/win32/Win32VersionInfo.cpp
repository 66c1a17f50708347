#include "platform/win32/Win32VersionInfo.h"

#include <windows.h>

#include <winver.h>

#include <string>

namespace tonvel::win32 {

namespace {
const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
} // namespace

uint32_t CWin32VersionInfo::GetVersionInfoSize(std::u16string_view path) {
    const std::u16string file(path);
    DWORD handle = 0;
    return ::GetFileVersionInfoSizeW(Wide(file), &handle);
}

bool CWin32VersionInfo::GetVersionInfo(std::u16string_view path, std::vector<uint8_t>& block) {
    const std::u16string file(path);
    if (block.empty()) return false;
    return ::GetFileVersionInfoW(Wide(file), 0, static_cast<DWORD>(block.size()), block.data()) != FALSE;
}

bool CWin32VersionInfo::QueryVersionValue(const std::vector<uint8_t>& block, std::u16string_view subBlock,
                                          const void*& value, uint32_t& length) {
    const std::u16string name(subBlock);
    void* found = nullptr;
    UINT size = 0;
    if (!::VerQueryValueW(block.data(), Wide(name), &found, &size)) return false;
    value = found;
    length = size;
    return true;
}

} // namespace tonvel::win32
