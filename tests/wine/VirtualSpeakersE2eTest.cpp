// The Effect and Virtual 7.1 pages of the demo panel end to end, with real mouse input at screen points:
// Theater is chosen, a speaker icon dragged and the clockwise rotation run for about a second; the device
// log the demo leaves holds the filter requests in order, and screenshots show the icons moving.

#include "tests/wine/E2eSupport.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

using namespace e2e;

const std::wstring DemoProgram = WinePath(TONVEL_DEMO_EXE);
const std::wstring BaseFolder = WinePath(TONVEL_E2E_DIR) + L"\\speakers";

constexpr double Step = 0.017453277777777776; // one rotation step
constexpr double Turn = 6.283185307179586;
constexpr size_t CentreIndex = 2, LeftSurroundIndex = 4; // speaker indexes
constexpr int Icon = 26;                                 // the speaker icons' size
// The Graphite skin (a new user's): the centre speaker's and the left surround's places on the page after
// the start-up's standard layout, and the label offsets the English language gives on their pages.
constexpr POINT CentreSpeaker{225, 49};
constexpr POINT LeftSurround{141, 133};
constexpr POINT ClockwiseLabel{32, 56};

// A label's bounds in the window from the demo's screen report ("name|visible|left,top,width,height|...").
bool LabelBounds(const std::wstring& report, const std::string& name, RECT& bounds) {
    std::ifstream file(std::filesystem::path(report), std::ios::binary);
    for (std::string line; std::getline(file, line);) {
        if (line.rfind(name + "|", 0) != 0) continue;
        const size_t second = line.find('|', name.size() + 1);
        long left = 0, top = 0, width = 0, height = 0;
        if (second == std::string::npos ||
            std::sscanf(line.c_str() + second + 1, "%ld,%ld,%ld,%ld", &left, &top, &width, &height) != 4)
            return false;
        bounds = {left, top, left + width, top + height};
        return width > 0 && height > 0;
    }
    return false;
}

POINT Centre(const RECT& window, const RECT& label) {
    return {window.left + (label.left + label.right) / 2, window.top + (label.top + label.bottom) / 2};
}

// Where the best copy of `icon` (an area of `from`) stands in `in`, searched within `range` pixels of
// `around`.
POINT FindIcon(const CAPTURE& from, POINT icon, const CAPTURE& in, POINT around, int range) {
    POINT best = around;
    int bestEqual = -1;
    for (int y = around.y - range; y <= around.y + range; ++y)
        for (int x = around.x - range; x <= around.x + range; ++x) {
            int equal = 0;
            for (int dy = 0; dy < Icon; ++dy)
                for (int dx = 0; dx < Icon; ++dx)
                    equal += from.At(icon.x + dx, icon.y + dy) == in.At(x + dx, y + dy);
            if (equal > bestEqual) bestEqual = equal, best = {x, y};
        }
    return best;
}

int Changed(const CAPTURE& a, const CAPTURE& b, POINT at) {
    int count = 0;
    for (int dy = 0; dy < Icon; ++dy)
        for (int dx = 0; dx < Icon; ++dx)
            count += a.At(at.x + dx, at.y + dy) != b.At(at.x + dx, at.y + dy);
    return count;
}

// The input bytes of an "ioctl CODE .." line of the device log for `code`; false for other lines.
bool Request(const std::string& line, const char* code, std::vector<uint8_t>& bytes) {
    const std::string head = std::string("ioctl ") + code;
    if (line.rfind(head, 0) != 0) return false;
    bytes.clear();
    std::istringstream hex(line.substr(head.size()));
    for (unsigned value = 0; hex >> std::hex >> value;)
        bytes.push_back(static_cast<uint8_t>(value));
    return true;
}

