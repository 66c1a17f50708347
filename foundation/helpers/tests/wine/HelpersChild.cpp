// A small program for the wine tests of RunProgram: lives about 500 ms, then leaves a marker file beside
// itself ("<own path>.done") so that the test can tell whether it has ended.
#include <windows.h>

#include <string>

int main() {
    Sleep(500);
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    const std::wstring marker = std::wstring(path, length) + L".done";
    HANDLE file =
        CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    CloseHandle(file);
    return 0;
}
