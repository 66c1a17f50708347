#include "setup/install/InstallService.h"

#include "installation/ServiceControl.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/tests/StepsMachine.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::STEPS_MACHINE;

const std::u16string NativeProgram = u"C:\\Windows\\System32\\Castorel.exe";
const std::u16string RedirectedProgram = u"C:\\Windows\\SysWOW64\\Castorel.exe";

// A machine whose setup carries both service programs; the one written, run with " /Service", registers
// the service "Castorel" (stopped) and runs for `runMs` before it ends with `exitCode`.
struct SERVICE_MACHINE : STEPS_MACHINE {
    explicit SERVICE_MACHINE(sim::SIM_SITUATION situation = sim::SIM_SITUATION::Wow64, uint32_t runMs = 2000,
                             uint32_t exitCode = 0, bool startable = true)
        : STEPS_MACHINE(situation) {
        AddPayload(ServicePayload32, u"SERVICE", "service 32");
        AddPayload(ServicePayload64, u"SERVICE", "service 64");
        const std::u16string program = startable ? NativeProgram : u"C:\\Windows\\System32\\Other.exe";
        sim.Processes().AddProgram(program, runMs, exitCode, [this](const std::u16string& commandLine) {
            if (commandLine.size() < 9 || commandLine.substr(commandLine.size() - 9) != u" /Service") return;
            sim::SIM_SERVICE service;
            service.Name = HelperServiceName;
            service.State = ServiceStateStopped;
            service.StartMs = 500;
            sim.Services().Add(service);
        });
    }
    const sim::SIM_SERVICE* Service() { return sim.Services().Find(HelperServiceName); }
};

// A first installation: the stop finds no service, the registration run makes it, the start runs it.
TEST(InstallService, CastorelNotInstalledYet) {
    SERVICE_MACHINE machine;
    EXPECT_EQ(ControlServiceByName(machine.sim.platform(), HelperServiceName, ServiceStopRequest),
              ServiceNotOpened);

    EXPECT_EQ(Install_Service(machine.Context()), InstallOk);

    EXPECT_EQ(machine.FileText(u"C:\\Windows\\Sysnative\\Castorel.exe"), "service 64") << "the native folder";
    EXPECT_EQ(machine.FileText(RedirectedProgram), "");
    EXPECT_EQ(machine.sim.Processes().CommandLines(),
              (std::vector<std::u16string>{machine.folders.NativeSystemFolder + u"Castorel.exe /Service"}));
    ASSERT_NE(machine.Service(), nullptr);
    EXPECT_EQ(machine.Service()->State, ServiceStateRunning);
    EXPECT_EQ(machine.Service()->Calls, (std::vector<std::u16string>{u"start"}));
    EXPECT_EQ(machine.progress, (std::vector<int32_t>{30, 40, 50, 60}));
    EXPECT_EQ(machine.sim.WindowSystem().Broadcasts().size(), 1u) << "running panels asked to quit";
    EXPECT_EQ(machine.RedirectionCalls(), 2u);
    EXPECT_FALSE(machine.sim.SystemInfo().RedirectionDisabled());
    EXPECT_EQ(machine.sim.Processes().OpenHandles(), 0u);
    EXPECT_EQ(machine.sim.Services().OpenHandles(), 0u);
}

// Over an installed, running service: it is stopped before its file is replaced and started again.
TEST(InstallService, ARunningServiceIsStoppedAndStartedAgain) {
    SERVICE_MACHINE machine;
    sim::SIM_SERVICE running;
    running.Name = HelperServiceName;
    running.StopMs = 600;
    machine.sim.Services().Add(running);
    EXPECT_EQ(Install_Service(machine.Context()), InstallOk);
    EXPECT_EQ(machine.Service()->State, ServiceStateRunning);
}

