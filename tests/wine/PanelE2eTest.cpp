// The control panel end to end, as a user meets it: TonvelDemo.exe runs in its own process on the display,
// with a fresh user profile folder; the test watches it from outside through its windows, the screen, the
// tray menu, the exit message and the files it leaves. What the labels show and where comes from the demo's
// screen report (labels are painted, not windows); the screen's pixels in those areas show that they are
// painted. Screenshots of each phase are left in the test's folder.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
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
int DifferentPixels(const CAPTURE& a, const CAPTURE& b, const RECT& area) {
    int count = 0;
    for (int y = std::max(0, static_cast<int>(area.top));
         y < std::min(a.height, static_cast<int>(area.bottom)); ++y)
        for (int x = std::max(0, static_cast<int>(area.left));
             x < std::min(a.width, static_cast<int>(area.right)); ++x)
            count += a.At(x, y) != b.At(x, y);
    return count;
}

// The number of distinct colours in an area of a capture.
size_t Colours(const CAPTURE& capture, const RECT& area) {
    std::set<uint32_t> colours;
    for (int y = std::max(0, static_cast<int>(area.top));
         y < std::min(capture.height, static_cast<int>(area.bottom)); ++y)
        for (int x = std::max(0, static_cast<int>(area.left));
             x < std::min(capture.width, static_cast<int>(area.right)); ++x)
            colours.insert(capture.At(x, y));
    return colours.size();
}

// A label's area on the screen, for the window at `window`.
RECT LabelOnScreen(const LABEL_SHOWN& label, const RECT& window) {
    return {window.left + label.bounds.left, window.top + label.bounds.top, window.left + label.bounds.right,
            window.top + label.bounds.bottom};
}

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
    // Labels are painted where the window has them: text on a background, more than one colour.
    const LABEL_SHOWN saveLabel = screen.labels["Menu1Label"];
    const RECT saveArea = LabelOnScreen(saveLabel, rect);
    ASSERT_GT(saveArea.right - saveArea.left, 0) << "no bounds for Menu1Label in the report";
    EXPECT_GT(Colours(shown, saveArea), 1u) << "nothing painted in the label's area";

    // The tray menu: Language > the first language (Deutsch, the folders are sorted).
    ASSERT_TRUE(ChooseFromTrayMenu(demo.Id(), {VK_DOWN, VK_RIGHT, VK_RETURN}))
        << "the tray menu did not open";
    EXPECT_TRUE(WaitUntil([&] { return demo.Screen().Shows("Menu1Label", "Speichern"); }, 10000))
        << "the language did not change";
    screen = demo.Screen();
    EXPECT_TRUE(screen.Shows("DeviceActiveLabel", "Headset verbunden"));
    EXPECT_TRUE(screen.Shows("PageMicLabel", "Mikrofon"));
    Sleep(1000);
    const CAPTURE deutsch = CaptureScreen();
    deutsch.Save(folder + L"\\deutsch.bmp");
    // The screen follows: the label areas of both languages show other pixels than before.
    const RECT speichernArea = LabelOnScreen(screen.labels["Menu1Label"], rect);
    EXPECT_GT(DifferentPixels(shown, deutsch, saveArea) + DifferentPixels(shown, deutsch, speichernArea), 20)
        << "the label's pixels did not change with the language";
    EXPECT_GT(DifferentPixels(shown, deutsch, LabelOnScreen(screen.labels["PageMicLabel"], rect)), 10)
        << "the Microphone tab's pixels did not change with the language";

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
    // The demo went through its own shutdown: it wrote the virtual device's state on the way out, and the
    // log holds every report and filter request the panel made, each as a whole line.
    std::ifstream device(std::filesystem::path(kDemo + L".device.txt"));
    std::stringstream text;
    text << device.rdbuf();
    ASSERT_EQ(text.str().rfind("registers\n", 0), 0u) << text.str();
    std::istringstream lines(text.str());
    std::string line;
    unsigned reports = 0, requests = 0, reportLines = 0, ioctlLines = 0;
    std::vector<std::string> ioctls;
    while (std::getline(lines, line)) {
        if (std::sscanf(line.c_str(), "reports %u", &reports) == 1 ||
            std::sscanf(line.c_str(), "filter requests %u", &requests) == 1)
            continue;
        if (line.rfind("out ", 0) == 0 || line.rfind("in ", 0) == 0 || line == "in") {
            ++reportLines;
        } else if (line.rfind("ioctl ", 0) == 0) {
            ++ioctlLines;
            ioctls.push_back(line.substr(6, 8));
        }
    }
    EXPECT_EQ(reportLines, reports) << text.str();
    EXPECT_EQ(ioctlLines, requests) << text.str();
    std::string codes;
    for (const std::string& code : ioctls)
        codes += code + " ";
    std::printf("[ device   ] %u reports, filter requests: %s\n", reports, codes.c_str());
}

