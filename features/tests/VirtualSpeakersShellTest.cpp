// The Virtual 7.1 page through the main window on the simulated Windows: start-up's sends, dragging the
// speaker icons with the mouse, the enable switch, Reset, the rotation on the window's timer, the skin
// switch and shutdown, and the 72 bytes the filter driver receives.

#include "device/FilterChannel.h"
#include "features/SpeakerGeometry.h"
#include "panel/form/tests/ShellFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace tonvel {
namespace {

constexpr size_t LeftIndex = 0, RightIndex = 1, CentreIndex = 2;
constexpr uint32_t TickMs = 20;

float FloatAt(const sim::SIM_DRIVER_REQUEST& request, size_t offset) {
    float value = 0;
    std::memcpy(&value, request.Input.data() + offset, 4);
    return value;
}
float Gain(const sim::SIM_DRIVER_REQUEST& request, size_t speaker) {
    return FloatAt(request, 8 + 4 * speaker);
}
float Direction(const sim::SIM_DRIVER_REQUEST& request, size_t speaker) {
    return FloatAt(request, 40 + 4 * speaker);
}

struct SpeakerShell : Shell {
    explicit SpeakerShell(bool device = true) : Shell(device) {
        Start();
        ShowPanel();
        if (device) Click(*form->Label(u"PageVirtual7p1Label"));
        sim.FilterDriver().ClearRequests();
    }
    void Click(ui::CComponent& c) {
        backend.Press(At(c, 2, 2));
        backend.Release(At(c, 2, 2));
    }
    // Press on the icon, move by (dx, dy) in `steps` equal steps, release.
    void DragIcon(ui::CComponent& icon, int32_t dx, int32_t dy, int32_t steps = 1) {
        backend.Press(At(icon, 2, 2));
        const ui::UI_POINT start = At(icon, 2, 2);
        for (int32_t i = 1; i <= steps; ++i)
            backend.MoveTo({start.x + dx * i / steps, start.y + dy * i / steps});
        backend.Release({start.x + dx, start.y + dy});
    }
    CVirtualSpeakers& Speakers() { return form->Features().VirtualSpeakers(); }
    ui::CImage& Icon(const char16_t* name) { return *form->Image(name); }
    SPEAKER_CIRCLE Circle() { return Speakers().Circle(); }
    const std::vector<sim::SIM_DRIVER_REQUEST>& Requests() { return sim.FilterDriver().Requests(); }
    bool AllSpeakerRequests() {
        for (const auto& r : Requests())
            if (r.Code != DriverSetVirtualSpeakersCode || r.Input.size() != 72 || r.OutputSize != 0)
                return false;
        return true;
    }
};

void ExpectLayout(SpeakerShell& t, const SPEAKER_POSITIONS& expected) {
    const SPEAKER_POSITIONS now = t.Speakers().Positions();
    for (size_t i = 0; i < SpeakerCount; ++i) {
        EXPECT_EQ(now[i].Left, expected[i].Left) << i;
        EXPECT_EQ(now[i].Top, expected[i].Top) << i;
    }
}

TEST(VirtualSpeakersShell, StartUpSendsTheIconsThenTheStandardLayoutSwitchedOff) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    const auto& requests = t.sim.FilterDriver().Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].Code, DriverQueryStateCode);
    EXPECT_EQ(requests[1].Code, DriverSetVirtualSpeakersCode);
    EXPECT_EQ(requests[2].Code, DriverGeneralRequestCode);
    EXPECT_EQ(requests[3].Code, DriverSetVirtualSpeakersCode);
    EXPECT_EQ(requests[1].Input[4], 0);
    EXPECT_EQ(requests[3].Input[4], 0);
    EXPECT_GT(Gain(requests[1], CentreIndex), 0.0f) << "the icons where the skin put them, not zeros";
}

