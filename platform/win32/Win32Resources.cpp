#include "platform/win32/Win32Resources.h"

#include <windows.h>

#include <string>

namespace tonvel::win32 {

RESOURCE_INFO_HANDLE CWin32Resources::FindOwnResource(uint16_t id, std::u16string_view typeName) {
    const std::u16string type(typeName);
    return ::FindResourceW(nullptr, MAKEINTRESOURCEW(id), reinterpret_cast<const wchar_t*>(type.c_str()));
}

uint32_t CWin32Resources::SizeofResource(RESOURCE_INFO_HANDLE info) {
    return ::SizeofResource(nullptr, static_cast<HRSRC>(info));
}

RESOURCE_DATA_HANDLE CWin32Resources::LoadResource(RESOURCE_INFO_HANDLE info) {
    return ::LoadResource(nullptr, static_cast<HRSRC>(info));
}

const void* CWin32Resources::LockResource(RESOURCE_DATA_HANDLE data) {
    return ::LockResource(data);
}

} // namespace tonvel::win32
