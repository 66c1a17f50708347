// Messages: timers through the queue, registered messages, broadcast, posting order, pending messages
// processed inside a handler, closing the main form.

#include "ui/tests/UiTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tonvel::ui::test {
namespace {

TEST(Messages, TimerTicksGoThroughTheHook) {
    UiFixture t;
    CTimer* timer = t.form.Add<CTimer>(u"Timer");
    timer->SetInterval(20);
    int ticks = 0, hooked = 0;
    timer->OnTimer = [&](CComponent&) { ++ticks; };
    t.app.OnMessage = [&](UI_MSG& msg, bool&) {
        if (msg.message == UiWmTimer && msg.wParam == timer->Id()) ++hooked;
    };
    struct STEP {
        uint32_t advance;
        int ticks;
    } steps[] = {{19, 0}, {1, 1}, {39, 2}, {1, 3}, {100, 8}};
    for (const STEP& s : steps) {
        t.backend.Advance(s.advance);
        EXPECT_EQ(ticks, s.ticks) << "after " << t.backend.Now() << " ms";
    }
    EXPECT_EQ(hooked, ticks);
    timer->SetTimerEnabled(false);
    t.backend.Advance(100);
    EXPECT_EQ(ticks, 8);
    timer->SetTimerEnabled(true); // restarts the interval
    t.backend.Advance(19);
    EXPECT_EQ(ticks, 8);
    t.backend.Advance(1);
    EXPECT_EQ(ticks, 9);
}

TEST(Messages, TwoTimersFireInTimeOrder) {
    UiFixture t;
    std::vector<std::string> log;
    CTimer* fast = t.form.Add<CTimer>(u"Fast");
    fast->SetInterval(30);
    fast->OnTimer = [&](CComponent&) { log.push_back("fast"); };
    CTimer* slow = t.form.Add<CTimer>(u"Slow");
    slow->SetInterval(50);
    slow->OnTimer = [&](CComponent&) { log.push_back("slow"); };
    t.backend.Advance(100);
    EXPECT_EQ(log, (std::vector<std::string>{"fast", "slow", "fast", "fast", "slow"}));
    t.form.Remove(fast);
    log.clear();
    t.backend.Advance(50);
    EXPECT_EQ(log, std::vector<std::string>{"slow"});
}

TEST(Messages, RegisteredMessagesAreStableAndCaseBlind) {
    UiFixture t;
    const uint32_t exit = t.app.RegisterWindowMessage(u"WM_ORV72xxAPP_EXIT");
    EXPECT_GE(exit, 0xC000u);
    EXPECT_EQ(t.app.RegisterWindowMessage(u"wm_orv72xxapp_exit"), exit);
    EXPECT_NE(t.app.RegisterWindowMessage(u"Another"), exit);
}

TEST(Messages, BroadcastReachesTheWindowProcedureAndClosesTheMainForm) {
    UiFixture t;
    CForm about(t.app);
    const uint32_t exit = t.app.RegisterWindowMessage(u"WM_ORV72xxAPP_EXIT");
    int hooked = 0;
    bool destroyed = false;
    t.app.OnMessage = [&](UI_MSG&, bool&) { ++hooked; };
    t.form.OnWindowMessage = [&](CForm& form, UI_MSG& msg, bool&) {
        if (msg.message == exit) form.App().SendMessage(form, UiWmClose);
    };
    t.form.OnDestroy = [&](CComponent&) { destroyed = true; };
    t.app.Broadcast(exit);
    EXPECT_EQ(hooked, 0); // sent, not queued
    EXPECT_TRUE(t.app.Terminated());
    EXPECT_FALSE(t.form.Visible());
    ASSERT_EQ(t.backend.Broadcasts().size(), 1u);
    EXPECT_EQ(t.backend.Broadcasts()[0].message, exit);
    t.app.Run(); // already terminated: the loop ends at once and the forms are destroyed
    EXPECT_TRUE(destroyed);
}

TEST(Messages, PostedMessagesKeepTheirOrderAndProcessPendingNests) {
    UiFixture t;
    std::vector<uint64_t> seen;
    t.backend.AutoProcess = false;
    t.form.OnWindowMessage = [&](CForm&, UI_MSG& msg, bool&) {
        if (msg.message != UiWmUser + 32) return;
        seen.push_back(msg.wParam);
        if (msg.wParam == 1) {
            t.app.PostMessage(&t.form, UiWmUser + 32, 3);
            t.app.ProcessMessages(); // the handler lets pending messages through
            seen.push_back(100);
        }
    };
    t.app.PostMessage(&t.form, UiWmUser + 32, 1);
    t.app.PostMessage(&t.form, UiWmUser + 32, 2);
    t.app.ProcessMessages();
    EXPECT_EQ(seen, (std::vector<uint64_t>{1, 2, 3, 100}));
}

// A worker thread posts its progress while the user-interface thread takes messages out: every message
// arrives once, in the order it was posted.
TEST(Messages, AWorkerThreadPostsIntoTheQueueWhileItIsProcessed) {
    UiFixture t;
    t.backend.AutoProcess = false;
    constexpr uint64_t Posts = 20000;
    std::vector<uint64_t> seen;
    t.form.OnWindowMessage = [&](CForm&, UI_MSG& msg, bool&) {
        if (msg.message == UiWmUser + 32) seen.push_back(msg.wParam);
    };
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (uint64_t i = 0; i < Posts; ++i)
            t.app.PostMessage(&t.form, UiWmUser + 32, i);
        done = true;
    });
    while (!done)
        t.app.ProcessMessages();
    worker.join();
    t.app.ProcessMessages();
    ASSERT_EQ(seen.size(), Posts);
    for (uint64_t i = 0; i < Posts; ++i)
        ASSERT_EQ(seen[i], i);
}

TEST(Messages, CloseOfASecondFormOnlyHidesIt) {
    UiFixture t;
    CForm second(t.app);
    second.Show();
    t.app.PostMessage(&second, UiWmClose);
    t.app.ProcessMessages();
    EXPECT_FALSE(second.Visible());
    EXPECT_FALSE(t.app.Terminated());
}

TEST(Messages, OnCloseCanRefuse) {
    UiFixture t;
    t.form.OnClose = [](CForm&, CloseAction& action) { action = CloseAction::None; };
    t.form.Close();
    EXPECT_TRUE(t.form.Visible());
    EXPECT_FALSE(t.app.Terminated());
}

TEST(Messages, QuitEndsTheApplication) {
    UiFixture t;
    t.app.PostMessage(nullptr, UiWmQuit);
    t.app.ProcessMessages();
    EXPECT_TRUE(t.app.Terminated());
}

} // namespace
} // namespace tonvel::ui::test
