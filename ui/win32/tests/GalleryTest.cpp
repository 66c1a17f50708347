// The Win32 backend with real windows: input routed through the queue and the hook into the framework,
// the system's controls running the components' actions, timers, broadcast, regions and pictures; and the
// gallery as the screen shows it (the harness takes a screenshot of the display while the test waits, then
// the test checks chosen pixels of it).

#include "ui/win32/tests/Gallery.h"
#include "base/text/Utf.h"
#include "ui/core/Region.h"
#include "ui/win32/Win32Backend.h"
#include "ui/win32/Win32Support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace tonvel::ui {
namespace {

using namespace gallery;

// Runs the queue for a while (the windows paint, timers tick).
void Pump(CApplication& app, DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        app.ProcessMessages();
        Sleep(10);
    }
}

struct FIXTURE {
    CWin32Backend backend;
    CApplication app{backend};
    GALLERY g;
};

class Win32BackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(BuildGallery(m.app, m.g));
        m.g.form->Show();
        Pump(m.app, 100);
    }
    HWND Form() const { return CWin32Backend::FormWindow(*m.g.form); }
    FIXTURE m;
};

TEST_F(Win32BackendTest, MousePressAndReleaseGoThroughTheHookToTheControl) {
    int clicks = 0, downs = 0;
    std::vector<uint32_t> hooked;
    m.app.OnMessage = [&](UI_MSG& msg, bool&) {
        if (msg.form == m.g.form.get()) hooked.push_back(msg.message);
    };
    m.g.image->OnClick = [&](CComponent&) { ++clicks; };
    m.g.image->OnMouseDown = [&](CComponent&, MouseButton button, ShiftState, UI_POINT client) {
        EXPECT_EQ(button, MouseButton::Left);
        EXPECT_EQ(client, (UI_POINT{5, 6}));
        ++downs;
    };
    const LPARAM point = MAKELPARAM(25, 26); // (5, 6) inside the image
    PostMessageW(Form(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(Form(), WM_LBUTTONUP, 0, point);
    m.app.ProcessMessages();
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_NE(std::find(hooked.begin(), hooked.end(), WM_LBUTTONDOWN), hooked.end());
    EXPECT_NE(std::find(hooked.begin(), hooked.end(), WM_LBUTTONUP), hooked.end());
    EXPECT_EQ(m.app.Capture(), nullptr);

    // A hook that takes the press keeps it from the control.
    m.app.OnMessage = [&](UI_MSG& msg, bool& handled) { handled = msg.message == WM_LBUTTONDOWN; };
    PostMessageW(Form(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    m.app.ProcessMessages();
    EXPECT_EQ(downs, 1);
}

TEST_F(Win32BackendTest, SystemControlsRunTheComponentsActions) {
    int clicks = 0, changes = 0;
    m.g.button->OnClick = [&](CComponent&) { ++clicks; };
    m.g.combo->OnChange = [&](CComponent&) { ++changes; };
    HWND button = CWin32Backend::ControlWindow(*m.g.button);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(IsWindowVisible(button));
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);

    SendMessageW(CWin32Backend::ControlWindow(*m.g.radio2), BM_CLICK, 0, 0);
    EXPECT_TRUE(m.g.radio2->Checked());
    EXPECT_FALSE(m.g.radio1->Checked());
    EXPECT_EQ(SendMessageW(CWin32Backend::ControlWindow(*m.g.radio1), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    HWND combo = CWin32Backend::ControlWindow(*m.g.combo);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 2);
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    SendMessageW(Form(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(m.g.combo->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);

    HWND list = CWin32Backend::ControlWindow(*m.g.folders);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(m.g.folders->Entries().size()));
    EXPECT_EQ(SendMessageW(CWin32Backend::ControlWindow(*m.g.progress), PBM_GETPOS, 0, 0), 60);

    // A hidden or disabled component hides or disables its control.
    m.g.panel->SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(button));
    m.g.panel->SetVisible(true);
    m.g.button->SetEnabled(false);
    EXPECT_TRUE(IsWindowVisible(button));
    EXPECT_FALSE(IsWindowEnabled(button));
}

TEST_F(Win32BackendTest, TimersTickThroughTheHook) {
    int ticks = 0, hooked = 0;
    CTimer* timer = m.g.form->Add<CTimer>(u"Timer");
    timer->SetInterval(20);
    timer->OnTimer = [&](CComponent&) { ++ticks; };
    m.app.OnMessage = [&](UI_MSG& msg, bool&) {
        if (msg.message == WM_TIMER && msg.wParam == timer->Id() && msg.form == m.g.form.get()) ++hooked;
    };
    for (int i = 0; i < 200 && ticks < 2; ++i)
        Pump(m.app, 10);
    EXPECT_GE(ticks, 2);
    EXPECT_GE(hooked, ticks);
    timer->SetTimerEnabled(false);
    Pump(m.app, 50);
    const int stopped = ticks;
    Pump(m.app, 100);
    EXPECT_EQ(ticks, stopped);
}

int g_threadTicks = 0;
void CALLBACK CountThreadTick(HWND, UINT, UINT_PTR, DWORD) {
    ++g_threadTicks;
}

// A timer without a window (one that code outside the framework may set) still reaches its procedure.
TEST_F(Win32BackendTest, ThreadTimersReachTheirProcedure) {
    g_threadTicks = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 10, &CountThreadTick);
    ASSERT_NE(id, 0u);
    for (int i = 0; i < 200 && g_threadTicks < 2; ++i)
        Pump(m.app, 10);
    KillTimer(nullptr, id);
    EXPECT_GE(g_threadTicks, 2);
}

TEST_F(Win32BackendTest, MessagesBroadcastAndPosted) {
    const uint32_t message = m.app.RegisterWindowMessage(u"TonvelGalleryTest");
    EXPECT_GE(message, 0xC000u);
    EXPECT_EQ(m.app.RegisterWindowMessage(u"TONVELGALLERYTEST"), message);
    int received = 0;
    m.g.form->OnWindowMessage = [&](CForm&, UI_MSG& msg, bool& handled) {
        if (msg.message == message) {
            EXPECT_EQ(msg.wParam, 7u);
            ++received;
            handled = true;
        }
    };
    m.app.Broadcast(message, 7, 0);
    m.app.ProcessMessages();
    EXPECT_EQ(received, 1); // once, though the system's broadcast reaches the window too

    // Posted to the application (no form): the hook reads it.
    int appMessages = 0;
    m.app.OnMessage = [&](UI_MSG& msg, bool&) {
        if (msg.message == UiWmUser + 5 && msg.form == nullptr && msg.lParam == 9) ++appMessages;
    };
    m.app.PostMessage(nullptr, UiWmUser + 5, 0, 9);
    m.app.PostMessage(m.g.form.get(), message, 7, 0);
    m.app.ProcessMessages();
    EXPECT_EQ(appMessages, 1);
    EXPECT_EQ(received, 2);

    // The application window is found by its class and title.
    m.app.SetTitle(u"Tonvel gallery application");
    EXPECT_EQ(FindWindowW(L"TApplication", L"Tonvel gallery application"), m.backend.ApplicationWindow());
}

TEST_F(Win32BackendTest, RegionClipsTheWindowAndBadBytesUnclipIt) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(Form(), region), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(region, 440, 30));
    EXPECT_TRUE(PtInRegion(region, 440, 70));
    EXPECT_TRUE(PtInRegion(region, 10, 10));

    std::vector<uint8_t> bad = BuildRegionData({{0, 0, 10, 10}});
    bad.pop_back(); // the rectangle does not fit
    EXPECT_FALSE(m.g.form->SetRegionData(bad));
    EXPECT_EQ(GetWindowRgn(Form(), region), ERROR);
    DeleteObject(region);
}

TEST_F(Win32BackendTest, FrameInsetsAndStyles) {
    EXPECT_EQ(m.g.form->FrameInsets(), (UI_RECT{}));
    EXPECT_EQ(GetWindowLongPtrW(Form(), GWL_STYLE) & WS_CAPTION, 0);
    CForm dialog(m.app);
    dialog.SetBorder(BorderStyle::Dialog);
    dialog.SetCaption(u"Dialog");
    const UI_RECT frame = dialog.FrameInsets();
    EXPECT_GT(frame.top, frame.left);
    EXPECT_GT(frame.left, 0);
    dialog.SetPosition(FormPosition::ScreenCenter);
    dialog.SetClientSize(300, 200);
    dialog.Show();
    HWND hwnd = CWin32Backend::FormWindow(dialog);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    RECT window;
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.left, dialog.Left());
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - dialog.Width()) / 2);
    wchar_t caption[32] = {};
    GetWindowTextW(hwnd, caption, 32);
    EXPECT_STREQ(caption, L"Dialog");
    dialog.Hide();
    EXPECT_FALSE(IsWindowVisible(hwnd));
}

