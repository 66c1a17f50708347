#include "device/HidTransaction.h"
#include "device/HidRegisterAccess.h"
#include "device/tests/DeviceTestSupport.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::Outputs;
using test::Report;

struct TRANSACTION_CASE {
    const char* Name;
    IDLE_REPORT Idle;
    uint32_t FailOutput;
    int32_t Status;
    size_t Outputs;
    bool IdleLast;
};

// Accesses: two register writes; 5 / 6 for the failed one.
int32_t TwoWrites(IHid& hid, HidHandle handle) {
    if (HidWriteRegister(hid, handle, 0x100, 0x04) != 0) {
        return 5;
    }
    if (HidWriteRegister(hid, handle, 0x120, 0x10) != 0) {
        return 6;
    }
    return 0;
}

TEST(HidTransactionTest, OpensRunsAccessesSendsIdleAndCloses) {
    const TRANSACTION_CASE cases[] = {
        {"all written", IDLE_REPORT::Always, 0, 0, 5, true},
        {"second write fails, idle follows", IDLE_REPORT::Always, 3, 6, 4, true},
        {"second write fails, no idle on failure", IDLE_REPORT::OnSuccess, 3, 6, 3, false},
        {"reset: no idle", IDLE_REPORT::Never, 0, 0, 4, false},
        {"idle refused", IDLE_REPORT::Always, 5, 9, 5, true},
    };
    for (const auto& c : cases) {
        sim::CSimWindows sim;
        sim.Devices().Plug(sim.Headset());
        sim.Headset().FailOutputReport(c.FailOutput);
        EXPECT_EQ(RunHidTransaction(sim.Hid(), sim.Devices(), 0x7F1C, 0x7213, 1, 9, TwoWrites, c.Idle),
                  c.Status)
            << c.Name;
        const auto out = Outputs(sim.Headset());
        ASSERT_EQ(out.size(), c.Outputs) << c.Name;
        EXPECT_EQ(out.back() == Report({}), c.IdleLast) << c.Name;
        EXPECT_EQ(sim.Hid().OpenHandleCount(), 0u) << c.Name;
        EXPECT_EQ(sim.Devices().OpenListCount(), 0u) << c.Name;
    }
}

TEST(HidTransactionTest, NoDeviceGivesTheCallersStatusAndSendsNothing) {
    sim::CSimWindows sim;
    sim.Devices().Plug(sim.Headset());
    bool ran = false;
    const auto accesses = [&ran](IHid&, HidHandle) {
        ran = true;
        return 0;
    };
    // Other product ID: no interface qualifies.
    EXPECT_EQ(RunHidTransaction(sim.Hid(), sim.Devices(), 0x7F1C, 0x7214, 7, 9, accesses), 7);
    EXPECT_FALSE(ran);
    EXPECT_TRUE(sim.Headset().Reports().empty());
    EXPECT_EQ(sim.Hid().OpenHandleCount(), 0u);
}

} // namespace
} // namespace tonvel
