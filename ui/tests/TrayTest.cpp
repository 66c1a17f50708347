// The notification-area icon while the shell refuses it (Windows still starting at log-on) and after the
// shell started again: offered again on a timer until the shell takes it, and never offered once hidden.

#include "ui/tests/UiTestSupport.h"

#include <gtest/gtest.h>

namespace tonvel::ui {
namespace {

struct REFUSAL_CASE {
    const char* What;
    int32_t Refusals;
};

TEST(Tray, ARefusedIconIsOfferedAgainUntilTheShellTakesIt) {
    const REFUSAL_CASE cases[] = {{"taken at once", 0}, {"refused once", 1}, {"refused for a while", 25}};
    for (const REFUSAL_CASE& c : cases) {
        test::UiFixture t;
        CTrayIcon* tray = t.form.Add<CTrayIcon>(u"CTrayIcon");
        t.backend.TrayRefusals = c.Refusals;
        tray->SetVisible(true);
        EXPECT_EQ(t.backend.TrayShown(*tray), c.Refusals == 0) << c.What;
        for (int32_t i = 0; i < c.Refusals; ++i) {
            EXPECT_FALSE(tray->InTray()) << c.What << i;
            t.backend.Advance(TrayRetryMs);
        }
        EXPECT_TRUE(t.backend.TrayShown(*tray)) << c.What;
        EXPECT_TRUE(tray->InTray()) << c.What;
        EXPECT_EQ(t.backend.TrayAddAttempts(), c.Refusals + 1) << c.What;
        // Taken: no more offers.
        t.backend.Advance(20 * TrayRetryMs);
        EXPECT_EQ(t.backend.TrayAddAttempts(), c.Refusals + 1) << c.What;
    }
}

TEST(Tray, AHiddenIconIsNoLongerOffered) {
    test::UiFixture t;
    CTrayIcon* tray = t.form.Add<CTrayIcon>(u"CTrayIcon");
    t.backend.TrayRefusals = 100;
    tray->SetVisible(true);
    t.backend.Advance(2 * TrayRetryMs);
    EXPECT_EQ(t.backend.TrayAddAttempts(), 3);
    tray->SetVisible(false);
    t.backend.TrayRefusals = 0;
    t.backend.Advance(10 * TrayRetryMs);
    EXPECT_EQ(t.backend.TrayAddAttempts(), 3);
    EXPECT_FALSE(t.backend.TrayShown(*tray));
    // A hint or icon change of a hidden icon offers nothing either.
    tray->SetHint(u"Tonvel");
    EXPECT_EQ(t.backend.TrayAddAttempts(), 3);
}

// "TaskbarCreated": the shell's notification area is empty again; the icon goes back, and while the new
// shell still refuses it, it is offered again on the timer.
TEST(Tray, AfterTheShellStartsAgainTheIconGoesBack) {
    test::UiFixture t;
    CTrayIcon* tray = t.form.Add<CTrayIcon>(u"CTrayIcon");
    CTrayIcon* hidden = t.form.Add<CTrayIcon>(u"Hidden");
    tray->SetVisible(true);
    ASSERT_TRUE(t.backend.TrayShown(*tray));
    t.backend.TrayRefusals = 2;
    t.backend.RestartShell();
    EXPECT_FALSE(t.backend.TrayShown(*tray));
    t.backend.Advance(2 * TrayRetryMs);
    EXPECT_TRUE(t.backend.TrayShown(*tray));
    EXPECT_FALSE(t.backend.TrayShown(*hidden));
    // A hint change while shown changes the icon in place.
    tray->SetHint(u"Tonvel 7.1 Audio");
    EXPECT_EQ(t.backend.TrayAddAttempts(), 4);
}

} // namespace
} // namespace tonvel::ui