TEST(VirtualSpeakersShell, TheSeventyTwoBytesByteForByte) {
    SpeakerShell t;
    const SPEAKER_CIRCLE c = t.Circle();
    SPEAKER_POSITIONS positions;
    positions.fill({c.CenterX, c.CenterY});
    positions[RightIndex] = {c.CenterX + 90, c.CenterY};
    positions[CentreIndex] = {c.CenterX, c.CenterY - 90};
    t.Speakers().Restore(true, positions);
    ASSERT_EQ(t.Requests().size(), 1u);
    std::vector<uint8_t> expected(72, 0);
    expected[4] = 1;                                        // enable
    const uint8_t one[] = {0x00, 0x00, 0x80, 0x3F};         // 1.0f
    const uint8_t quarterTurn[] = {0xDB, 0x0F, 0xC9, 0x3F}; // atan2(90, 0) as a float
    std::memcpy(&expected[8 + 4 * RightIndex], one, 4);
    std::memcpy(&expected[8 + 4 * CentreIndex], one, 4);
    std::memcpy(&expected[40 + 4 * CentreIndex], quarterTurn, 4);
    EXPECT_EQ(t.Requests()[0].Code, DriverSetVirtualSpeakersCode);
    EXPECT_EQ(t.Requests()[0].Input, expected);
    EXPECT_EQ(t.Requests()[0].OutputSize, 0u);
    EXPECT_EQ(t.form->Image(u"VirtualEnableImage")->Picture().Path().find(u"VirtualEnable_Down"),
              t.form->Image(u"VirtualEnableImage")->Picture().Path().size() - 22);
}

TEST(VirtualSpeakersShell, DraggingAnIconSendsItsPlaceOnEveryMoveWithinTheCircle) {
    const struct {
        const char* what;
        int32_t dx, dy;
        bool moves;
    } cases[] = {
        {"a little to the right", 12, 0, true},
        {"toward the listener", 0, 40, true},
        {"the corner leaves the circle", 0, -200, false},
    };
    for (const auto& c : cases) {
        SpeakerShell t;
        ui::CImage& icon = t.Icon(u"VirtualCImage");
        const int32_t left = icon.Left(), top = icon.Top();
        t.DragIcon(icon, c.dx, c.dy, 3);
        EXPECT_EQ(icon.Left(), c.moves ? left + c.dx : left) << c.what;
        EXPECT_EQ(icon.Top(), c.moves ? top + c.dy : top) << c.what;
        EXPECT_EQ(t.Requests().size(), c.moves ? 3u : 0u) << c.what;
        EXPECT_TRUE(t.AllSpeakerRequests()) << c.what;
        if (!c.moves) continue;
        float gain = 0;
        const SPEAKER_RECORD record = SpeakerRecord(t.Circle(), {icon.Left(), icon.Top()}, gain);
        EXPECT_EQ(Gain(t.Requests().back(), CentreIndex), gain) << c.what;
        EXPECT_EQ(Direction(t.Requests().back(), CentreIndex), record.Direction) << c.what;
        EXPECT_EQ(t.Speakers().Records()[CentreIndex].Distance, record.Distance) << c.what;
    }
}

// The page's pictures and buttons are not dragged, and the rotation buttons never warn.
TEST(VirtualSpeakersShell, OnlyTheIconsAreGrabbed) {
    for (const bool device : {true, false}) {
        SpeakerShell t;
        if (!device) t.sim.Devices().Unplug(t.sim.Headset());
        t.backend.ClearMessageBoxes();
        for (const char16_t* name : {u"VirtualClockwiseImage", u"VirtualPicImage", u"Back_Virtual7p1Image"}) {
            ui::CImage& image = t.Icon(name);
            const int32_t left = image.Left(), top = image.Top();
            t.DragIcon(image, 30, 30);
            EXPECT_EQ(image.Left(), left);
            EXPECT_EQ(image.Top(), top);
        }
        EXPECT_TRUE(t.backend.MessageBoxes().empty()) << device;
        EXPECT_TRUE(t.Requests().empty()) << device;
    }
}

TEST(VirtualSpeakersShell, TheEnableSwitchSendsTheIconsValuesNotZeros) {
    SpeakerShell t;
    t.DragIcon(t.Icon(u"VirtualLImage"), 5, 5);
    t.sim.FilterDriver().ClearRequests();
    t.Click(t.Icon(u"VirtualEnableImage"));
    t.Click(*t.form->Label(u"VirtualENLabel"));
    ASSERT_EQ(t.Requests().size(), 2u);
    EXPECT_EQ(t.Requests()[0].Input[4], 1);
    EXPECT_EQ(t.Requests()[1].Input[4], 0);
    EXPECT_EQ(std::vector<uint8_t>(t.Requests()[0].Input.begin() + 8, t.Requests()[0].Input.end()),
              std::vector<uint8_t>(t.Requests()[1].Input.begin() + 8, t.Requests()[1].Input.end()));
    EXPECT_GT(Gain(t.Requests()[1], LeftIndex), 0.0f);
    EXPECT_FALSE(t.Speakers().Enabled());
}