// The registration run's exit code tells whether the service was registered: another code fails the step,
// and so does a service that does not start.
TEST(InstallService, ARegistrationRunEndingWithAnErrorCodeOrAServiceNotStartingFailsTheStep) {
    const struct {
        const char* what;
        uint32_t exitCode;
        bool startFails;
        int32_t result;
        std::vector<int32_t> progress;
    } cases[] = {
        {"registered and started", 0, false, InstallOk, {30, 40, 50, 60}},
        {"registration ends with an error code", 1, false, ServiceRegistrationFailed, {30, 40}},
        {"the service does not start", 0, true, ServiceNotStarted, {30, 40, 50}},
    };
    for (const auto& c : cases) {
        SERVICE_MACHINE machine(sim::SIM_SITUATION::Wow64, 2000, c.exitCode);
        if (c.startFails)
            machine.sim.Processes().AddProgram(NativeProgram, 2000, 0, [&](const std::u16string&) {
                sim::SIM_SERVICE service;
                service.Name = HelperServiceName;
                service.State = ServiceStateStopped;
                service.StartFails = true;
                machine.sim.Services().Add(service);
            });
        EXPECT_EQ(Install_Service(machine.Context()), c.result) << c.what;
        EXPECT_EQ(machine.progress, c.progress) << c.what;
        EXPECT_EQ(machine.sim.Processes().OpenHandles(), 0u) << c.what;
        EXPECT_EQ(machine.sim.Services().OpenHandles(), 0u) << c.what;
    }
}

// On 32-bit Windows the 32-bit service program goes to the one system folder; redirection is not touched.
TEST(InstallService, OnThirtyTwoBitWindows) {
    SERVICE_MACHINE machine(sim::SIM_SITUATION::Windows32);
    EXPECT_EQ(Install_Service(machine.Context()), InstallOk);
    EXPECT_EQ(machine.FileText(NativeProgram), "service 32");
    EXPECT_EQ(machine.RedirectionCalls(), 0u);
    EXPECT_EQ(machine.Service()->State, ServiceStateRunning);
}

// Each failure ends the step with its code; what was written stays, redirection is back on and no handle
// stays open.
TEST(InstallService, FailuresAndWhatStays) {
    const struct {
        const char* what;
        bool payload;
        bool writable;
        uint32_t runMs;
        bool startable;
        int32_t result;
        std::string file;
        std::vector<int32_t> progress;
    } cases[] = {
        {"payload missing", false, true, 2000, true, ServicePayloadMissing, "", {30}},
        {"file not writable", true, false, 2000, true, ServiceFileFailed, "", {30}},
        {"program not started", true, true, 2000, false, ServiceStartFailed, "service 64", {30, 40}},
        {"registration past 100 s",
         true,
         true,
         100001,
         true,
         ServiceRegistrationTimedOut,
         "service 64",
         {30, 40}},
        {"registration within 100 s", true, true, 100000, true, InstallOk, "service 64", {30, 40, 50, 60}},
    };
    for (const auto& c : cases) {
        SERVICE_MACHINE machine(sim::SIM_SITUATION::Wow64, c.runMs, 0, c.startable);
        if (!c.payload) machine.sim.Resources().SetLoadFails(true);
        if (!c.writable) machine.sim.Files().FailWrite(NativeProgram, FileAccessDenied);

        EXPECT_EQ(Install_Service(machine.Context()), c.result) << c.what;

        EXPECT_EQ(machine.FileText(u"C:\\Windows\\Sysnative\\Castorel.exe"), c.file) << c.what;
        EXPECT_EQ(machine.progress, c.progress) << c.what;
        EXPECT_FALSE(machine.sim.SystemInfo().RedirectionDisabled()) << c.what;
        EXPECT_EQ(machine.sim.Processes().OpenHandles(), 0u) << c.what;
        EXPECT_EQ(machine.Service() != nullptr && machine.Service()->State == ServiceStateRunning,
                  c.result == InstallOk)
            << c.what;
    }
}

} // namespace
} // namespace tonvel
