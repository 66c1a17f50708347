// The device link and the feature steps together: what an arrival and a removal run, in their fixed order,
// and what reaches the simulated filter driver.

#include "features/FeatureSequences.h"
#include "base/text/Utf.h"
#include "device/DeviceLink.h"
#include "device/FilterChannel.h"
#include "device/tests/DeviceLinkTestSupport.h"
#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tonvel {
namespace {

using test::UsbGroup;

// Every step an arrival, a removal or a page switch runs, recorded by name; the driver reset also resets
// the simulated filter driver.
class RECORDED_STEPS : public IFeatureSteps {
public:
    RECORDED_STEPS(std::vector<std::string>& calls, const bool& micFound, IControlDevice& driver)
        : m_Calls(calls), m_MicFound(micFound), m_Driver(driver) {}

    void SendLedState() override { Log("led"); }
    bool LookUpMicEndpoint() override {
        Log("lookup");
        return m_MicFound;
    }
    void OpenLevelCapture() override { Log("open capture"); }
    void RefreshMicrophone() override { Log("refresh mic"); }
    void CloseLevelCapture() override { Log("close capture"); }
    void ReapplyEqSwitch() override { Log("eq switch"); }
    void Reapply3DSwitch() override { Log("3d switch"); }
    void StartLevelMeter() override { Log("level meter"); }
    void StopLevelMeter() override { Log("stop meter"); }
    void SendCurrentEffect() override { Log("effect"); }
    void SendVirtualSpeakers() override { Log("virtual"); }
    void DropMicEndpoint() override { Log("drop endpoint"); }
    void StopLevelMeterQueuing() override { Log("stop queuing"); }
    void ResetFilterDriver() override {
        Log("driver reset");
        ::tonvel::ResetFilterDriver(m_Driver);
    }

private:
    void Log(std::string entry) { m_Calls.push_back(std::move(entry)); }

    std::vector<std::string>& m_Calls;
    const bool& m_MicFound;
    IControlDevice& m_Driver;
};

// The simulated machine, a link whose arrival and removal run every feature step recorded, and the
// window's page.
class FeatureSequencesTest : public ::testing::Test {
protected:
    FeatureSequencesTest()
        : m_Link(m_Sim.platform()), m_Steps(m_Calls, m_MicFound, *m_Sim.platform().controlDevice) {
        DEVICE_LINK_EVENTS& e = m_Link.Events();
        e.PresenceChanged = [this] { Log(m_Link.DeviceConnected() ? "LabelActive" : "LabelUnactive"); };
        e.Arrived = [this] {
            ARRIVAL_SITUATION situation;
            situation.Shown = m_Page;
            situation.OsGeneration = m_Os;
            situation.Wait = [this](uint32_t ms) { Log("wait " + std::to_string(ms)); };
            RunArrivalSteps(m_Steps, situation);
        };
        e.Removed = [this] { RunRemovalSteps(m_Steps); };
        e.Settled = [this] { Log("pump"); };
    }

    void Log(std::string entry) { m_Calls.push_back(std::move(entry)); }

    void ExpectPresent(bool present) { test::ExpectPresent(m_Link, present); }

    sim::CSimWindows m_Sim;
    CDeviceLink m_Link;
    std::vector<std::string> m_Calls;
    bool m_MicFound = true;
    RECORDED_STEPS m_Steps;
    int32_t m_Os = OsGenerationCoreAudio;
    PANEL_PAGE m_Page = PANEL_PAGE::Eq;
};

TEST_F(FeatureSequencesTest, PlugAndUnplugFollowTheHeadset) {
    ASSERT_TRUE(m_Link.RegisterNotifications());
    m_Link.Discover(UsbGroup);
    m_Calls.clear();

    m_Sim.Devices().Plug(m_Sim.Headset());
    ExpectPresent(true);
    EXPECT_EQ(m_Link.ProductId(), 0x7213);
    // One notice for the audio interface (ignored: other class), one for the HID interface.
    // Every notice is followed by one pass of pending messages, the ignored one too.
    EXPECT_EQ(m_Calls, (std::vector<std::string>{"pump", "LabelActive", "led", "wait 100", "lookup",
                                                 "open capture", "refresh mic", "close capture", "eq switch",
                                                 "driver reset", "pump"}));
    const auto& requests = m_Sim.FilterDriver().Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].Code, DriverQueryStateCode);
    EXPECT_EQ(requests[1].Code, DriverSetVirtualSpeakersCode);
    EXPECT_EQ(requests[1].Input, std::vector<uint8_t>(72, 0));
    EXPECT_EQ(requests[2].Code, DriverGeneralRequestCode);

    m_Calls.clear();
    m_Sim.Devices().Unplug(m_Sim.Headset());
    ExpectPresent(false);
    EXPECT_EQ(m_Calls,
              (std::vector<std::string>{"pump", "LabelUnactive", "drop endpoint", "stop queuing", "pump"}));
    EXPECT_EQ(m_Sim.Hid().OpenHandleCount(), 0u);
    EXPECT_EQ(m_Link.ProductId(), 0x7213) << "the IDs stay for the next arrival";

    m_Sim.Devices().Plug(m_Sim.Headset());
    ExpectPresent(true);
}

