// The control panel end to end, as a user meets it: TonvelDemo.exe runs in its own process on the display,
// with a fresh user profile folder; the test watches it from outside through its windows, the screen, the
// tray menu, the exit message and the files it leaves. What the labels show comes from the demo's screen
// report (labels are painted, not windows). Screenshots of each phase are left in the test's folder.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A path of the build tree (given as a Unix path) as wine shows it: drive Z: is the root.
std::wstring WinePath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* p = unixPath; *p; ++p)
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return path;
}

const std::wstring kDemo = WinePath(TONVEL_DEMO_EXE);
const std::wstring kFolder = WinePath(TONVEL_E2E_DIR);

bool WaitUntil(const std::function<bool()>& condition, DWORD ms) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > ms) return false;
        Sleep(100);
    }
    return true;
}

// The visible top-level window of a class that a process owns.
HWND FindProcessWindow(DWORD processId, const wchar_t* className, bool mustBeVisible = true) {
    struct SEARCH {
        DWORD processId;
        const wchar_t* className;
        bool mustBeVisible;
        HWND found;
    } search{processId, className, mustBeVisible, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
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
    std::string caption;
};

// The demo's screen report: "shown|0/1", then "name|visible|caption" per label.
struct SCREEN {
    bool shown = false;
    std::map<std::string, LABEL_SHOWN> labels;

    bool Shows(const std::string& name, const std::string& caption) const {
        auto it = labels.find(name);
        return it != labels.end() && it->second.visible && it->second.caption == caption;
    }
};

SCREEN ReadScreen(const std::wstring& path) {
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
        if (second == std::string::npos) continue;
        screen.labels[name] = {line.substr(first + 1, second - first - 1) == "1", line.substr(second + 1)};
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

CAPTURE CaptureScreen() {
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

std::wstring ReadProfile(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = {};
    GetPrivateProfileStringW(section, key, L"", value, 256, file.c_str());
    return value;
}

// One run of the demo with its own user profile folder; ended (by force, if the test did not end it) when
// the test is over.
class CDemo {
public:
    explicit CDemo(const std::wstring& folder) : m_folder(folder) {}
    ~CDemo() {
        if (!m_process.hProcess) return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(m_process.hProcess, 99);
        CloseHandle(m_process.hProcess);
        CloseHandle(m_process.hThread);
    }

    bool Start() {
        std::filesystem::create_directories(std::filesystem::path(m_folder + L"\\AppData"));
        SetEnvironmentVariableW(L"APPDATA", (m_folder + L"\\AppData").c_str());
        SetEnvironmentVariableW(L"TONVEL_DEMO_REPORT", Report().c_str());
        std::wstring command = L"\"" + kDemo + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        return CreateProcessW(kDemo.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &m_process) != FALSE;
    }

    std::wstring Report() const { return m_folder + L"\\screen.txt"; }
    std::wstring UserConfig() const { return m_folder + L"\\AppData\\Tonvel\\AudioConfig.cfg"; }
    SCREEN Screen() const { return ReadScreen(Report()); }
    DWORD Id() const { return m_process.dwProcessId; }
    HWND MainWindow() const { return FindProcessWindow(Id(), L"TonvelForm"); }

    bool Ended(DWORD ms, DWORD* exitCode = nullptr) const {
        if (WaitForSingleObject(m_process.hProcess, ms) != WAIT_OBJECT_0) return false;
        if (exitCode) GetExitCodeProcess(m_process.hProcess, exitCode);
        return true;
    }

    // Waits for the main window and for the report to say it is shown.
    bool WaitShown() const {
        return WaitUntil([&] { return MainWindow() != nullptr && Screen().shown; }, 60000);
    }

private:
    std::wstring m_folder;
    PROCESS_INFORMATION m_process{};
};

// Opens the tray icon's menu as a right-click on the icon does (the icon's callback, WM_APP + 1, for the
// panel's only icon, 1) and walks it with the keyboard.
bool ChooseFromTrayMenu(DWORD processId, std::initializer_list<WPARAM> keys) {
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

class PanelEndToEnd : public ::testing::Test {
protected:
    static std::wstring Folder(const char* name) {
        const std::wstring folder = kFolder + L"\\" + std::wstring(name, name + strlen(name));
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(folder), ignored);
        std::filesystem::create_directories(std::filesystem::path(folder));
        return folder;
    }
    static UINT ExitMessage() { return RegisterWindowMessageW(L"WM_ORV72xxAPP_EXIT"); }
};

TEST_F(PanelEndToEnd, ShowsTheSkinnedPanelSwitchesLanguageFromTheTrayAndEndsOnTheExitMessage) {
    const std::wstring folder = Folder("panel");
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::path(kDemo + L".device.txt"), ignored);
    const CAPTURE before = CaptureScreen();
    CDemo demo(folder);
    ASSERT_TRUE(demo.Start()) << "cannot start " << std::string(kDemo.begin(), kDemo.end());
    ASSERT_TRUE(demo.WaitShown()) << "the main window did not appear";
    const HWND window = demo.MainWindow();

    // English texts, the virtual headset connected.
    ASSERT_TRUE(WaitUntil([&] { return demo.Screen().Shows("Menu1Label", "Save"); }, 10000));
    SCREEN screen = demo.Screen();
    EXPECT_TRUE(screen.Shows("DeviceActiveLabel", "Headset connected"));
    EXPECT_TRUE(screen.Shows("PageEQLabel", "Equalizer"));
    EXPECT_TRUE(screen.Shows("PageMicLabel", "Microphone"));
    EXPECT_TRUE(
        screen.Shows("FeaturesLabel", "5-band equalizer - 3D sound - room effects - virtual 7.1 speakers"));

    // The window has the skin's outline: the region leaves out points of the window's rectangle, the screen
    // there still shows what was there before, and the panel shows inside.
    Sleep(1500); // painting settles
    const CAPTURE shown = CaptureScreen();
    shown.Save(folder + L"\\english.bmp");
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window, &rect));
    HRGN outline = CreateRectRgn(0, 0, 0, 0);
    ASSERT_EQ(GetWindowRgn(window, outline), COMPLEXREGION) << "no window outline";
    int outside = 0, outsideUnchanged = 0, inside = 0, insideChanged = 0;
    for (int y = rect.top; y < rect.bottom; y += 3) {
        for (int x = rect.left; x < rect.right; x += 3) {
            if (x < 0 || y < 0 || x >= shown.width || y >= shown.height) continue;
            if (PtInRegion(outline, x - rect.left, y - rect.top)) {
                ++inside;
                insideChanged += shown.At(x, y) != before.At(x, y);
            } else {
                ++outside;
                outsideUnchanged += shown.At(x, y) == before.At(x, y);
            }
        }
    }
    DeleteObject(outline);
    ASSERT_GT(outside, 0) << "the outline is the whole rectangle";
    EXPECT_EQ(outsideUnchanged, outside) << "the panel painted outside its outline";
    EXPECT_GT(insideChanged, inside * 9 / 10) << "the panel does not show inside its outline";

    // The tray menu: Language > the first language (Deutsch, the folders are sorted).
    ASSERT_TRUE(ChooseFromTrayMenu(demo.Id(), {VK_DOWN, VK_RIGHT, VK_RETURN}))
        << "the tray menu did not open";
    EXPECT_TRUE(WaitUntil([&] { return demo.Screen().Shows("Menu1Label", "Speichern"); }, 10000))
        << "the language did not change";
    screen = demo.Screen();
    EXPECT_TRUE(screen.Shows("DeviceActiveLabel", "Headset verbunden"));
    EXPECT_TRUE(screen.Shows("PageMicLabel", "Mikrofon"));
    Sleep(1000);
    CaptureScreen().Save(folder + L"\\deutsch.bmp");

    // Skin > the first skin (Azure): its background is 780 x 480, the window follows it.
    ASSERT_TRUE(ChooseFromTrayMenu(demo.Id(), {VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}));
    EXPECT_TRUE(WaitUntil(
        [&] {
            RECT now{};
            return GetWindowRect(window, &now) && now.right - now.left == 780 && now.bottom - now.top == 480;
        },
        10000))
        << "the skin did not change";
    EXPECT_TRUE(demo.Screen().Shows("Menu1Label", "Speichern")) << "the skin switch changed the language";
    Sleep(1000);
    CaptureScreen().Save(folder + L"\\azure.bmp");

    // The exit message ends the panel; the user configuration file holds the choice.
    PostMessageW(HWND_BROADCAST, ExitMessage(), 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(demo.Ended(30000, &exitCode)) << "the exit message did not end the panel";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(ReadProfile(demo.UserConfig(), L"Language", L"DefaultLanguage"), L"Deutsch");
    EXPECT_EQ(ReadProfile(demo.UserConfig(), L"Skin", L"DefaultSkin"), L"Azure");
    // The demo went through its own shutdown: it wrote the virtual device's state on the way out.
    std::ifstream device(std::filesystem::path(kDemo + L".device.txt"));
    std::stringstream text;
    text << device.rdbuf();
    EXPECT_EQ(text.str().rfind("registers\n", 0), 0u) << text.str();
}

TEST_F(PanelEndToEnd, ASecondInstanceBringsTheFirstForwardAndEnds) {
    const std::wstring folder = Folder("second");
    CDemo first(folder);
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.WaitShown());
    CDemo second(folder);
    ASSERT_TRUE(second.Start());
    DWORD exitCode = 1;
    ASSERT_TRUE(second.Ended(60000, &exitCode)) << "the second instance keeps running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(first.Ended(0)) << "the first instance ended too";
    EXPECT_NE(first.MainWindow(), nullptr);
    PostMessageW(HWND_BROADCAST, ExitMessage(), 0, 0);
    EXPECT_TRUE(first.Ended(30000));
}

} // namespace