TEST(VirtualSpeakersShell, ResetPutsTheIconsBackAndSendsThem) {
    SpeakerShell t;
    t.Click(t.Icon(u"VirtualEnableImage"));
    t.DragIcon(t.Icon(u"VirtualRImage"), -20, 10);
    t.sim.FilterDriver().ClearRequests();
    t.Click(t.Icon(u"VirtualResetImage"));
    ExpectLayout(t, StandardSpeakerLayout(t.Circle()));
    ASSERT_EQ(t.Requests().size(), 1u);
    EXPECT_EQ(t.Requests()[0].Input[4], 1) << "the current enable";
    // The label resets too; without the driver the icons move all the same and the status says so.
    t.DragIcon(t.Icon(u"VirtualRImage"), -20, 10);
    t.Click(*t.form->Label(u"VirtualResetLabel"));
    ExpectLayout(t, StandardSpeakerLayout(t.Circle()));
    t.DragIcon(t.Icon(u"VirtualRImage"), -20, 10);
    t.sim.FilterDriver().SetPresent(false);
    EXPECT_EQ(t.Speakers().ResetVirtualSpeakers(), 1);
    ExpectLayout(t, StandardSpeakerLayout(t.Circle()));
}

struct ROTATION_CASE {
    const char* what;
    std::vector<const char16_t*> presses; // rotation buttons pressed in turn
    ROTATION rotation;
    int32_t centreMoves; // the sign of the centre speaker's move on the screen from the top: right +1
};

TEST(VirtualSpeakersShell, RotationOnTheTimer) {
    const ROTATION_CASE cases[] = {
        {"both off", {}, ROTATION::None, 0},
        {"clockwise", {u"VirtualClockwiseImage"}, ROTATION::Clockwise, +1},
        {"counter-clockwise", {u"VirtualCounterclockwiseLabel"}, ROTATION::Counterclockwise, -1},
        {"clockwise then counter-clockwise",
         {u"VirtualClockwiseLabel", u"VirtualCounterclockwiseImage"},
         ROTATION::Counterclockwise,
         -1},
        {"clockwise twice", {u"VirtualClockwiseImage", u"VirtualClockwiseImage"}, ROTATION::None, 0},
    };
    for (const ROTATION_CASE& c : cases) {
        SpeakerShell t;
        for (const char16_t* press : c.presses)
            t.Click(*t.form->Find(press));
        EXPECT_EQ(t.Speakers().Rotation(), c.rotation) << c.what;
        const SPEAKER_POSITIONS before = t.Speakers().Positions();
        const SPEAKER_RECORDS records = t.Speakers().Records();
        t.backend.Advance(50 * TickMs);
        if (c.rotation == ROTATION::None) {
            EXPECT_TRUE(t.Requests().empty()) << c.what;
            ExpectLayout(t, before);
            continue;
        }
        ASSERT_EQ(t.Requests().size(), 50u) << c.what << ": one request per tick";
        EXPECT_TRUE(t.AllSpeakerRequests()) << c.what;
        const SPEAKER_POSITION centre = t.Speakers().Positions()[CentreIndex];
        EXPECT_EQ((centre.Left > before[CentreIndex].Left) - (centre.Left < before[CentreIndex].Left),
                  c.centreMoves)
            << c.what;
        // Every speaker keeps its distance and has turned by 50 steps (the last tick placed it at 49).
        const double sign = c.rotation == ROTATION::Counterclockwise ? 1.0 : -1.0;
        for (size_t i = 0; i < SpeakerCount; ++i) {
            EXPECT_EQ(t.Speakers().Records()[i].Distance, records[i].Distance) << c.what << i;
            const double turned = std::remainder(t.Speakers().Records()[i].Direction - records[i].Direction -
                                                     sign * 50 * SpeakerRotationStep,
                                                 2 * 3.141592653589793);
            EXPECT_NEAR(turned, 0.0, 1e-4) << c.what << i;
        }
        // What is sent follows the icons: each tick's centre direction one step on, within a pixel's angle.
        for (size_t n = 2; n < t.Requests().size(); ++n) {
            const double step = std::remainder(Direction(t.Requests()[n], CentreIndex) -
                                                   Direction(t.Requests()[n - 1], CentreIndex),
                                               2 * 3.141592653589793);
            EXPECT_NEAR(step, sign * SpeakerRotationStep, 0.02) << c.what << n;
        }
    }
}

