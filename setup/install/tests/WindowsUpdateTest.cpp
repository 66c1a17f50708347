#include "setup/install/WindowsUpdate.h"

#include "setup/install/InstallSteps.h"
#include "setup/install/tests/StepsMachine.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::STEPS_MACHINE;

const std::u16string Packages =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\Packages\\";
const std::u16string PackageFile32 = u"C:\\Windows\\SysWOW64\\Windows6.1-KB3033929-x64.msu";
const std::u16string NotExist = u"***** Service pack KDB3033929 not EXIST! *****\n";

void AddPackage(STEPS_MACHINE& machine, const std::u16string& name) {
    RegKey key = 0;
    machine.sim.Registry().CreateKey(RegLocalMachine, Packages + name, RegAllAccess | RegView64, key);
    machine.sim.Registry().CloseKey(key);
}

// Step 5 writes the package into the system folder of the setup (the 32-bit one on 64-bit Windows).
TEST(WindowsUpdate, ThePackageFileIsWrittenOnEverySystem) {
    const struct {
        sim::SIM_SITUATION situation;
        std::u16string file;
    } cases[] = {
        {sim::SIM_SITUATION::Wow64, PackageFile32},
        {sim::SIM_SITUATION::Windows32, u"C:\\Windows\\system32\\Windows6.1-KB3033929-x64.msu"},
    };
    for (const auto& c : cases) {
        STEPS_MACHINE machine(c.situation);
        machine.AddPayload(UpdatePayload, u"WINDOWPATCH", "package");
        EXPECT_EQ(Copy_KB3033929(machine.Context()), InstallOk);
        EXPECT_EQ(machine.FileText(c.file), "package");
        EXPECT_EQ(machine.Trace(), (std::vector<std::u16string>{u"==> TMainForm::Copy_KB3033929\n"}));
        EXPECT_EQ(machine.RedirectionCalls(), 0u);
    }
}

TEST(WindowsUpdate, APackageMissingOrNotWritableIsOnlyTraced) {
    {
        STEPS_MACHINE machine;
        EXPECT_EQ(Copy_KB3033929(machine.Context()), UpdatePayloadMissing);
        EXPECT_EQ(machine.Trace(),
                  (std::vector<std::u16string>{u"==> TMainForm::Copy_KB3033929\n",
                                               u"***** TMainForm::Copy_KB3033929 (0x10000701) *****\n"}));
    }
    {
        STEPS_MACHINE machine;
        machine.AddPayload(UpdatePayload, u"WINDOWPATCH", "package");
        machine.sim.Files().FailWrite(PackageFile32, FileAccessDenied);
        EXPECT_EQ(Copy_KB3033929(machine.Context()), InstallOk);
        EXPECT_EQ(machine.Trace(),
                  (std::vector<std::u16string>{u"==> TMainForm::Copy_KB3033929\n",
                                               u"***** TMainForm::Copy_KB3033929 (0x10000702) *****\n"}));
    }
}

// Step 8 installs the update only on 64-bit Windows 7 with a service pack whose package list lacks it; the
// list is matched on "Package_for_KB3033929~", letter case included.
TEST(WindowsUpdate, TheUpdateIsInstalledWhereItIsNeededAndMissing) {
    const struct {
        const char* what;
        sim::SIM_SITUATION situation;
        int32_t family;
        int32_t servicePack;
        std::u16string package; // empty: none
        std::vector<std::u16string> trace;
        bool started;
    } cases[] = {
        {"Windows 7 SP1 with the update",
         sim::SIM_SITUATION::Wow64,
         4,
         1,
         u"Package_for_KB3033929~31bf3856ad364e35~amd64~~6.1.1.1",
         {},
         false},
        {"Windows 7 SP1 without it", sim::SIM_SITUATION::Wow64, 4, 1, u"", {NotExist}, true},
        {"a key without the ~", sim::SIM_SITUATION::Wow64, 4, 1, u"Package_for_KB3033929", {NotExist}, true},
        {"a key in another case",
         sim::SIM_SITUATION::Wow64,
         4,
         1,
         u"package_for_KB3033929~31bf",
         {NotExist},
         true},
        {"Windows 7 without a service pack",
         sim::SIM_SITUATION::Wow64,
         4,
         0,
         u"",
         {u"##### The OS is Win7, but not install the service pack! #####\n"},
         false},
        {"Windows 10", sim::SIM_SITUATION::Wow64, 6, 0, u"", {u"##### The OS is not Win7 #####\n"}, false},
        {"Windows 8", sim::SIM_SITUATION::Wow64, 5, 0, u"", {u"##### The OS is not Win7 #####\n"}, false},
        {"32-bit Windows 7 SP1",
         sim::SIM_SITUATION::Windows32,
         4,
         1,
         u"",
         {u"##### The OS is 32-Bit #####\n"},
         false},
    };
    for (const auto& c : cases) {
        STEPS_MACHINE machine(c.situation);
        machine.family = c.family;
        machine.servicePack = c.servicePack;
        if (!c.package.empty()) AddPackage(machine, c.package);
        machine.sim.Processes().AddProgram(PackageFile32, 30000);

        EXPECT_EQ(Install_KB3033929(machine.Context()), InstallOk) << c.what;

        EXPECT_EQ(machine.Trace(), c.trace) << c.what;
        EXPECT_EQ(machine.sim.Processes().Starts().size(), c.started ? 1u : 0u) << c.what;
        EXPECT_EQ(machine.messages, c.started ? std::vector<std::u16string>{u"Install the update"}
                                              : std::vector<std::u16string>{})
            << c.what;
        if (!c.started) continue;
        EXPECT_EQ(machine.sim.Processes().Starts()[0].file, PackageFile32) << c.what;
        EXPECT_TRUE(machine.sim.Processes().HasEnded(0)) << c.what << ": waited for";
        EXPECT_EQ(machine.sim.Processes().OpenHandles(), 0u) << c.what;
    }
}

TEST(WindowsUpdate, AnEmptyWarningShowsNoMessage) {
    STEPS_MACHINE machine;
    machine.family = 4;
    machine.servicePack = 1;
    machine.warnings.BeforeUpdate.clear();
    machine.sim.Processes().AddProgram(PackageFile32, 1000);
    EXPECT_EQ(Install_KB3033929(machine.Context()), InstallOk);
    EXPECT_TRUE(machine.messages.empty());
    EXPECT_EQ(machine.sim.Processes().Starts().size(), 1u);
}

TEST(WindowsUpdate, APackageTheShellCannotStart) {
    STEPS_MACHINE machine;
    machine.family = 4;
    machine.servicePack = 1;
    EXPECT_EQ(Install_KB3033929(machine.Context()), UpdateStartFailed);
    EXPECT_EQ(machine.Trace(), (std::vector<std::u16string>{
                                   NotExist, u"***** TMainForm::Install_KB3033929 (0x80000601) *****\n"}));
}

} // namespace
} // namespace tonvel
