// The demo's Mic page and LED end to end: the virtual headset's microphone speaks, so on the Mic page the
// level bar's width changes from one moment to the next (the demo's screen report gives the bar's bounds,
// and screenshots of the page are saved); a click on the LED button writes the pin reports that the device
// log shows at exit.

#include "tests/wine/E2eSupport.h"

#include <set>

namespace {

using namespace e2e;

const std::wstring DemoProgram = WinePath(TONVEL_DEMO_EXE);
const std::wstring BaseFolder = WinePath(TONVEL_E2E_DIR) + L"\\microphone";

// A component's bounds in the window's client area, from the screen report.
RECT BoundsOf(const SCREEN& screen, const std::string& name) {
    auto it = screen.labels.find(name);
    return it == screen.labels.end() ? RECT{} : it->second.bounds;
}

bool Visible(const SCREEN& screen, const std::string& name) {
    auto it = screen.labels.find(name);
    return it != screen.labels.end() && it->second.visible;
}

POINT Centre(const RECT& window, const RECT& client) {
    return {window.left + (client.left + client.right) / 2, window.top + (client.top + client.bottom) / 2};
}

bool LogHas(const std::vector<std::string>& log, const std::string& start) {
    for (const std::string& line : log)
        if (line.rfind(start, 0) == 0) return true;
    return false;
}

TEST(MicrophoneE2e, TheLevelBarMovesOnTheMicPageAndTheLedButtonSwitchesThePins) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(BaseFolder), ignored);
    CDemo demo(DemoProgram, BaseFolder);
    ASSERT_TRUE(demo.Start()) << "cannot start the demo";
    ASSERT_TRUE(demo.WaitShown()) << "the demo's window did not show";
    const HWND window = demo.MainWindow();
    SetForegroundWindow(window);
    Sleep(1000);
    RECT rect{};
    ASSERT_TRUE(GetWindowRect(window, &rect));

    SCREEN screen = demo.Screen();
    ClickAt(Centre(rect, BoundsOf(screen, "PageMicLabel")).x,
            Centre(rect, BoundsOf(screen, "PageMicLabel")).y);
    ASSERT_TRUE(WaitUntil([&] { return Visible(demo.Screen(), "MicProgressImage"); }, 10000))
        << "the Mic page did not show";

    // Over a few seconds the speaking microphone gives the bar several widths.
    std::set<long> widths;
    std::vector<CAPTURE> shots;
    RECT barArea{};
    for (int i = 0; i < 30; ++i) {
        const RECT bar = BoundsOf(demo.Screen(), "MicProgressImage");
        widths.insert(bar.right - bar.left);
        barArea = {rect.left + bar.left, rect.top + bar.top, rect.left + bar.left + 400,
                   rect.top + bar.bottom};
        if (i % 10 == 5) {
            shots.push_back(CaptureScreen());
            shots.back().Save(BaseFolder + L"\\mic-" + std::to_wstring(i / 10) + L".bmp");
        }
        Sleep(150);
    }
    EXPECT_GE(widths.size(), 3u) << "the level bar did not move";
    EXPECT_GT(*widths.rbegin(), 10) << "the level bar stayed empty";
    int changed = 0;
    for (size_t i = 1; i < shots.size(); ++i)
        for (long y = barArea.top; y < barArea.bottom; ++y)
            for (long x = barArea.left; x < barArea.right && x < shots[0].width; ++x)
                changed += shots[i].At(x, y) != shots[0].At(x, y);
    EXPECT_GT(changed, 0) << "the screenshots of the level bar are all alike";

    const POINT led = Centre(rect, BoundsOf(demo.Screen(), "LEDImage"));
    ClickAt(led.x, led.y);
    Sleep(1000);
    CaptureScreen().Save(BaseFolder + L"\\led-off.bmp");

    PostMessageW(window, RegisterWindowMessageW(L"WM_ORV72xxAPP_EXIT"), 0, 0);
    ASSERT_TRUE(demo.Ended(30000)) << "the exit message did not end the demo";
    const std::vector<std::string> log = demo.DeviceLog();
    EXPECT_TRUE(LogHas(log, "out 00 60 00 FF 3C")) << "no pin write in the device log";
}

} // namespace
