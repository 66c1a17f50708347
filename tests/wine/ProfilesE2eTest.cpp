// Profiles end to end: TonvelDemo.exe on the display with the virtual headset, driven with real mouse and
// keyboard input. The first run changes the 60 Hz band, the effect and the LED and ends through the exit
// message; the second run in the same user folders starts with them (the screen report, a screenshot and
// the device log of that run show them), saves them through the real save dialog under a name typed without
// ".ini", changes the effect and loads the saved file back through the open dialog.

#include "tests/wine/E2eSupport.h"

namespace {

using namespace e2e;

const std::wstring DemoProgram = WinePath(TONVEL_DEMO_EXE);
const std::wstring BaseFolder = WinePath(TONVEL_E2E_DIR) + L"\\profiles";
const std::wstring UserProfile = BaseFolder + L"\\User";

// The Graphite skin: the page container's place in the window, the 60 Hz thumb on the EQ page (its centre
// at the middle of the range) and the top of the thumbs' range.
constexpr POINT Notebook = {392, 104};
constexpr POINT Thumb60Hz = {72 + 14, 144 + 7};
constexpr long EqRangeTop = 84;

const LABEL_SHOWN* Find(const SCREEN& screen, const std::string& name) {
    auto it = screen.labels.find(name);
    return it == screen.labels.end() ? nullptr : &it->second;
}

POINT Centre(const RECT& window, const RECT& client) {
    return {window.left + (client.left + client.right) / 2, window.top + (client.top + client.bottom) / 2};
}

bool ClickOn(const CDemo& demo, const std::string& name) {
    RECT rect{};
    const SCREEN screen = demo.Screen();
    const LABEL_SHOWN* shown = Find(screen, name);
    if (!shown || !GetWindowRect(demo.MainWindow(), &rect)) return false;
    const POINT at = Centre(rect, shown->bounds);
    ClickAt(at.x, at.y);
    return true;
}

bool Shows(const CDemo& demo, const std::string& name, const std::string& caption) {
    const SCREEN screen = demo.Screen();
    const LABEL_SHOWN* shown = Find(screen, name);
    return shown && shown->caption == caption;
}

bool Visible(const CDemo& demo, const std::string& name) {
    const SCREEN screen = demo.Screen();
    const LABEL_SHOWN* shown = Find(screen, name);
    return shown && shown->visible;
}

void Key(WORD virtualKey, wchar_t unit = 0) {
    INPUT input[2]{};
    for (int i = 0; i < 2; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = unit ? 0 : virtualKey;
        input[i].ki.wScan = unit;
        input[i].ki.dwFlags = (unit ? KEYEVENTF_UNICODE : 0) | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    SendInput(2, input, sizeof(INPUT));
    Sleep(40);
}

// The file dialog of the demo: found, its file name field emptied and `name` typed into it, then Enter.
bool TypeIntoFileDialog(const CDemo& demo, const std::wstring& name, HWND& dialog) {
    if (!WaitUntil([&] { return (dialog = FindProcessWindow(demo.Id(), L"#32770")) != nullptr; }, 20000))
        return false;
    Sleep(1500); // the dialog fills its folder view
    SetForegroundWindow(dialog);
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &focus) || !focus.hwndFocus)
        return false;
    SendMessageW(focus.hwndFocus, EM_SETSEL, 0, -1); // what the field holds is replaced by the typing
    for (const wchar_t unit : name)
        Key(0, unit);
    Key(VK_RETURN);
    return WaitUntil([&] { return !IsWindow(dialog); }, 20000);
}

bool LogHas(const std::vector<std::string>& log, const std::string& start) {
    for (const std::string& line : log)
        if (line.rfind(start, 0) == 0) return true;
    return false;
}

// A register write as the log shows it: the set-address report, then the write-data report.
bool LogWrites(const std::vector<std::string>& log, const char* address, const char* value) {
    const std::string set = std::string("out 00 60 ") + address + " 10";
    const std::string data = std::string("out 00 60 ") + value + " 01 20";
    for (size_t i = 0; i + 1 < log.size(); ++i)
        if (log[i].rfind(set, 0) == 0 && log[i + 1].rfind(data, 0) == 0) return true;
    return false;
}

class CRun {
public:
    CRun() : m_Demo(DemoProgram, BaseFolder) {}
    CDemo& Demo() { return m_Demo; }
    bool Start() {
        SetEnvironmentVariableW(L"USERPROFILE", UserProfile.c_str());
        if (!m_Demo.Start() || !m_Demo.WaitShown()) return false;
        SetForegroundWindow(m_Demo.MainWindow());
        Sleep(2000); // the labels and pictures settle
        return true;
    }
    bool End() {
        PostMessageW(m_Demo.MainWindow(), RegisterWindowMessageW(L"WM_ORV72xxAPP_EXIT"), 0, 0);
        return m_Demo.Ended(30000);
    }

private:
    CDemo m_Demo;
};

