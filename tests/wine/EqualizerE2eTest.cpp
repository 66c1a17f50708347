// The equalizer and the 3D switch end to end: TonvelDemo.exe on the display with the virtual headset, driven
// with real mouse input at the skin's screen points (press, moves, release, as a hand gives them); what
// reached the headset is read from the demo's device log after it ended through its normal shutdown.
// Screenshots are left in the test's folder.

#include "tests/wine/E2eSupport.h"

namespace {

using namespace e2e;

const std::wstring DemoProgram = WinePath(TONVEL_DEMO_EXE);
const std::wstring BaseFolder = WinePath(TONVEL_E2E_DIR) + L"\\equalizer";

// The Graphite skin (the program's default): the page container's place in the window, and the EQ page's
// controls in it.
constexpr POINT Notebook = {392, 104};
constexpr POINT Thumb60Hz = {72 + 14, 144 + 7}; // its centre at the middle of the range
constexpr POINT Preset2 = {99 + 20, 44 + 10};
constexpr POINT ResetPoint = {257 + 20, 10 + 10};
constexpr POINT Sound3DSwitch = {116 + 20, 10 + 10};

// One output report of the log whose first five bytes are `head` ("00 60 20 01 10"); the rest are zero.
bool IsOut(const std::string& line, const std::string& head) {
    const std::string prefix = "out " + head;
    if (line.compare(0, prefix.size(), prefix) != 0) return false;
    for (size_t i = prefix.size(); i + 2 < line.size(); i += 3)
        if (line.compare(i, 3, " 00") != 0) return false;
    return true;
}

// Where the reports with these heads follow one another in the log, from `from` on; npos when nowhere.
size_t FindReports(const std::vector<std::string>& log, const std::vector<std::string>& heads,
                   size_t from = 0) {
    for (size_t i = from; i + heads.size() <= log.size(); ++i) {
        bool all = true;
        for (size_t k = 0; k < heads.size() && all; ++k)
            all = IsOut(log[i + k], heads[k]);
        if (all) return i;
    }
    return std::string::npos;
}

const std::string IdleReport = "00 00 00 00 00";
// A register write: the set-address report, then the write-data report.
std::vector<std::string> Write(const char* address, const char* value) {
    return {std::string("00 60 ") + address + " 10", std::string("00 60 ") + value + " 01 20"};
}
std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class CPanelPoints {
public:
    explicit CPanelPoints(HWND window) { GetWindowRect(window, &m_Rect); }
    POINT OnPage(POINT p, int dy = 0) const {
        return {m_Rect.left + Notebook.x + p.x, m_Rect.top + Notebook.y + p.y + dy};
    }

private:
    RECT m_Rect{};
};

TEST(EqualizerEndToEnd, ThumbDragPresetResetAnd3DSwitchReachTheHeadset) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(BaseFolder), ignored);
    std::filesystem::create_directories(std::filesystem::path(BaseFolder));
    std::filesystem::remove(std::filesystem::path(DemoProgram + L".device.txt"), ignored);
    CDemo demo(DemoProgram, BaseFolder);
    ASSERT_TRUE(demo.Start()) << "cannot start the demo";
    ASSERT_TRUE(demo.WaitShown()) << "the main window did not appear";
    Sleep(2000); // the labels and pictures settle
    const CPanelPoints at(demo.MainWindow());
    CaptureScreen().Save(BaseFolder + L"\\before.bmp");

    // The 60 Hz thumb dragged past the top of its range, then a look at it.
    const POINT thumb = at.OnPage(Thumb60Hz);
    DragFromTo(thumb, at.OnPage(Thumb60Hz, -100));
    Sleep(500);
    CaptureScreen().Save(BaseFolder + L"\\eq-after-drag.bmp");
    // Preset 2 (its defaults go to the device), the thumb dragged up there too, then Reset.
    ClickAt(at.OnPage(Preset2).x, at.OnPage(Preset2).y);
    Sleep(300);
    DragFromTo(thumb, at.OnPage(Thumb60Hz, -100));
    Sleep(300);
    CaptureScreen().Save(BaseFolder + L"\\preset2-after-drag.bmp");
    ClickAt(at.OnPage(ResetPoint).x, at.OnPage(ResetPoint).y);
    Sleep(300);
    ClickAt(at.OnPage(Sound3DSwitch).x, at.OnPage(Sound3DSwitch).y);
    Sleep(500);
    CaptureScreen().Save(BaseFolder + L"\\eq-3d-on.bmp");

    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"WM_ORV72xxAPP_EXIT"), 0, 0);
    ASSERT_TRUE(demo.Ended(30000)) << "the demo did not end";
    const std::vector<std::string> log = demo.DeviceLog();
    ASSERT_FALSE(log.empty()) << "no device log";

    // The drag's last move: 0x120 := 0xFF and 0x121 := 0x0F, then the idle report.
    const auto top = Join({Write("20 01", "FF"), Write("21 01", "0F"), {IdleReport}});
    const size_t drag = FindReports(log, top);
    ASSERT_NE(drag, std::string::npos) << "the drag to the top did not reach the headset";
    // Preset 2: its whole block, neutral gains.
    const auto neutral = Join({Write("20 01", "00"), Write("21 01", "04"), Write("22 01", "00"),
                               Write("23 01", "04"), Write("24 01", "00"), Write("25 01", "04")});
    const size_t preset = FindReports(log, neutral, drag);
    ASSERT_NE(preset, std::string::npos) << "preset 2 was not sent";
    const size_t secondDrag = FindReports(log, top, preset);
    ASSERT_NE(secondDrag, std::string::npos) << "the drag on preset 2 did not reach the headset";
    // Reset: the bands back to neutral, then the block without an idle report of its own.
    const auto resetBlockEnd = Join({Write("28 01", "00"), Write("29 01", "E4"), {"00 60 29 01 10"}});
    const size_t reset = FindReports(log, resetBlockEnd, secondDrag);
    EXPECT_NE(reset, std::string::npos) << "Reset did not write the neutral block";
    // The 3D switch: the default pairs on both channels.
    const auto pairs = Join({Write("8B 01", "A3"), Write("8C 01", "A3"), {IdleReport}});
    EXPECT_NE(FindReports(log, pairs, secondDrag), std::string::npos)
        << "the 3D switch did not write the pairs";
}

} // namespace
