#pragma once
// What the end-to-end tests share: a program of the build run in its own process with its own user folder,
// watched from outside through its windows, the screen, the tray menu and the files it leaves, and driven
// with real mouse input at screen points.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace e2e {

// A path of the build tree (given as a Unix path) as wine shows it: drive Z: is the root.
inline std::wstring WinePath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* p = unixPath; *p; ++p)
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return path;
}

inline bool WaitUntil(const std::function<bool()>& condition, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(100);
    }
    return true;
}

// The visible top-level window of a class that a process owns.
inline HWND FindProcessWindow(DWORD processId, const wchar_t* className, bool mustBeVisible = true) {
    struct SEARCH {
        DWORD processId;
        const wchar_t* className;
        bool mustBeVisible;
        HWND found;
    } search{processId, className, mustBeVisible, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) CALLBACK -> BOOL {
            auto& s = *reinterpret_cast<SEARCH*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            wchar_t name[64] = {};
            GetClassNameW(hwnd, name, 64);
            if (owner != s.processId || wcscmp(name, s.className) != 0) return TRUE;
            if (s.mustBeVisible && !IsWindowVisible(hwnd)) return TRUE;
            s.found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct LABEL_SHOWN {
    bool visible = false;
    RECT bounds{}; // in the window's client area
    std::string caption;
};

// The demo's screen report: "shown|0/1", then "name|visible|left,top,width,height|caption" per label.
struct SCREEN {
    bool shown = false;
    std::map<std::string, LABEL_SHOWN> labels;

    bool Shows(const std::string& name, const std::string& caption) const {
        auto it = labels.find(name);
        return it != labels.end() && it->second.visible && it->second.caption == caption;
    }
};

inline SCREEN ReadScreen(const std::wstring& path) {
    SCREEN screen;
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        const size_t first = line.find('|');
        if (first == std::string::npos) continue;
        const std::string name = line.substr(0, first);
        if (name == "shown") {
            screen.shown = line.substr(first + 1) == "1";
            continue;
        }
        const size_t second = line.find('|', first + 1);
        const size_t third = second == std::string::npos ? second : line.find('|', second + 1);
        if (third == std::string::npos) continue;
        LABEL_SHOWN label;
        label.visible = line.substr(first + 1, second - first - 1) == "1";
        long left = 0, top = 0, width = 0, height = 0;
        if (std::sscanf(line.c_str() + second + 1, "%ld,%ld,%ld,%ld", &left, &top, &width, &height) == 4)
            label.bounds = {left, top, left + width, top + height};
        label.caption = line.substr(third + 1);
        screen.labels[name] = label;
    }
    return screen;
}

// The whole display as 32-bit pixels (0x00RRGGBB), read through the screen's device context.
struct CAPTURE {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    // Saves the capture as a 32-bit BMP to look at.
    void Save(const std::wstring& path) const {
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER info{};
        info.biSize = sizeof info;
        info.biWidth = width;
        info.biHeight = -height;
        info.biPlanes = 1;
        info.biBitCount = 32;
        const DWORD bytes = static_cast<DWORD>(pixels.size() * 4);
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info;
        file.bfSize = file.bfOffBits + bytes;
        std::ofstream out(std::filesystem::path(path), std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&info), sizeof info);
        out.write(reinterpret_cast<const char*>(pixels.data()), bytes);
    }
};

// The pixels of an area (screen coordinates, cut to the screen) in which two captures differ.
inline int DifferentPixels(const CAPTURE& a, const CAPTURE& b, const RECT& area) {
    int count = 0;
    for (int y = std::max(0, static_cast<int>(area.top));
         y < std::min(a.height, static_cast<int>(area.bottom)); ++y)
        for (int x = std::max(0, static_cast<int>(area.left));
             x < std::min(a.width, static_cast<int>(area.right)); ++x)
            count += a.At(x, y) != b.At(x, y);
    return count;
}

// The number of distinct colours in an area of a capture.
inline size_t Colours(const CAPTURE& capture, const RECT& area) {
    std::set<uint32_t> colours;
    for (int y = std::max(0, static_cast<int>(area.top));
         y < std::min(capture.height, static_cast<int>(area.bottom)); ++y)
        for (int x = std::max(0, static_cast<int>(area.left));
             x < std::min(capture.width, static_cast<int>(area.right)); ++x)
            colours.insert(capture.At(x, y));
    return colours.size();
}

// A label's area on the screen, for the window at `window`.
inline RECT LabelOnScreen(const LABEL_SHOWN& label, const RECT& window) {
    return {window.left + label.bounds.left, window.top + label.bounds.top, window.left + label.bounds.right,
            window.top + label.bounds.bottom};
}

