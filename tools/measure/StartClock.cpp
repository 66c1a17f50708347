// StartClock.exe PROGRAM [ARGS]: starts a program and prints, in milliseconds, the time from its start to
// its first visible top-level window and to its first wait for input after that (the window has been shown
// and painted by then), then ends it. Exit code 0, or 1 when no window came within 20 s.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD GiveUpMs = 20000;

struct SEARCH {
    DWORD ProcessId = 0;
    bool Found = false;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<SEARCH*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->ProcessId || !IsWindowVisible(window)) return TRUE;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    if (bounds.right - bounds.left <= 1 || bounds.bottom - bounds.top <= 1) return TRUE;
    search->Found = true;
    return FALSE;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: StartClock PROGRAM [ARGS]\n");
        return 2;
    }
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    for (int i = 2; i < argc; ++i)
        command += L" " + std::wstring(argv[i]);
    LARGE_INTEGER frequency, start, shown, idle;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start the program (%lu)\n", GetLastError());
        return 2;
    }
    SEARCH search;
    search.ProcessId = process.dwProcessId;
    for (;;) {
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&shown);
        if (search.Found || Milliseconds(start, shown, frequency) > GiveUpMs) break;
        Sleep(1);
    }
    WaitForInputIdle(process.hProcess, GiveUpMs);
    QueryPerformanceCounter(&idle);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, GiveUpMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!search.Found) {
        std::fprintf(stderr, "no visible window\n");
        return 1;
    }
    std::printf("%.1f %.1f\n", Milliseconds(start, shown, frequency), Milliseconds(start, idle, frequency));
    return 0;
}