float FloatAt(const std::vector<uint8_t>& bytes, size_t offset) {
    float value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

TEST(VirtualSpeakersEndToEnd, TheaterThenADraggedSpeakerAndAClockwiseRotation) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(BaseFolder), ignored);
    std::filesystem::remove(std::filesystem::path(DemoProgram + L".device.txt"), ignored);
    CDemo demo(DemoProgram, BaseFolder);
    ASSERT_TRUE(demo.Start()) << "cannot start the demo";
    ASSERT_TRUE(demo.WaitShown()) << "the main window did not appear";
    RECT effectTab{}, virtualTab{}, theater{}, clockwise{};
    ASSERT_TRUE(WaitUntil(
        [&] {
            return LabelBounds(demo.Report(), "PageEffectLabel", effectTab) &&
                   LabelBounds(demo.Report(), "PageVirtual7p1Label", virtualTab) &&
                   LabelBounds(demo.Report(), "EffectTheaterLabel", theater) &&
                   LabelBounds(demo.Report(), "VirtualClockwiseLabel", clockwise);
        },
        10000))
        << "no label bounds in the screen report";
    RECT window{};
    ASSERT_TRUE(GetWindowRect(demo.MainWindow(), &window));
    Sleep(1000);

    // Effects tab, then Theater.
    const POINT effectAt = Centre(window, effectTab);
    ClickAt(effectAt.x, effectAt.y);
    Sleep(500);
    const POINT theaterAt = Centre(window, theater);
    ClickAt(theaterAt.x, theaterAt.y);
    Sleep(500);
    CaptureScreen().Save(BaseFolder + L"\\theater.bmp");

    // Virtual 7.1: the page's origin on the screen from where its clockwise label stands.
    const POINT virtualAt = Centre(window, virtualTab);
    ClickAt(virtualAt.x, virtualAt.y);
    Sleep(800);
    const POINT page{window.left + clockwise.left - ClockwiseLabel.x,
                     window.top + clockwise.top - ClockwiseLabel.y};
    const CAPTURE start = CaptureScreen();
    start.Save(BaseFolder + L"\\virtual-start.bmp");

    // Drag the left surround 20 pixels right and 10 down (inside the circle and the listener's picture).
    const POINT surround{page.x + LeftSurround.x, page.y + LeftSurround.y};
    const POINT moved{surround.x + 20, surround.y + 10};
    DragFromTo({surround.x + Icon / 2, surround.y + Icon / 2}, {moved.x + Icon / 2, moved.y + Icon / 2});
    Sleep(600);
    const CAPTURE dragged = CaptureScreen();
    dragged.Save(BaseFolder + L"\\virtual-dragged.bmp");
    EXPECT_GT(Changed(start, dragged, surround), Icon * Icon / 4) << "the icon did not leave its place";
    const POINT found = FindIcon(start, surround, dragged, surround, 30);
    EXPECT_EQ(found.x, moved.x) << "the icon is not where it was dragged";
    EXPECT_EQ(found.y, moved.y);

    // Clockwise on for about a second, with a screenshot every few ticks; then off again. The centre
    // speaker is followed from shot to shot within a range shorter than the 64 pixels to its neighbours
    // on the circle, which look much like it.
    const POINT clockwiseAt = Centre(window, clockwise);
    const POINT centre{page.x + CentreSpeaker.x, page.y + CentreSpeaker.y};
    ClickAt(clockwiseAt.x, clockwiseAt.y);
    std::vector<POINT> track{centre};
    for (int shot = 1; shot <= 5; ++shot) {
        Sleep(150);
        const CAPTURE now = CaptureScreen();
        now.Save(BaseFolder + L"\\rotation-" + std::to_wstring(shot) + L".bmp");
        const POINT last = track.back();
        track.push_back(FindIcon(dragged, centre, now, last, 40));
    }
    ClickAt(clockwiseAt.x, clockwiseAt.y);
    Sleep(500);
    const CAPTURE stopped = CaptureScreen();
    stopped.Save(BaseFolder + L"\\rotation-stopped.bmp");
    Sleep(500);
    EXPECT_EQ(Changed(stopped, CaptureScreen(), track.back()), 0) << "the rotation did not stop";
    // The centre speaker starts at the top of its circle: turning clockwise it goes right and down.
    for (size_t i = 1; i < track.size(); ++i) {
        EXPECT_GT(track[i].x, track[i - 1].x) << "screenshot " << i << ": not to the right";
        EXPECT_GE(track[i].y, track[i - 1].y) << "screenshot " << i << ": not downward";
    }

    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"WM_ORV72xxAPP_EXIT"), 0, 0);
    ASSERT_TRUE(demo.Ended(30000)) << "the exit message did not end the demo";

    // The device log: Theater's index 1, then the speakers' requests up to the shutdown's effect 0.
    const std::vector<std::string> log = demo.DeviceLog();
    size_t theaterLine = log.size(), shutdownLine = log.size();
    for (size_t i = 0; i < log.size(); ++i) {
        if (log[i] == "ioctl 002230F0 00 00 00 00 01 00 00 00" && theaterLine == log.size()) theaterLine = i;
        if (log[i] == "ioctl 002230F0 00 00 00 00 00 00 00 00") shutdownLine = i;
    }
    ASSERT_LT(theaterLine, log.size()) << "no effect-select request with index 1";
    ASSERT_LT(theaterLine, shutdownLine) << "no shutdown's effect 0 after it";
    std::vector<std::vector<uint8_t>> speakers;
    std::vector<uint8_t> bytes;
    for (size_t i = theaterLine + 1; i < shutdownLine; ++i)
        if (Request(log[i], "00223140", bytes)) speakers.push_back(bytes);
    ASSERT_FALSE(speakers.empty());
    // The drag's requests move the left surround and leave the centre speaker; every tick turns the centre
    // speaker (but perhaps the first, which only places the icons at their directions).
    size_t lastDrag = 0, drags = 0;
    for (size_t n = 0; n < speakers.size(); ++n) {
        ASSERT_EQ(speakers[n].size(), 72u) << n;
        if (n == 0 ||
            FloatAt(speakers[n], 40 + 4 * CentreIndex) != FloatAt(speakers[n - 1], 40 + 4 * CentreIndex))
            continue;
        lastDrag = n;
        drags += FloatAt(speakers[n], 40 + 4 * LeftSurroundIndex) !=
                 FloatAt(speakers[n - 1], 40 + 4 * LeftSurroundIndex);
    }
    ASSERT_GT(drags, 0u) << "no request from the drag";
    const size_t ticks = speakers.size() - 1 - lastDrag;
    EXPECT_GE(ticks, 25u) << "about a second at 50 ticks a second";
    EXPECT_LE(ticks, 150u);
    // A tick places the icons at their directions, then turns the directions: what it sends is one step
    // clockwise (down) on the tick before, give or take the angle of a pixel of truncation each way.
    double turned = 0;
    for (size_t n = lastDrag + 2; n < speakers.size(); ++n) {
        const double step = std::remainder(FloatAt(speakers[n], 40 + 4 * CentreIndex) -
                                               FloatAt(speakers[n - 1], 40 + 4 * CentreIndex),
                                           Turn);
        EXPECT_NEAR(step, -Step, 0.035) << "request " << n;
        turned += step;
    }
    EXPECT_NEAR(turned, -Step * static_cast<double>(ticks - 1), 0.04);
}

} // namespace
