// The system's open and save dialogs, message boxes and reading a file from the host.

#include "ui/win32/Win32Backend.h"

#include "ui/core/Application.h"
#include "ui/win32/Win32Support.h"

#include <commdlg.h>

namespace tonvel::ui {
namespace {

using namespace win32ui;

// "Text (*.txt)|*.txt|All|*.*" as the dialog wants it: each part ended by a nul, the list by another.
std::u16string DialogFilter(const std::u16string& filter) {
    std::u16string result = filter;
    for (char16_t& c : result)
        if (c == u'|') c = u'\0';
    result.push_back(u'\0');
    result.push_back(u'\0');
    return result;
}

HWND OwnerWindow(CApplication* app) {
    if (!app) return nullptr;
    HWND owner = nullptr;
    for (CForm* form : app->Forms())
        if (form->Visible())
            if (HWND hwnd = CWin32Backend::FormWindow(*form)) owner = hwnd;
    return owner;
}

} // namespace

bool CWin32Backend::RunFileDialog(CFileDialog& dialog, bool save) {
    constexpr size_t BufferLength = 32768;
    std::vector<wchar_t> file(BufferLength, L'\0');
    const size_t length = std::min(dialog.FileName.size(), BufferLength - 1);
    std::copy(Wide(dialog.FileName), Wide(dialog.FileName) + length, file.begin());
    const std::u16string filter = DialogFilter(dialog.Filter);
    std::u16string defaultExt = dialog.DefaultExt;
    if (!defaultExt.empty() && defaultExt.front() == u'.') defaultExt.erase(0, 1);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = OwnerWindow(dialog.Application());
    ofn.lpstrFilter = dialog.Filter.empty() ? nullptr : Wide(filter);
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(BufferLength);
    ofn.lpstrInitialDir = dialog.InitialDir.empty() ? nullptr : Wide(dialog.InitialDir);
    ofn.lpstrTitle = dialog.Title.empty() ? nullptr : Wide(dialog.Title);
    ofn.lpstrDefExt = defaultExt.empty() ? nullptr : Wide(defaultExt);
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    if (save)
        ofn.Flags |= OFN_OVERWRITEPROMPT;
    else
        ofn.Flags |= OFN_FILEMUSTEXIST;
    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return false;
    file.back() = L'\0';
    dialog.FileName = FromWide(file.data());
    return true;
}

int32_t CWin32Backend::MessageBox(CForm* owner, const std::u16string& text, const std::u16string& caption,
                                  uint32_t flags) {
    HWND hwnd = owner ? FormWindow(*owner) : nullptr;
    return MessageBoxW(hwnd, Wide(text), Wide(caption), flags);
}

int32_t CWin32Backend::ReadFile(const std::u16string& path, std::vector<uint8_t>& bytes) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return static_cast<int32_t>(GetLastError());
    LARGE_INTEGER size{};
    int32_t status = 0;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) {
        status = size.QuadPart > 0x7FFFFFFF ? ERROR_FILE_TOO_LARGE : static_cast<int32_t>(GetLastError());
    } else {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        size_t done = 0;
        while (done < bytes.size()) {
            DWORD got = 0;
            if (!::ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got,
                            nullptr)) {
                status = static_cast<int32_t>(GetLastError());
                break;
            }
            if (got == 0) break;
            done += got;
        }
        bytes.resize(done);
    }
    CloseHandle(file);
    if (status != 0) bytes.clear();
    return status;
}

} // namespace tonvel::ui
