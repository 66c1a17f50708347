#pragma once
// UTF-16 text of portable code as the wide strings of the Win32 calls (wchar_t is 16-bit on Windows).

#include <string>

namespace tonvel::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string FromWide(const wchar_t* text, size_t length) {
    return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}
inline std::u16string FromWide(const std::wstring& text) {
    return FromWide(text.data(), text.size());
}

} // namespace tonvel::win32
