#include "platform/win32/Win32ProfileStrings.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

#include <vector>

namespace tonvel::win32 {

uint32_t CWin32ProfileStrings::GetString(const std::u16string& section, const std::u16string& key,
                                         const std::u16string& defaultValue, std::u16string& value,
                                         uint32_t bufferSize, const std::u16string& filePath) {
    value.clear();
    if (bufferSize == 0) return 0;
    std::vector<wchar_t> buffer(bufferSize, L'\0');
    const DWORD length = GetPrivateProfileStringW(Wide(section), Wide(key), Wide(defaultValue), buffer.data(),
                                                  bufferSize, Wide(filePath));
    value = FromWide(buffer.data(), length < bufferSize ? length : bufferSize - 1);
    return static_cast<uint32_t>(value.size());
}

bool CWin32ProfileStrings::WriteString(const std::u16string& section, const std::u16string& key,
                                       const std::u16string& value, const std::u16string& filePath) {
    return WritePrivateProfileStringW(Wide(section), Wide(key), Wide(value), Wide(filePath)) != FALSE;
}

} // namespace tonvel::win32