TEST_F(Win32BackendTest, PicturesAndText) {
    struct CASE {
        PictureFormat format;
        bool decodes;
    };
    const CASE cases[] = {
        {PictureFormat::Png, true}, {PictureFormat::Bitmap, false}, {PictureFormat::Icon, false}};
    for (const CASE& c : cases) {
        PICTURE_INFO info;
        std::shared_ptr<void> native;
        EXPECT_EQ(m.backend.DecodePicture(AlphaPng(), c.format, info, native) == UiOk, c.decodes);
        if (!c.decodes) continue;
        EXPECT_EQ(info.width, 16);
        EXPECT_EQ(info.height, 16);
        EXPECT_TRUE(info.hasAlpha);
        EXPECT_NE(native, nullptr);
    }
    std::vector<uint8_t> cut(AlphaPng().begin(), AlphaPng().begin() + 40);
    PICTURE_INFO info;
    std::shared_ptr<void> native;
    EXPECT_NE(m.backend.DecodePicture(cut, PictureFormat::Png, info, native), UiOk);

    UI_FONT font;
    font.name = u"Tahoma";
    font.height = -20;
    const UI_SIZE one = m.backend.MeasureText(font, u"W");
    const UI_SIZE three = m.backend.MeasureText(font, u"WWW");
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(three.cx, 3 * one.cx);
    EXPECT_GE(one.cy, 20);
    EXPECT_EQ(m.g.label->Width(), m.backend.MeasureText(m.g.label->Font(), u"Tonvel").cx);
}