inline CAPTURE CaptureScreen() {
    CAPTURE capture;
    capture.width = GetSystemMetrics(SM_CXSCREEN);
    capture.height = GetSystemMetrics(SM_CYSCREEN);
    capture.pixels.assign(static_cast<size_t>(capture.width) * capture.height, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = -capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, capture.width, capture.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < capture.pixels.size(); ++i)
        capture.pixels[i] = source[i] & 0x00FFFFFFu;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

inline std::wstring ReadProfile(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = {};
    GetPrivateProfileStringW(section, key, L"", value, 256, file.c_str());
    return value;
}

// One run of the demo with its own user profile folder; ended (by force, if the test did not end it) when
// the test is over.
class CDemo {
public:
    CDemo(const std::wstring& program, const std::wstring& folder) : m_Program(program), m_Folder(folder) {}
    ~CDemo() {
        if (!m_Process.hProcess) return;
        if (WaitForSingleObject(m_Process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_Process.hProcess, 99);
        CloseHandle(m_Process.hProcess);
        CloseHandle(m_Process.hThread);
    }

    bool Start() {
        std::filesystem::create_directories(std::filesystem::path(m_Folder + L"\\AppData"));
        SetEnvironmentVariableW(L"APPDATA", (m_Folder + L"\\AppData").c_str());
        SetEnvironmentVariableW(L"TONVEL_DEMO_REPORT", Report().c_str());
        std::wstring command = L"\"" + m_Program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        return CreateProcessW(m_Program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &m_Process) != FALSE;
    }

    std::wstring Report() const { return m_Folder + L"\\screen.txt"; }
    std::wstring UserConfig() const { return m_Folder + L"\\AppData\\Tonvel\\AudioConfig.cfg"; }
    SCREEN Screen() const { return ReadScreen(Report()); }
    DWORD Id() const { return m_Process.dwProcessId; }
    HWND MainWindow() const { return FindProcessWindow(Id(), L"TonvelForm"); }

    bool Ended(DWORD ms, DWORD* exitCode = nullptr) const {
        if (WaitForSingleObject(m_Process.hProcess, ms) != WAIT_OBJECT_0) return false;
        if (exitCode) GetExitCodeProcess(m_Process.hProcess, exitCode);
        return true;
    }

    // Waits for the main window and for the report to say it is shown.
    bool WaitShown() const {
        return WaitUntil([&] { return MainWindow() != nullptr && Screen().shown; }, 60000);
    }

    // The device log the demo writes at exit: its lines.
    std::vector<std::string> DeviceLog() const {
        std::vector<std::string> lines;
        std::ifstream file(std::filesystem::path(m_Program + L".device.txt"));
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

private:
    std::wstring m_Program;
    std::wstring m_Folder;
    PROCESS_INFORMATION m_Process{};
};

// Opens the tray icon's menu as a right-click on the icon does (the icon's callback, WM_APP + 1, for the
// panel's only icon, 1) and walks it with the keyboard.
inline bool ChooseFromTrayMenu(DWORD processId, std::initializer_list<WPARAM> keys) {
    const HWND application = FindProcessWindow(processId, L"TApplication", false);
    if (!application) return false;
    PostMessageW(application, WM_APP + 1, 1, WM_RBUTTONUP);
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = FindProcessWindow(processId, L"#32768")) != nullptr; }, 10000))
        return false;
    for (const WPARAM key : keys) {
        PostMessageW(menu, WM_KEYDOWN, key, 0);
        Sleep(300);
    }
    return WaitUntil([&] { return FindProcessWindow(processId, L"#32768") == nullptr; }, 10000);
}

// Real mouse input, as a hand gives it: the cursor moved to a screen point, the left button pressed or
// released there (SendInput with absolute coordinates over the primary screen).
inline void MouseTo(int x, int y, DWORD buttonFlags = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (x * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = (y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
    SendInput(1, &input, sizeof input);
    Sleep(60);
}

inline void ClickAt(int x, int y) {
    MouseTo(x, y);
    MouseTo(x, y, MOUSEEVENTF_LEFTDOWN);
    MouseTo(x, y, MOUSEEVENTF_LEFTUP);
}

// Press at `from`, move in `steps` steps to `to`, release there.
inline void DragFromTo(POINT from, POINT to, int steps = 8) {
    MouseTo(from.x, from.y);
    MouseTo(from.x, from.y, MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= steps; ++i)
        MouseTo(from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps);
    MouseTo(to.x, to.y, MOUSEEVENTF_LEFTUP);
}

// The first child window of `parent` of this class (and with this text, when one is given).
inline HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* text = nullptr) {
    HWND found = nullptr;
    struct SEARCH {
        const wchar_t* className;
        const wchar_t* text;
        HWND* found;
    } search{className, text, &found};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<SEARCH*>(data);
            wchar_t name[64] = {}, text[256] = {};
            GetClassNameW(child, name, 64);
            GetWindowTextW(child, text, 256);
            if (_wcsicmp(name, s->className) != 0 || (s->text && wcscmp(text, s->text) != 0)) return TRUE;
            *s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return found;
}

// A click in the middle of a window, with the real mouse.
inline void ClickWindow(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// A folder copied file by file, so that a run changes only its own copy.
inline void CopyFolder(const std::wstring& from, const std::wstring& to) {
    namespace fs = std::filesystem;
    fs::create_directories(fs::path(to));
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(fs::path(from))) {
        const fs::path target = fs::path(to) / fs::relative(entry.path(), fs::path(from));
        if (entry.is_directory())
            fs::create_directories(target);
        else
            fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
    }
}

} // namespace e2e
