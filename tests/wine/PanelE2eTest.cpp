// The control panel end to end, as a user meets it: TonvelDemo.exe runs in its own process on the display,
// with a fresh user profile folder; the test watches it from outside through its windows, the screen, the
// tray menu, the exit message and the files it leaves. What the labels show and where comes from the demo's
// screen report (labels are painted, not windows); the screen's pixels in those areas show that they are
// painted. Screenshots of each phase are left in the test's folder.

#include "tests/wine/E2eSupport.h"

namespace {

using namespace e2e;

const std::wstring DemoProgram = WinePath(TONVEL_DEMO_EXE);
const std::wstring BaseFolder = WinePath(TONVEL_E2E_DIR);

class PanelEndToEnd : public ::testing::Test {
protected:
    static std::wstring Folder(const char* name) {
        const std::wstring folder = BaseFolder + L"\\" + std::wstring(name, name + strlen(name));
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
    std::filesystem::remove(std::filesystem::path(DemoProgram + L".device.txt"), ignored);
    const CAPTURE before = CaptureScreen();
    CDemo demo(DemoProgram, folder);
    ASSERT_TRUE(demo.Start()) << "cannot start " << std::string(DemoProgram.begin(), DemoProgram.end());
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
    std::ifstream device(std::filesystem::path(DemoProgram + L".device.txt"));
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
        m_Window = CreateWindowExW(0, L"TonvelE2eCover", L"cover", WS_POPUP | WS_VISIBLE, area.left - 10,
                                   area.top - 10, area.right - area.left + 20, area.bottom - area.top + 20,
                                   nullptr, nullptr, windowClass.hInstance, nullptr);
        SetForegroundWindow(m_Window);
        Pump();
    }
    ~CCover() { DestroyWindow(m_Window); }
    HWND Window() const { return m_Window; }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }

private:
    HWND m_Window = nullptr;
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
    CDemo first(DemoProgram, folder);
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

    CDemo second(DemoProgram, folder);
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