// A picture is checked when it is loaded and decoded by GDI+ only when it is first drawn, once.
TEST_F(Win32BackendTest, PicturesAreDecodedAtTheirFirstUse) {
    PICTURE_INFO info;
    std::shared_ptr<void> native;
    const uint32_t before = win32ui::PicturesDecoded();
    ASSERT_EQ(m.backend.DecodePicture(AlphaPng(), PictureFormat::Png, info, native), UiOk);
    EXPECT_EQ(win32ui::PicturesDecoded(), before) << "not decoded at loading";
    CPicture picture;
    picture.Assign(info, AlphaPng(), native, u"alpha.png");
    CPicture copy = picture;
    Gdiplus::Image* image = win32ui::PictureImage(picture);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetWidth(), 16u);
    EXPECT_EQ(win32ui::PicturesDecoded(), before + 1);
    EXPECT_EQ(win32ui::PictureImage(copy), image) << "copies share the decoded image";
    EXPECT_EQ(win32ui::PicturesDecoded(), before + 1);
    EXPECT_NE(win32ui::PictureIcon(picture, win32ui::SmallIconSize()), nullptr);
    // Released (a hidden window's pictures), it is decoded again at its next use.
    win32ui::ReleaseDecoded(picture);
    ASSERT_NE(win32ui::PictureImage(copy), nullptr);
    EXPECT_EQ(win32ui::PicturesDecoded(), before + 2);
}