// A window of the test's own that covers the panel and takes the foreground, as another program would.
class CCover {
public:
    explicit CCover(const RECT& area) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = CreateSolidBrush(RGB(0x20, 0xC0, 0x40));
        windowClass.lpszClassName = L"TonvelE2eCover";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, L"TonvelE2eCover", L"cover", WS_POPUP | WS_VISIBLE, area.left - 10,
                                   area.top - 10, area.right - area.left + 20, area.bottom - area.top + 20,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
        SetForegroundWindow(m_window);
        Pump();
    }
    ~CCover() { DestroyWindow(m_window); }
    HWND Window() const { return m_window; }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }

private:
    HWND m_window = nullptr;
};

// Whether `above` lies above `below` in the z-order of the top-level windows.
bool Above(HWND above, HWND below) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == above) return true;
        if (w == below) return false;
    }
    return false;
}

TEST_F(PanelEndToEnd, ASecondInstanceBringsTheFirstForwardAndEnds) {
    const std::wstring folder = Folder("second");
    CDemo first(folder);
    ASSERT_TRUE(first.Start());
    ASSERT_TRUE(first.WaitShown());
    const HWND panel = first.MainWindow();
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(panel, &rect));

    // Another window covers the panel and is in front.
    CCover cover(rect);
    ASSERT_TRUE(WaitUntil(
        [&] {
            CCover::Pump();
            return GetForegroundWindow() == cover.Window() && Above(cover.Window(), panel);
        },
        10000))
        << "the cover did not come in front";
    Sleep(500);
    const CAPTURE covered = CaptureScreen();
    const POINT centre{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ASSERT_EQ(covered.At(centre.x, centre.y), 0x20C040u) << "the cover does not show";

    CDemo second(folder);
    ASSERT_TRUE(second.Start());
    DWORD exitCode = 1;
    ASSERT_TRUE(second.Ended(60000, &exitCode)) << "the second instance keeps running";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(first.Ended(0)) << "the first instance ended too";
    EXPECT_EQ(first.MainWindow(), panel);

    // The first panel is in front again: the foreground window is the first's, its main window lies above
    // the cover, and the screen shows the panel where the cover was.
    EXPECT_TRUE(WaitUntil(
        [&] {
            CCover::Pump();
            DWORD owner = 0;
            GetWindowThreadProcessId(GetForegroundWindow(), &owner);
            return owner == first.Id() && Above(panel, cover.Window());
        },
        10000))
        << "the first panel did not come forward";
    Sleep(1000);
    CCover::Pump();
    const CAPTURE forward = CaptureScreen();
    forward.Save(folder + L"\\forward.bmp");
    EXPECT_NE(forward.At(centre.x, centre.y), 0x20C040u) << "the screen still shows the cover";
    PostMessageW(HWND_BROADCAST, ExitMessage(), 0, 0);
    EXPECT_TRUE(first.Ended(30000));
}

} // namespace