TEST(ProfilesE2e, TheSettingsAtExitComeBackAndASavedProfileLoadsThroughTheDialogs) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(BaseFolder), ignored);
    std::filesystem::create_directories(std::filesystem::path(UserProfile));
    const std::wstring lastProfile = BaseFolder + L"\\AppData\\Tonvel\\LastProfile.ini";

    // First run: the 60 Hz band to the top, Theater, the LED off; then the exit message.
    {
        CRun run;
        ASSERT_TRUE(run.Start()) << "the demo did not show";
        RECT rect{};
        GetWindowRect(run.Demo().MainWindow(), &rect);
        const POINT thumb = {rect.left + Notebook.x + Thumb60Hz.x, rect.top + Notebook.y + Thumb60Hz.y};
        DragFromTo(thumb, {thumb.x, thumb.y - 100});
        Sleep(300);
        ASSERT_TRUE(ClickOn(run.Demo(), "PageEffectLabel"));
        ASSERT_TRUE(WaitUntil([&] { return Visible(run.Demo(), "EffectButtonTheaterImage"); }, 10000));
        ASSERT_TRUE(ClickOn(run.Demo(), "EffectButtonTheaterImage"));
        ASSERT_TRUE(ClickOn(run.Demo(), "LEDImage"));
        ASSERT_TRUE(WaitUntil([&] { return Shows(run.Demo(), "LEDImage", "Led_Off.png"); }, 10000));
        CaptureScreen().Save(BaseFolder + L"\\first-run-changed.bmp");
        ASSERT_TRUE(run.End()) << "the exit message did not end the demo";
    }
    EXPECT_EQ(ReadProfile(lastProfile, L"EQ", L"S1").substr(0, 6), L"0xFFF,");
    EXPECT_EQ(ReadProfile(lastProfile, L"Effect", L"CurrentEffect"), L"2");
    EXPECT_EQ(ReadProfile(lastProfile, L"LED", L"LEDON"), L"0");

    // Second run: the settings are back, on the screen and on the device.
    CRun run;
    ASSERT_TRUE(run.Start()) << "the demo did not show again";
    CaptureScreen().Save(BaseFolder + L"\\second-run-start.bmp");
    const SCREEN screen = run.Demo().Screen();
    EXPECT_TRUE(Shows(run.Demo(), "EQ60HzValueLabel", "fff"));
    ASSERT_NE(Find(screen, "EQ60HzSliderImage"), nullptr);
    EXPECT_EQ(Find(screen, "EQ60HzSliderImage")->bounds.top, Notebook.y + EqRangeTop);
    EXPECT_TRUE(Shows(run.Demo(), "LEDImage", "Led_Off.png"));
    EXPECT_TRUE(Shows(run.Demo(), "EffectButtonTheaterImage", "EffectButton_Down.png"));
    EXPECT_TRUE(Shows(run.Demo(), "EffectButtonNonImage", "EffectButton_Up.png"));
    ASSERT_TRUE(ClickOn(run.Demo(), "PageEffectLabel"));
    ASSERT_TRUE(WaitUntil([&] { return Visible(run.Demo(), "EffectButtonTheaterImage"); }, 10000));
    CaptureScreen().Save(BaseFolder + L"\\second-run-effect-page.bmp");

    // Saved under a name typed without ".ini", then loaded back after choosing "Nothing".
    ASSERT_TRUE(ClickOn(run.Demo(), "Menu1Label"));
    HWND dialog = nullptr;
    ASSERT_TRUE(TypeIntoFileDialog(run.Demo(), L"Evening", dialog))
        << "the save dialog did not take the name";
    const std::wstring saved = UserProfile + L"\\Tonvel\\Evening.ini";
    ASSERT_TRUE(WaitUntil([&] { return std::filesystem::exists(std::filesystem::path(saved)); }, 10000))
        << "no Evening.ini in the default folder";
    EXPECT_EQ(ReadProfile(saved, L"Effect", L"CurrentEffect"), L"2");
    EXPECT_EQ(ReadProfile(run.Demo().UserConfig(), L"LastINI", L"Path"), saved);
    ASSERT_TRUE(ClickOn(run.Demo(), "EffectButtonNonImage"));
    ASSERT_TRUE(
        WaitUntil([&] { return Shows(run.Demo(), "EffectButtonNonImage", "EffectButton_Down.png"); }, 10000));
    ASSERT_TRUE(ClickOn(run.Demo(), "Menu2Label"));
    ASSERT_TRUE(TypeIntoFileDialog(run.Demo(), L"Evening.ini", dialog))
        << "the open dialog did not take the name";
    EXPECT_TRUE(WaitUntil(
        [&] { return Shows(run.Demo(), "EffectButtonTheaterImage", "EffectButton_Down.png"); }, 10000))
        << "the loaded profile's effect is not shown";
    CaptureScreen().Save(BaseFolder + L"\\second-run-loaded.bmp");
    ASSERT_TRUE(run.End()) << "the exit message did not end the demo";

    // The second run's device log: the 60 Hz gain, the LED's pin write and the Theater effect.
    const std::vector<std::string> log = run.Demo().DeviceLog();
    ASSERT_FALSE(log.empty()) << "no device log";
    EXPECT_TRUE(LogWrites(log, "20 01", "FF") && LogWrites(log, "21 01", "0F"))
        << "the 60 Hz gain was not written";
    EXPECT_TRUE(LogHas(log, "out 00 60 00 FF 3C")) << "the LED was not switched off";
    EXPECT_TRUE(LogHas(log, "ioctl 002230F0 00 00 00 00 01 00 00 00")) << "Theater was not selected";
}

} // namespace
