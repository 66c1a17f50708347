#include "installation/ServiceControl.h"

#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

struct SERVICE_CASE {
    const char* what;
    bool installed;
    sim::SIM_SERVICE service; // its name is the helper service's
    int32_t request;
    int32_t result;
    uint32_t stateAfter;
};

// Start, stop and control codes on the simulated service control manager, with its clock: a stop or a
// start that takes a while is waited for in 300 ms polls, 30 of them at the most.
TEST(ServiceControl, StartStopAndControlCodes) {
    auto service = [](uint32_t state, uint32_t stopMs = 0, uint32_t startMs = 0, bool refusesStop = false,
                      bool startFails = false) {
        sim::SIM_SERVICE s;
        s.Name = HelperServiceName;
        s.State = state;
        s.StopMs = stopMs;
        s.StartMs = startMs;
        s.RefusesStop = refusesStop;
        s.StartFails = startFails;
        return s;
    };
    const SERVICE_CASE cases[] = {
        {"not installed", false, service(ServiceStateRunning), ServiceStopRequest, ServiceNotOpened, 0},
        {"stop", true, service(ServiceStateRunning, 1000), ServiceStopRequest, ServiceDone,
         ServiceStateStopped},
        {"stop when stopped", true, service(ServiceStateStopped), ServiceStopRequest, ServiceDone,
         ServiceStateStopped},
        {"stop refused", true, service(ServiceStateRunning, 0, 0, true), ServiceStopRequest,
         ServiceStopRefused, ServiceStateRunning},
        {"never stops", true, service(ServiceStateRunning, sim::SimNever), ServiceStopRequest,
         ServiceNotStopped, ServiceStateStopPending},
        {"start", true, service(ServiceStateStopped, 0, 2000), ServiceStartRequest, ServiceDone,
         ServiceStateRunning},
        {"start when running", true, service(ServiceStateRunning), ServiceStartRequest, ServiceDone,
         ServiceStateRunning},
        {"start refused", true, service(ServiceStateStopped, 0, 0, false, true), ServiceStartRequest,
         ServiceStartRefused, ServiceStateStopped},
        {"start too slow", true, service(ServiceStateStopped, 0, 60000), ServiceStartRequest,
         ServiceNotRunning, ServiceStateStartPending},
        {"control code", true, service(ServiceStateRunning), ServiceResetControl, ServiceDone,
         ServiceStateRunning},
    };
    for (const SERVICE_CASE& c : cases) {
        sim::CSimWindows windows;
        if (c.installed) windows.Services().Add(c.service);
        EXPECT_EQ(ControlServiceByName(windows.platform(), HelperServiceName, c.request), c.result) << c.what;
        if (c.installed) {
            EXPECT_EQ(windows.Services().Find(HelperServiceName)->State, c.stateAfter) << c.what;
        }
        EXPECT_EQ(windows.Services().OpenHandles(), 0u) << c.what << ": every handle closed";
        EXPECT_LE(windows.Services().Polls(), ServicePolls + 1) << c.what;
    }
}

TEST(ServiceControl, AManagerThatCannotBeOpened) {
    sim::CSimWindows windows;
    windows.Services().SetAccessDenied(true);
    EXPECT_EQ(ControlServiceByName(windows.platform(), HelperServiceName, ServiceStartRequest),
              ServiceManagerNotOpened);
}

} // namespace
} // namespace tonvel