struct PAGE_CASE {
    PANEL_PAGE Page;
    bool MicFound;
    int32_t Os;
    std::vector<std::string> AfterWait;
};

TEST_F(FeatureSequencesTest, ArrivalResendsInItsFixedOrderPerPage) {
    const std::vector<std::string> mic = {"lookup", "open capture", "refresh mic", "close capture"};
    auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const PAGE_CASE cases[] = {
        {PANEL_PAGE::Eq, true, 6, join(mic, {"eq switch", "driver reset"})},
        {PANEL_PAGE::Sound3D, true, 6, join(mic, {"eq switch", "3d switch", "driver reset"})},
        {PANEL_PAGE::Effect, true, 6, join(mic, {"driver reset", "effect"})},
        {PANEL_PAGE::Virtual71, true, 6, join(mic, {"driver reset", "virtual"})},
        {PANEL_PAGE::Mic, true, 6, join(mic, {"lookup", "refresh mic", "level meter", "driver reset"})},
        {PANEL_PAGE::Mic, false, 6, {"lookup", "lookup", "driver reset"}},
        {PANEL_PAGE::Mic, false, 4, join(mic, {"lookup", "refresh mic", "level meter", "driver reset"})},
    };
    for (const auto& c : cases) {
        m_Page = c.Page;
        m_MicFound = c.MicFound;
        m_Os = c.Os;
        m_Link.ClosePresence();
        m_Calls.clear();
        m_Sim.Devices().Unplug(m_Sim.Headset());
        m_Sim.Devices().Plug(m_Sim.Headset());
        m_Link.OnArrival(
            {DbtDevtypDeviceInterface, std::u16string(HidInterfaceClass), m_Sim.Headset().Hid().Path});
        const std::vector<std::string> expected = join({"LabelActive", "led", "wait 100"}, c.AfterWait);
        EXPECT_EQ(m_Calls, expected) << static_cast<int>(c.Page) << " " << c.MicFound << " " << c.Os;
    }
}

TEST_F(FeatureSequencesTest, PageSwitchStopsOrStartsTheMeterAndReappliesTheSwitches) {
    const std::pair<PANEL_PAGE, std::vector<std::string>> cases[] = {
        {PANEL_PAGE::Eq, {"stop meter", "eq switch"}},
        {PANEL_PAGE::Sound3D, {"stop meter", "eq switch", "3d switch"}},
        {PANEL_PAGE::Effect, {"stop meter"}},
        {PANEL_PAGE::Mic, {"level meter"}},
        {PANEL_PAGE::Virtual71, {"stop meter"}},
    };
    for (const auto& [page, expected] : cases) {
        m_Calls.clear();
        RunPageSwitchSteps(m_Steps, page);
        EXPECT_EQ(m_Calls, expected) << static_cast<int>(page);
    }
}

TEST_F(FeatureSequencesTest, EmptyStepsAreSkipped) {
    IFeatureSteps none;
    ARRIVAL_SITUATION situation;
    situation.Shown = PANEL_PAGE::Mic;
    situation.Wait = [](uint32_t) {};
    RunArrivalSteps(none, situation);
    RunRemovalSteps(none);
    RunPageSwitchSteps(none, PANEL_PAGE::Sound3D);
    SUCCEED();
}

} // namespace
} // namespace tonvel
