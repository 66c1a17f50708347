#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <string>

namespace tonvel::win32 {

namespace {

// {00021401-0000-0000-C000-000000000046}, {000214F9-0000-0000-C000-000000000046},
// {0000010B-0000-0000-C000-000000000046}
constexpr GUID ShellLinkClass = {
    0x00021401, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID ShellLinkInterface = {
    0x000214F9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr GUID PersistFileInterface = {
    0x0000010B, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

} // namespace

int32_t CWin32Shell::CoInitialize() {
    return ::CoInitialize(nullptr);
}

void CWin32Shell::CoUninitialize() {
    ::CoUninitialize();
}

int32_t CWin32Shell::CreateShellLink(COM_OBJECT& link) {
    link = nullptr;
    return ::CoCreateInstance(ShellLinkClass, nullptr, CLSCTX_INPROC_SERVER, ShellLinkInterface, &link);
}

int32_t CWin32Shell::QueryPersistFile(COM_OBJECT link, COM_OBJECT& persistFile) {
    persistFile = nullptr;
    if (!link) return E_POINTER;
    return static_cast<IUnknown*>(link)->QueryInterface(PersistFileInterface, &persistFile);
}

int32_t CWin32Shell::SetLinkPath(COM_OBJECT link, std::u16string_view target) {
    if (!link) return E_POINTER;
    const std::u16string path(target);
    return static_cast<IShellLinkW*>(link)->SetPath(Wide(path));
}

int32_t CWin32Shell::SaveFile(COM_OBJECT persistFile, std::u16string_view path, bool remember) {
    if (!persistFile) return E_POINTER;
    const std::u16string file(path);
    return static_cast<IPersistFile*>(persistFile)->Save(Wide(file), remember ? TRUE : FALSE);
}

void CWin32Shell::Release(COM_OBJECT object) {
    if (object) static_cast<IUnknown*>(object)->Release();
}

} // namespace tonvel::win32