// The turn the centre speaker's stored direction has made since `before`, in steps the way it rotates
// (within half a turn either way).
double TurnedSteps(SpeakerShell& t, const SPEAKER_RECORDS& before) {
    const double sign = t.Speakers().Rotation() == ROTATION::Clockwise ? -1.0 : 1.0;
    const double turned = std::remainder(
        t.Speakers().Records()[CentreIndex].Direction - before[CentreIndex].Direction, 2 * 3.141592653589793);
    return sign * turned / SpeakerRotationStep;
}

struct CLOCK_CASE {
    const char* What;
    uint32_t TimerTickMs; // the system clock the timer follows (0: exact)
    uint32_t Ms;          // how long the rotation runs
    double Steps;         // the turn it makes
};

// Windows delivers the 20 ms timer on its clock's ticks (about every 31 ms): the angle follows the time.
TEST(VirtualSpeakersShell, TheRotationTurnsByTheTimePassedWhateverTheTimersTicks) {
    const CLOCK_CASE cases[] = {
        {"exact 20 ms ticks, one second", 0, 1000, 50},
        {"31 ms clock, one second", 31, 1000, 992.0 / 20}, // the last tick before 1000 ms fell at 992 ms
        {"31 ms clock, 7.2 s", 31, 7200, 7192.0 / 20},     // 232 ticks of 31 ms: by ticks only 232 steps
        {"16 ms clock, a whole turn", 16, 7200, 360},      // the 20 ms timer every 32 ms
    };
    for (const CLOCK_CASE& c : cases) {
        SpeakerShell t;
        ASSERT_EQ(t.backend.Now(), 0u) << "the clock's ticks fall on multiples of TimerTickMs from here";
        t.backend.TimerTickMs = c.TimerTickMs;
        // The timer follows the clock from its next start: switch it off and on as a page switch would.
        auto* timer = static_cast<ui::CTimer*>(t.form->Find(u"Timer"));
        ASSERT_NE(timer, nullptr);
        timer->SetTimerEnabled(false);
        timer->SetTimerEnabled(true);
        t.Click(t.Icon(u"VirtualClockwiseImage"));
        const SPEAKER_RECORDS before = t.Speakers().Records();
        t.backend.Advance(c.Ms);
        // Directions are kept within one turn: compared modulo 360 steps.
        EXPECT_NEAR(std::remainder(TurnedSteps(t, before) - c.Steps, 360.0), 0.0, 0.01) << c.What;
    }
}

// The time base starts afresh with the rotation: after a pause nothing jumps by the time it stood still.
TEST(VirtualSpeakersShell, AfterAPauseTheRotationGoesOnWithoutAJump) {
    SpeakerShell t;
    t.Click(t.Icon(u"VirtualCounterclockwiseImage"));
    t.backend.Advance(10 * TickMs);
    t.Click(t.Icon(u"VirtualCounterclockwiseImage")); // off
    t.backend.Advance(3000);
    SPEAKER_RECORDS before = t.Speakers().Records();
    t.Click(t.Icon(u"VirtualCounterclockwiseImage")); // on again
    t.backend.Advance(TickMs);
    EXPECT_LE(TurnedSteps(t, before), 1.0 + 1e-3) << "switched off and on";

    t.sim.Devices().Unplug(t.sim.Headset());
    t.backend.Advance(3000);
    t.sim.Devices().Plug(t.sim.Headset());
    before = t.Speakers().Records();
    t.backend.Advance(2 * TickMs);
    EXPECT_LE(TurnedSteps(t, before), 2.0 + 1e-3) << "device away and back";

    // A timer that stood still (started again only when needed) gives no jump either.
    auto* timer = static_cast<ui::CTimer*>(t.form->Find(u"Timer"));
    ASSERT_NE(timer, nullptr);
    timer->SetTimerEnabled(false);
    t.backend.Advance(3000);
    before = t.Speakers().Records();
    timer->SetTimerEnabled(true);
    t.backend.Advance(2 * TickMs);
    EXPECT_LE(TurnedSteps(t, before), 2.0 + 1e-3) << "timer stopped and started";
}

