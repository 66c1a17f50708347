// The main window and the headset: what start-up opens and registers, plugging and pulling the headset
// while the window runs, and the neutral state shutdown leaves the device and the driver in.

#include "device/FilterChannel.h"
#include "panel/form/tests/ShellFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tonvel {
namespace {

constexpr uint16_t ProcessingRegister = 0x100;

std::vector<uint32_t> RequestCodes(sim::CSimWindows& sim) {
    std::vector<uint32_t> codes;
    for (const auto& request : sim.FilterDriver().Requests())
        codes.push_back(request.Code);
    return codes;
}

bool AllZero(const std::vector<uint8_t>& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
}

TEST(ShellDevice, StartUpHoldsThePresenceHandleAndListensForDevices) {
    for (const bool device : {true, false}) {
        Shell t(device);
        ASSERT_TRUE(t.Start().Ok());
        EXPECT_EQ(t.sim.Hid().OpenHandleCount(), device ? 1u : 0u) << device;
        EXPECT_EQ(t.sim.DeviceNotifications().RegistrationCount(), 1u) << device;
        EXPECT_EQ(t.sim.FilterDriver().OpenHandleCount(), 0u) << "each request closes the driver again";
    }
}

TEST(ShellDevice, PluggingAndPullingTheHeadsetWhileTheWindowRuns) {
    Shell t(false);
    ASSERT_TRUE(t.Start().Ok());
    t.ShowPanel();
    ui::CLabel* presence = t.form->Label(u"DeviceActiveLabel");
    ui::CLabel* micTab = t.form->Label(u"PageMicLabel");
    EXPECT_EQ(presence->Caption(), u"No headset connected");

    t.sim.FilterDriver().ClearRequests();
    t.sim.Devices().Plug(t.sim.Headset());
    EXPECT_TRUE(t.form->DeviceConnected());
    EXPECT_EQ(presence->Caption(), u"Headset connected");
    // The arrival's driver reset: state query, speakers off with sixteen zeros, general request.
    EXPECT_EQ(RequestCodes(t.sim), (std::vector<uint32_t>{DriverQueryStateCode, DriverSetVirtualSpeakersCode,
                                                          DriverGeneralRequestCode}));
    t.backend.ClearMessageBoxes();
    t.backend.Press(t.At(*micTab, 2, 2));
    t.backend.Release(t.At(*micTab, 2, 2));
    EXPECT_EQ(t.form->PageShown(), PANEL_PAGE::Mic);
    EXPECT_TRUE(t.backend.MessageBoxes().empty());

    t.sim.Devices().Unplug(t.sim.Headset());
    EXPECT_FALSE(t.form->DeviceConnected());
    EXPECT_EQ(presence->Caption(), u"No headset connected");
    EXPECT_EQ(t.sim.Hid().OpenHandleCount(), 0u);
    // Without the headset a control only warns.
    ui::CImage* thumb = t.form->Image(u"MicSliderImage");
    const int32_t top = thumb->Top();
    t.backend.Press(t.At(*thumb, 2, 2));
    t.backend.MoveTo(t.At(*thumb, 2, -20));
    t.backend.Release(t.At(*thumb, 2, -20));
    EXPECT_EQ(t.backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(thumb->Top(), top);

    // The next arrival sends the driver its reset again, whatever page is shown.
    t.sim.FilterDriver().ClearRequests();
    t.sim.Devices().Plug(t.sim.Headset());
    EXPECT_EQ(presence->Caption(), u"Headset connected");
    EXPECT_EQ(RequestCodes(t.sim).size(), 3u);
}

TEST(ShellDevice, ShutdownLeavesTheDeviceAndTheDriverNeutral) {
    Shell t;
    ASSERT_TRUE(t.Start().Ok());
    t.sim.Headset().SetRegister(ProcessingRegister, 0x0F);
    t.sim.Headset().ClearReports();
    t.sim.FilterDriver().ClearRequests();
    t.form->Destroy();
    EXPECT_EQ(t.sim.Headset().Register(ProcessingRegister), 0x00);
    const std::vector<uint32_t> codes = RequestCodes(t.sim);
    ASSERT_EQ(codes, (std::vector<uint32_t>{DriverSelectEffectCode, DriverSetVirtualSpeakersCode}));
    EXPECT_EQ(t.sim.FilterDriver().Requests()[0].Input[4], 0) << "effect 0";
    EXPECT_EQ(t.sim.FilterDriver().Requests()[1].Input[4], 0) << "virtual enable 0";
    const auto& reports = t.sim.Headset().Reports();
    ASSERT_FALSE(reports.empty());
    EXPECT_TRUE(AllZero(reports.back().Bytes)) << "the idle report ends it";
    EXPECT_EQ(t.sim.Hid().OpenHandleCount(), 0u) << "the device and the presence handle are closed";
    EXPECT_EQ(t.sim.DeviceNotifications().RegistrationCount(), 0u);
    EXPECT_TRUE(TraceHas(*t.form, u"shutdown 6 neutral device state"));
}

TEST(ShellDevice, ShutdownWithoutADeviceSendsNothing) {
    Shell t(false);
    ASSERT_TRUE(t.Start().Ok());
    t.sim.FilterDriver().ClearRequests();
    t.form->Destroy();
    EXPECT_TRUE(t.sim.FilterDriver().Requests().empty());
    EXPECT_TRUE(t.sim.Headset().Reports().empty());
    EXPECT_EQ(t.sim.DeviceNotifications().RegistrationCount(), 0u);
    EXPECT_TRUE(TraceHas(*t.form, u"shutdown 6 no device"));
}

} // namespace
} // namespace tonvel
