// Mouse input through the queue: the hook first, then the control under the cursor; capture keeps a drag
// going outside the window until the release; clicks; move by caption.

#include "ui/tests/UiTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvel::ui::test {
namespace {

struct DragPanel : UiFixture {
    CPanel* panel;
    CImage* thumb;
    CImage* back;
    std::vector<std::string> log;
    DragPanel() {
        panel = form.Add<CPanel>(u"Panel");
        panel->SetBounds(20, 20, 200, 200);
        back = panel->Add<CImage>(u"Back");
        back->SetBounds(0, 0, 200, 200);
        thumb = panel->Add<CImage>(u"Thumb");
        thumb->SetBounds(50, 50, 10, 20);
    }
};

std::string Describe(const UI_MSG& msg) {
    switch (msg.message) {
    case UiWmLButtonDown:
        return "hook-down";
    case UiWmLButtonUp:
        return "hook-up";
    case UiWmMouseMove:
        return "hook-move";
    case UiWmTimer:
        return "hook-timer";
    default:
        return "hook-" + std::to_string(msg.message);
    }
}

TEST(MouseDispatch, HookSeesEveryMessageBeforeTheControl) {
    DragPanel t;
    t.app.OnMessage = [&](UI_MSG& msg, bool&) { t.log.push_back(Describe(msg)); };
    t.thumb->OnMouseDown = [&](CComponent&, MouseButton, ShiftState, UI_POINT p) {
        t.log.push_back("down " + std::to_string(p.x) + "," + std::to_string(p.y));
    };
    t.thumb->OnMouseUp = [&](CComponent&, MouseButton, ShiftState, UI_POINT) { t.log.push_back("up"); };
    t.thumb->OnClick = [&](CComponent&) { t.log.push_back("click"); };
    t.backend.Press(t.At(*t.thumb, 3, 4));
    t.backend.Release(t.At(*t.thumb, 3, 4));
    EXPECT_EQ(t.log, (std::vector<std::string>{"hook-down", "down 3,4", "hook-up", "up", "click"}));
}

TEST(MouseDispatch, HandledInTheHookStopsDispatch) {
    DragPanel t;
    int downs = 0;
    t.app.OnMessage = [&](UI_MSG& msg, bool& handled) { handled = msg.message == UiWmLButtonDown; };
    t.thumb->OnMouseDown = [&](CComponent&, MouseButton, ShiftState, UI_POINT) { ++downs; };
    t.backend.Press(t.At(*t.thumb, 1, 1));
    EXPECT_EQ(downs, 0);
}

TEST(MouseDispatch, DragContinuesOutsideTheWindowUntilRelease) {
    DragPanel t;
    // The way the panel drags a thumb: the hook records the press, moves follow the cursor.
    CComponent* grabbed = nullptr;
    UI_POINT press, origin;
    t.app.OnMessage = [&](UI_MSG& msg, bool&) {
        if (msg.message == UiWmLButtonDown) {
            press = t.app.CursorPos();
            grabbed = t.panel->ControlAtPos(t.panel->ScreenToClient(press), true);
            if (grabbed) origin = {grabbed->Left(), grabbed->Top()};
        } else if (msg.message == UiWmMouseMove && grabbed) {
            const UI_POINT cursor = t.app.CursorPos();
            grabbed->SetTop(origin.y + cursor.y - press.y);
        } else if (msg.message == UiWmLButtonUp) {
            grabbed = nullptr;
        }
    };
    std::vector<UI_POINT> thumbMoves;
    t.thumb->OnMouseMove = [&](CComponent&, ShiftState shift, UI_POINT p) {
        EXPECT_TRUE(shift & ShiftLeft);
        thumbMoves.push_back(p);
    };
    const UI_POINT start = t.At(*t.thumb, 5, 5);
    t.backend.Press(start);
    ASSERT_EQ(grabbed, t.thumb);
    EXPECT_EQ(t.backend.CaptureForm(), &t.form);
    // Far below the window (it ends at y = 350): the messages still come, to the captured thumb.
    t.backend.MoveTo({start.x, start.y + 400});
    EXPECT_EQ(t.thumb->Top(), 50 + 400);
    ASSERT_EQ(thumbMoves.size(), 1u);
    EXPECT_EQ(thumbMoves.back(), (UI_POINT{5, 5 + 400 - 400})); // client point of the moved thumb
    t.backend.MoveTo({start.x + 1000, start.y - 30});
    EXPECT_EQ(t.thumb->Top(), 20);
    t.backend.Release({start.x + 1000, start.y - 30});
    EXPECT_EQ(t.backend.CaptureForm(), nullptr);
    // After the release, a move outside the window reaches nobody.
    t.backend.MoveTo({start.x + 1000, start.y + 300});
    EXPECT_EQ(t.thumb->Top(), 20);
    EXPECT_EQ(thumbMoves.size(), 2u);
}

TEST(MouseDispatch, ClickNeedsPressAndReleaseOnTheSameControl) {
    DragPanel t;
    int thumbClicks = 0, backClicks = 0;
    t.thumb->OnClick = [&](CComponent&) { ++thumbClicks; };
    t.back->OnClick = [&](CComponent&) { ++backClicks; };
    struct CASE {
        UI_POINT pressAt, releaseAt;
        int thumb, back;
    } cases[] = {
        {{55, 55}, {56, 56}, 1, 0},   // inside the thumb
        {{55, 55}, {150, 150}, 0, 0}, // pressed on the thumb, released elsewhere: no click
        {{150, 150}, {151, 150}, 0, 1},
    };
    for (const CASE& c : cases) {
        thumbClicks = backClicks = 0;
        t.backend.Press(t.At(*t.panel, c.pressAt.x, c.pressAt.y));
        t.backend.Release(t.At(*t.panel, c.releaseAt.x, c.releaseAt.y));
        EXPECT_EQ(thumbClicks, c.thumb);
        EXPECT_EQ(backClicks, c.back);
    }
}

TEST(MouseDispatch, DisabledControlPassesThePressToWhatLiesBelow) {
    DragPanel t;
    std::vector<std::string> got;
    t.thumb->SetEnabled(false);
    t.thumb->OnMouseDown = [&](CComponent&, MouseButton, ShiftState, UI_POINT) { got.push_back("thumb"); };
    t.back->OnMouseDown = [&](CComponent&, MouseButton, ShiftState, UI_POINT) { got.push_back("back"); };
    t.backend.Press(t.At(*t.thumb, 1, 1));
    t.backend.Release(t.At(*t.thumb, 1, 1));
    EXPECT_EQ(got, std::vector<std::string>{"back"});
}

TEST(MouseDispatch, RightButtonAndShiftReachTheForm) {
    UiFixture t;
    MouseButton button = MouseButton::Left;
    ShiftState shift = 0;
    UI_POINT point;
    t.form.OnMouseDown = [&](CComponent&, MouseButton b, ShiftState s, UI_POINT p) {
        button = b;
        shift = s;
        point = p;
    };
    t.backend.Press(t.At(t.form, 7, 8), MouseButton::Right, ShiftCtrl);
    EXPECT_EQ(button, MouseButton::Right);
    EXPECT_EQ(shift, ShiftRight | ShiftCtrl);
    EXPECT_EQ(point, (UI_POINT{7, 8}));
}

TEST(MouseDispatch, MoveByCaptionDragsTheWindowUntilRelease) {
    UiFixture t;
    t.form.OnMouseDown = [&](CComponent&, MouseButton b, ShiftState, UI_POINT) {
        if (b == MouseButton::Left) t.form.BeginMoveByCaption();
    };
    const UI_POINT start = t.At(t.form, 10, 10);
    t.backend.Press(start);
    EXPECT_EQ(t.backend.MovingForm(), &t.form);
    EXPECT_EQ(t.app.Capture(), nullptr);
    t.backend.MoveTo({start.x + 30, start.y + 40});
    EXPECT_EQ(t.form.Left(), 130);
    EXPECT_EQ(t.form.Top(), 90);
    t.backend.Release({start.x + 50, start.y + 40});
    EXPECT_EQ(t.form.Left(), 150);
    EXPECT_EQ(t.backend.MovingForm(), nullptr);
    t.backend.MoveTo({0, 0});
    EXPECT_EQ(t.form.Left(), 150);
}

TEST(MouseDispatch, RegionDecidesWhichWindowGetsThePress) {
    UiFixture t;
    // An L-shaped outline: the top-right quarter is not part of the window.
    t.form.SetRegionData(BuildRegionData({{0, 0, 200, 300}, {200, 150, 400, 300}}));
    int presses = 0;
    t.form.OnMouseDown = [&](CComponent&, MouseButton, ShiftState, UI_POINT) { ++presses; };
    t.backend.Press(t.At(t.form, 300, 50));
    t.backend.Release(t.At(t.form, 300, 50));
    EXPECT_EQ(presses, 0);
    t.backend.Press(t.At(t.form, 300, 200));
    t.backend.Release(t.At(t.form, 300, 200));
    EXPECT_EQ(presses, 1);
}

} // namespace
} // namespace tonvel::ui::test