TEST(VirtualSpeakersShell, RotationPausesWithoutTheDeviceAndGoesOnWhenItIsBack) {
    SpeakerShell t;
    t.sim.Devices().Unplug(t.sim.Headset());
    t.backend.ClearMessageBoxes();
    t.Click(t.Icon(u"VirtualClockwiseImage"));
    EXPECT_TRUE(t.backend.MessageBoxes().empty()) << "the rotation buttons work without a device";
    EXPECT_EQ(t.Speakers().Rotation(), ROTATION::Clockwise);
    const SPEAKER_POSITIONS before = t.Speakers().Positions();
    t.sim.FilterDriver().ClearRequests();
    t.backend.Advance(10 * TickMs);
    EXPECT_TRUE(t.Requests().empty());
    ExpectLayout(t, before);
    t.sim.Devices().Plug(t.sim.Headset());
    t.sim.FilterDriver().ClearRequests();
    t.backend.Advance(10 * TickMs);
    EXPECT_EQ(t.Requests().size(), 10u);
}

// Without the driver's control device everything the user does still shows; nothing is sent or warned.
TEST(VirtualSpeakersShell, WithoutTheDriverOnlyTheWindowChanges) {
    SpeakerShell t;
    t.sim.FilterDriver().SetPresent(false);
    ui::CImage& icon = t.Icon(u"VirtualCImage");
    const int32_t left = icon.Left();
    t.DragIcon(icon, 10, 0);
    EXPECT_EQ(icon.Left(), left + 10);
    t.Click(t.Icon(u"VirtualEnableImage"));
    EXPECT_TRUE(t.Speakers().Enabled());
    t.Click(t.Icon(u"VirtualCounterclockwiseImage"));
    t.backend.Advance(5 * TickMs);
    EXPECT_NE(t.Speakers().Positions()[CentreIndex].Left, left + 10);
    EXPECT_TRUE(t.Requests().empty());
    EXPECT_EQ(t.sim.FilterDriver().OpenHandleCount(), 0u);
    EXPECT_TRUE(t.backend.MessageBoxes().empty());
}

// A skin switch moves the icons by the ratio of the radii; switching back puts them where they were.
TEST(VirtualSpeakersShell, ASkinSwitchAndBackKeepsTheLayout) {
    SpeakerShell t;
    t.DragIcon(t.Icon(u"VirtualRImage"), -15, 20);
    const SPEAKER_POSITIONS start = t.Speakers().Positions();
    const SPEAKER_RECORDS records = t.Speakers().Records();
    const SPEAKER_CIRCLE first = t.Circle();
    ASSERT_TRUE(t.form->SkinMenuClick(*t.form->SkinMenu().Item(0)).Ok());
    const SPEAKER_CIRCLE second = t.Circle();
    ASSERT_NE(first.Radius, second.Radius);
    const double ratio = static_cast<double>(second.Radius) / first.Radius;
    for (size_t i = 0; i < SpeakerCount; ++i) {
        const SPEAKER_POSITION p =
            PositionOnCircle(second, records[i].Direction, records[i].Distance * ratio);
        EXPECT_EQ(t.Speakers().Positions()[i].Left, p.Left) << i;
        EXPECT_EQ(t.Speakers().Positions()[i].Top, p.Top) << i;
    }
    ASSERT_TRUE(t.form->SkinMenuClick(*t.form->SkinMenu().Item(1)).Ok());
    for (size_t i = 0; i < SpeakerCount; ++i) {
        EXPECT_NEAR(t.Speakers().Positions()[i].Left, start[i].Left, 1) << i;
        EXPECT_NEAR(t.Speakers().Positions()[i].Top, start[i].Top, 1) << i;
    }
}

TEST(VirtualSpeakersShell, ShutdownSendsTheStandardLayoutSwitchedOff) {
    SpeakerShell t;
    t.Click(t.Icon(u"VirtualEnableImage"));
    t.DragIcon(t.Icon(u"VirtualLImage"), 10, 10);
    t.Click(t.Icon(u"VirtualClockwiseImage"));
    t.backend.Advance(3 * TickMs);
    const SPEAKER_CIRCLE circle = t.Circle();
    t.sim.FilterDriver().ClearRequests();
    t.form->Destroy();
    ASSERT_EQ(t.Requests().size(), 2u);
    EXPECT_EQ(t.Requests()[0].Code, DriverSelectEffectCode);
    const auto& last = t.Requests()[1];
    EXPECT_EQ(last.Input[4], 0);
    SPEAKER_RECORDS records;
    VirtualSpeakerParameters block;
    ComputeVirtualSpeakers(circle, StandardSpeakerLayout(circle), records, block);
    for (size_t i = 0; i < 16; ++i)
        EXPECT_EQ(FloatAt(last, 8 + 4 * i), block[i]) << i;
}

} // namespace
} // namespace tonvel
