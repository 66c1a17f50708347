#include "setup/install/InstallSequence.h"

#include "installation/PanelClose.h"
#include "platform/sim/SimWindows.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/tests/StandInSteps.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tonvel {
namespace {

const std::u16string SourceFolder = u"C:\\Users\\Setup\\TonvelSetup\\";
constexpr char16_t Warning1[] = u"old driver";
constexpr char16_t Warning2[] = u"Install failed ";
constexpr char16_t Warning3[] = u"channel closed";
constexpr char16_t Warning5[] = u"Close this program: ";

struct Install {
    sim::CSimWindows sim;
    _APPLICATION_FOLDER_PATH folders;
    _REG_UNINSTALL_INFO uninstall;
    CDeviceIdMgr usb, hid;
    INSTALL_WARNINGS warnings{Warning1, Warning2, Warning3, {}, Warning5};
    INSTALL_STEPS steps = DefaultInstallSteps();
    std::vector<int32_t> progress;
    std::vector<std::u16string> messages;
    std::vector<int32_t> serviceRequests;

    Install() {
        sim.Files().CreateFolders(SourceFolder);
        std::filesystem::path host;
        sim.Files().HostPath(SourceFolder, host);
        std::filesystem::copy_file(std::filesystem::path(TONVEL_ASSETS_DIR) / "AudioConfig.cfg",
                                   host / "AudioConfig.cfg");
        usb.Load(sim.Files(), SourceFolder + u"AudioConfig.cfg", u"USB_VID_PID");
        sim.FilterDriver().SetPresent(false); // a clean system: no filter driver running
        // The steps have their own tests; here they only post their progress.
        steps.FilterDriver = Posting({10, 20});
        UsePostingSteps(steps);
        steps.ControlService = [this](const INSTALL_CONTEXT&, int32_t request) {
            serviceRequests.push_back(request);
            return 1;
        };
    }
    // Every step that counts fails with that result (0: none).
    void FailStep(INSTALL_STEP_FUNCTION INSTALL_STEPS::*step, int32_t result) {
        steps.*step = [result](const INSTALL_CONTEXT&) { return result; };
    }
    int32_t Run() {
        INSTALL_CONTEXT context{sim.platform(), folders, uninstall, usb, hid, warnings};
        context.Reports.Progress = [this](int32_t percent) { progress.push_back(percent); };
        context.Reports.Message = [this](const std::u16string& text) { messages.push_back(text); };
        return CInstallSequence(context, steps).Run();
    }
    std::vector<std::u16string> Trace() { return sim.DebugOutput().Lines(); }
};

std::vector<std::u16string> TraceUpTo(int32_t lastStep) {
    std::vector<std::u16string> lines{u"==> TMainForm::Install\n"};
    for (int32_t n = 1; n <= lastStep; ++n)
        lines.push_back(u"===== Install STEP" + std::u16string(1, char16_t(u'0' + n)) + u" =====\n");
    return lines;
}

TEST(InstallSequence, CleanInstallRunsEveryStepInOrderAndEndsDone) {
    Install install;
    EXPECT_EQ(install.Run(), InstallDone);
    EXPECT_EQ(install.Trace(), TraceUpTo(8));
    EXPECT_EQ(install.progress, (std::vector<int32_t>{1, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_TRUE(install.messages.empty());
    // Running panels are asked to quit, the helper service is started, reset and stopped.
    const auto& broadcasts = install.sim.WindowSystem().Broadcasts();
    ASSERT_EQ(broadcasts.size(), 1u);
    EXPECT_EQ(broadcasts[0].Message, install.sim.WindowSystem().RegisterMessage(u"wm_orv72xxapp_exit"));
    EXPECT_EQ(install.serviceRequests, (std::vector<int32_t>{0, 128, 1}));
    EXPECT_EQ(install.sim.Machine().Sleeps(), (std::vector<uint32_t>{1000}));
    EXPECT_EQ(install.sim.Machine().Beeps(), (std::vector<std::pair<uint32_t, uint32_t>>{{500, 100}}));
}

// A panel asked to quit takes its time to end; its file is written only after it has ended.
TEST(InstallSequence, APanelStillRunningIsWaitedForBeforeAnyStep) {
    struct PANEL_CASE {
        uint32_t runsFor;
        uint32_t waited;
    };
    for (const PANEL_CASE c : {PANEL_CASE{2000, 2000}, PANEL_CASE{PanelExitWaitMs, PanelExitWaitMs}}) {
        Install install;
        install.folders.InstallFolderFullPath = u"C:\\Program Files (x86)\\Tonvel\\";
        install.folders.APPFileName = u"Tonvel";
        const std::u16string panel = install.folders.InstallFolderFullPath + u"Tonvel.exe";
        install.sim.Processes().AddRunning(panel, c.runsFor);
        const uint32_t start = install.sim.SystemInfo().GetTickCount();
        uint32_t atFirstStep = 0;
        install.steps.FilterDriver = [&](const INSTALL_CONTEXT&) {
            atFirstStep = install.sim.SystemInfo().GetTickCount();
            return InstallOk;
        };
        EXPECT_EQ(install.Run(), InstallDone);
        EXPECT_EQ(atFirstStep - start, c.waited);
        EXPECT_EQ(install.sim.Processes().OpenHandles(), 0u);
    }
}

// Panels that have not ended when the one wait for all of them is over stop the installation before the
// helper service, the old filter or any step is touched; the message names the program to close.
TEST(InstallSequence, PanelsThatDoNotEndStopBeforeAnythingIsWritten) {
    constexpr uint32_t Forever = sim::CSimProcesses::ForeverMs;
    const struct {
        const char* what;
        std::vector<uint32_t> panels; // how long each runs
    } cases[] = {
        {"one panel that never ends", {Forever}},
        {"two panels that never end", {Forever, Forever}},
        {"one ends in time, one never", {3000, Forever}},
        {"two that end just after the wait", {PanelExitWaitMs + 1, PanelExitWaitMs + 1}},
    };
    for (const auto& c : cases) {
        Install install;
        install.folders.InstallFolderFullPath = u"C:\\Program Files (x86)\\Tonvel\\";
        install.folders.APPFileName = u"Tonvel";
        const std::u16string panel = install.folders.InstallFolderFullPath + u"Tonvel.exe";
        for (const uint32_t runsFor : c.panels)
            install.sim.Processes().AddRunning(panel, runsFor);
        bool detached = false;
        install.steps.DetachFilter = [&](const INSTALL_CONTEXT&) { detached = true; };
        const uint32_t start = install.sim.SystemInfo().GetTickCount();
        EXPECT_EQ(install.Run(), InstallNotDone) << c.what;
        EXPECT_EQ(install.sim.SystemInfo().GetTickCount() - start, PanelExitWaitMs) << c.what;
        EXPECT_EQ(install.messages, (std::vector<std::u16string>{Warning5 + panel})) << c.what;
        EXPECT_TRUE(install.serviceRequests.empty()) << c.what;
        EXPECT_FALSE(detached) << c.what;
        EXPECT_EQ(install.Trace(), TraceUpTo(0)) << c.what;
        EXPECT_TRUE(install.progress.empty()) << c.what;
        EXPECT_EQ(install.sim.Processes().OpenHandles(), 0u) << c.what;
    }
}

TEST(InstallSequence, AnOldFilterChannelStillOpenStopsBeforeAnyStep) {
    Install install;
    install.sim.FilterDriver().SetPresent(true);
    bool detached = false;
    install.steps.DetachFilter = [&](const INSTALL_CONTEXT&) { detached = true; };
    EXPECT_EQ(install.Run(), InstallNotDone);
    EXPECT_TRUE(detached);
    EXPECT_EQ(install.messages, (std::vector<std::u16string>{Warning1}));
    EXPECT_EQ(install.Trace(), TraceUpTo(0));
    EXPECT_TRUE(install.progress.empty());
    EXPECT_TRUE(install.sim.Machine().Beeps().empty());
}

TEST(InstallSequence, AFailedStepShowsItsCodeAfterTheWarningAndEndsTheRun) {
    const struct {
        INSTALL_STEP_FUNCTION INSTALL_STEPS::*step;
        int32_t result;
        int32_t lastStep;
        std::u16string code;
        std::vector<int32_t> progress;
    } cases[] = {
        {&INSTALL_STEPS::FilterDriver, DriverPayloadMissing, 1, u"(Code = 0x80000001)", {1}},
        {&INSTALL_STEPS::Service, ServiceRegistrationTimedOut, 2, u"(Code = 0x80000002)", {1, 10, 20}},
        {&INSTALL_STEPS::App, AppPayloadMissing, 3, u"(Code = 0x80000003)", {1, 10, 20, 30, 40, 50, 60}},
        {&INSTALL_STEPS::Uninstall,
         UninstallFileFailed,
         4,
         u"(Code = 0x80000004)",
         {1, 10, 20, 30, 40, 50, 60, 70}},
        {&INSTALL_STEPS::Config, 7, 5, u"(Code = 0x80000005)", {1, 10, 20, 30, 40, 50, 60, 70, 80}},
        {&INSTALL_STEPS::KB3033929,
         UpdateStartFailed,
         8,
         u"(Code = 0x80000006)",
         {1, 10, 20, 30, 40, 50, 60, 70, 80, 90}},
    };
    for (const auto& c : cases) {
        Install install;
        install.FailStep(c.step, c.result);
        EXPECT_EQ(install.Run(), InstallNotDone) << c.lastStep;
        EXPECT_EQ(install.messages, (std::vector<std::u16string>{Warning2 + c.code})) << c.lastStep;
        EXPECT_EQ(install.Trace(), TraceUpTo(c.lastStep)) << c.lastStep;
        EXPECT_EQ(install.progress, c.progress) << c.lastStep;
    }
}

TEST(InstallSequence, TheManualsResultIsIgnored) {
    Install install;
    install.FailStep(&INSTALL_STEPS::Manual, 1);
    EXPECT_EQ(install.Run(), InstallDone);
    EXPECT_TRUE(install.messages.empty());
}

TEST(InstallSequence, TheFailureMessageKeepsToItsBuffer) {
    Install install;
    install.warnings.StepFailed = std::u16string(300, u'w');
    install.FailStep(&INSTALL_STEPS::FilterDriver, 1);
    install.Run();
    ASSERT_EQ(install.messages.size(), 1u);
    EXPECT_EQ(install.messages[0].size(), InstallMessageUnits - 1);
}

// Step 7 restarts the devices; a present device whose filter channel stays closed gets a warning and the
// installation still ends done.
TEST(InstallSequence, StepSevenWarnsOnlyForAPresentDeviceWithoutItsChannel) {
    const struct {
        const char* what;
        bool plugged;
        bool channelAfterRestart;
        std::vector<std::u16string> messages;
    } cases[] = {
        {"device not plugged in", false, false, {}},
        {"device plugged, channel opens", true, true, {}},
        {"device plugged, channel closed", true, false, {Warning3}},
    };
    for (const auto& c : cases) {
        Install install;
        if (c.plugged) install.sim.Devices().Plug(install.sim.Headset());
        int32_t restarts = 0;
        install.steps.RestartDevices = [&](const INSTALL_CONTEXT&) {
            ++restarts;
            install.sim.FilterDriver().SetPresent(c.channelAfterRestart);
            return 0;
        };
        EXPECT_EQ(install.Run(), InstallDone) << c.what;
        EXPECT_EQ(restarts, 1) << c.what;
        EXPECT_EQ(install.messages, c.messages) << c.what;
        EXPECT_EQ(install.Trace(), TraceUpTo(8)) << c.what;
    }
}

} // namespace
} // namespace tonvel
