// The LED button's restart of the audio service: asked of the helper service Castorel with no more rights
// than a user has; where Castorel is missing, run directly while the window goes on.

#include "device/AudioService.h"
#include "panel/form/tests/ShellFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace tonvel {
namespace {

using namespace std::chrono_literals;

constexpr uint32_t HelperRestartControl = 129;

void ClickLed(Shell& t) {
    ui::CImage* led = t.form->Image(u"LEDImage");
    t.backend.Press(t.At(*led, 2, 2));
    t.backend.Release(t.At(*led, 2, 2));
}

sim::SIM_SERVICE& AddHelper(Shell& t) {
    sim::SIM_SERVICE helper;
    helper.Name = u"Castorel";
    helper.RestartControl = HelperRestartControl;
    helper.RestartTarget = AudioServiceName;
    return t.sim.Services().Add(helper);
}

// An administrator under UAC: the panel's token is filtered, the helper does the restart.
TEST(ShellLedRestart, TheHelperRestartsTheAudioServiceForAFilteredToken) {
    Shell t;
    AddHelper(t);
    t.sim.Services().SetFilteredToken(true);
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    ClickLed(t);
    EXPECT_EQ(t.sim.Services().Find(u"Castorel")->Calls, (std::vector<std::u16string>{u"control 129"}));
    const sim::SIM_SERVICE& audio = *t.sim.Services().Find(AudioServiceName);
    EXPECT_EQ(audio.Calls, (std::vector<std::u16string>{u"stop", u"start"}));
    EXPECT_EQ(audio.State, ServiceStateRunning);
    EXPECT_EQ(t.sim.Services().OpenHandles(), 0U);
}

// The simulated services with a stop that waits until the test lets it go (or five seconds pass): the
// restart is seen to run while the window handles the next click.
class CHeldServices : public IServices {
public:
    explicit CHeldServices(IServices& inner) : m_Inner(inner) {}
    ServiceHandle OpenManager(uint32_t access) override { return m_Inner.OpenManager(access); }
    ServiceHandle OpenNamedService(ServiceHandle manager, const std::u16string& name,
                                   uint32_t access) override {
        return m_Inner.OpenNamedService(manager, name, access);
    }
    bool QueryState(ServiceHandle service, uint32_t& state) override {
        return m_Inner.QueryState(service, state);
    }
    bool Control(ServiceHandle service, uint32_t control) override {
        std::unique_lock<std::mutex> lock(m_Mutex);
        m_Held = true;
        m_Changed.notify_all();
        m_TimedOut = !m_Changed.wait_for(lock, 5s, [this] { return m_Released; });
        m_Held = false;
        lock.unlock();
        return m_Inner.Control(service, control);
    }
    bool Start(ServiceHandle service) override {
        const bool started = m_Inner.Start(service);
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Started = true;
        m_Changed.notify_all();
        return started;
    }
    bool Delete(ServiceHandle service) override { return m_Inner.Delete(service); }
    void Close(ServiceHandle handle) override { m_Inner.Close(handle); }
    void Sleep(uint32_t milliseconds) override { m_Inner.Sleep(milliseconds); }

    bool HeldNow() {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Held && !m_TimedOut;
    }
    bool TimedOut() {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_TimedOut;
    }
    void Release() {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Released = true;
        m_Changed.notify_all();
    }
    bool WaitForStart() {
        std::unique_lock<std::mutex> lock(m_Mutex);
        return m_Changed.wait_for(lock, 5s, [this] { return m_Started; });
    }
    bool WaitForHold() {
        std::unique_lock<std::mutex> lock(m_Mutex);
        return m_Changed.wait_for(lock, 5s, [this] { return m_Held || m_TimedOut; });
    }

private:
    IServices& m_Inner;
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    bool m_Held = false, m_Released = false, m_TimedOut = false, m_Started = false;
};

TEST(ShellLedRestart, WithoutTheHelperTheWindowGoesOnWhileTheServiceRestarts) {
    Shell t;
    CHeldServices held(t.sim.Services());
    Platform platform = t.sim.platform();
    platform.services = &held;
    t.app = std::make_unique<ui::CApplication>(t.backend, &t.sim.Files());
    t.form = std::make_unique<TAudioMainForm>(*t.app, platform);
    t.about = std::make_unique<TAboutForm>(*t.app);
    t.form->SetAbout(t.about.get());
    ASSERT_TRUE(t.form->StartUp().Ok());
    t.form->FormCreate();
    t.ShowPanel();

    ClickLed(t);
    EXPECT_FALSE(t.form->Features().Led().On());
    ASSERT_TRUE(held.WaitForHold());
    EXPECT_TRUE(held.HeldNow()) << "the click came back while the stop was still under way";
    ui::CLabel* tab = t.form->Label(u"PageEffectLabel");
    t.backend.Press(t.At(*tab, 2, 2));
    t.backend.Release(t.At(*tab, 2, 2));
    EXPECT_EQ(t.form->PageShown(), PANEL_PAGE::Effect) << "the window answers meanwhile";
    held.Release();
    ASSERT_TRUE(held.WaitForStart());
    EXPECT_FALSE(held.TimedOut());
    t.form.reset(); // waits for the restart's end
    EXPECT_EQ(t.sim.Services().Find(AudioServiceName)->Calls,
              (std::vector<std::u16string>{u"stop", u"start"}));
}

} // namespace
} // namespace tonvel