TEST_F(Win32BackendTest, RunLoopEndsOnTerminate) {
    int seen = 0;
    m.app.OnMessage = [&](UI_MSG& msg, bool&) {
        if (msg.message == UiWmUser + 1) {
            ++seen;
            m.app.Terminate();
        }
    };
    m.app.PostMessage(m.g.form.get(), UiWmUser + 1);
    m.app.Run();
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(m.app.Terminated());
}

// ---- the screenshot

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct RGB_PIXEL {
    int r, g, b;
};

bool Near(RGB_PIXEL p, Colour c, int tolerance) {
    const int r = static_cast<int>(c & 0xFF), g = static_cast<int>((c >> 8) & 0xFF),
              b = static_cast<int>((c >> 16) & 0xFF);
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance;
}

TEST_F(Win32BackendTest, GalleryOnTheScreen) {
    const char* shotVariable = std::getenv("TONVEL_SCREENSHOT");
    if (!shotVariable || !*shotVariable) GTEST_SKIP() << "no screenshot harness (TONVEL_SCREENSHOT)";
    const std::u16string shot16 = Utf8ToUtf16(shotVariable);
    const std::wstring shot(shot16.begin(), shot16.end());
    Pump(m.app, 1000);
    RECT window;
    ASSERT_TRUE(GetWindowRect(Form(), &window));
    if (FILE* ready = _wfopen((shot + L".ready").c_str(), L"wb")) {
        std::fprintf(ready, "%ld %ld\n", static_cast<long>(window.left), static_cast<long>(window.top));
        std::fclose(ready);
    }
    // The harness writes the screenshot while the window stays painted.
    for (int i = 0; i < 600 && !FileExists(shot); ++i)
        Pump(m.app, 100);
    ASSERT_TRUE(FileExists(shot)) << "no screenshot came";

    std::vector<uint8_t> bytes;
    ASSERT_EQ(m.backend.ReadFile(std::u16string(shot.begin(), shot.end()), bytes), 0);
    PICTURE_INFO info;
    std::shared_ptr<void> native;
    ASSERT_EQ(m.backend.DecodePicture(bytes, PictureFormat::Png, info, native), UiOk);
    CPicture picture;
    picture.Assign(info, bytes, native, u"screenshot.png");
    auto* image = static_cast<Gdiplus::Bitmap*>(win32ui::PictureImage(picture));
    ASSERT_NE(image, nullptr);
    auto at = [&](int x, int y) { // a point of the form's window
        Gdiplus::Color c;
        image->GetPixel(window.left + x, window.top + y, &c);
        return RGB_PIXEL{c.GetR(), c.GetG(), c.GetB()};
    };

    struct POINT_CASE {
        const char* what;
        int x, y;
        Colour colour;
        bool equal;
        int tolerance;
    };
    const POINT_CASE points[] = {
        {"inside the notch: not the form", 440, 30, Background, false, 0},
        {"inside the notch, corner", 478, 2, Background, false, 0},
        {"below the notch: the form", 440, 70, Background, true, 2},
        {"the form's background", 460, 340, Background, true, 2},
        {"the picture's opaque half", 28, 36, Rgb(255, 0, 0), true, 2},
        {"the picture's half-transparent half over the background", 44, 36, Rgb(15, 167, 75), true, 6},
        {"the panel", 190, 170, PanelColour, true, 2},
        {"the active page", 440, 190, ActivePageColour, true, 2},
    };
    for (const POINT_CASE& p : points) {
        const RGB_PIXEL pixel = at(p.x, p.y);
        EXPECT_EQ(Near(pixel, p.colour, p.tolerance), p.equal)
            << p.what << " at (" << p.x << ", " << p.y << "): " << pixel.r << "," << pixel.g << ","
            << pixel.b;
    }
    // The label's text in its colour somewhere in its rectangle.
    int labelPixels = 0;
    for (int y = m.g.label->Top(); y < m.g.label->Top() + m.g.label->Height(); ++y)
        for (int x = m.g.label->Left(); x < m.g.label->Left() + m.g.label->Width(); ++x)
            if (Near(at(x, y), LabelColour, 8)) ++labelPixels;
    EXPECT_GT(labelPixels, 50);
}

} // namespace
} // namespace tonvel::ui
