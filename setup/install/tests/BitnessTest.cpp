// Which payloads the setup installs follows the bitness of Windows, whichever build of the setup runs: a
// 64-bit setup is not under WOW64, yet its Windows is 64-bit.

#include "foundation/helpers/Wow64.h"
#include "installation/InstallationPaths.h"
#include "installation/NativeSystemAccess.h"
#include "setup/install/InstallFilterDriver.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/WindowsUpdate.h"
#include "setup/install/tests/StepsMachine.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tonvel {
namespace {

using test::STEPS_MACHINE;

const std::u16string ThirtyTwoBitTrace = u"##### The OS is 32-Bit #####\n";

TEST(Bitness, PayloadsAndTheUpdateFollowTheBitnessOfWindows) {
    const struct {
        sim::SIM_SITUATION situation;
        bool windows64;
        std::string driver;
        std::string service;
        bool updateConsidered;
    } cases[] = {
        {sim::SIM_SITUATION::Process64, true, "driver 64", "service 64", true},
        {sim::SIM_SITUATION::Wow64, true, "driver 64", "service 64", true},
        {sim::SIM_SITUATION::Windows32, false, "driver 32", "service 32", false},
    };
    for (const auto& c : cases) {
        const char* what = sim::SituationName(c.situation);
        STEPS_MACHINE machine(c.situation);
        machine.AddPayload(DriverResource32, u"DRIVER", "driver 32");
        machine.AddPayload(DriverResource64, u"DRIVER", "driver 64");
        machine.AddPayload(ServicePayload32, u"SERVICE", "service 32");
        machine.AddPayload(ServicePayload64, u"SERVICE", "service 64");
        machine.family = UpdateWindows7Family;
        machine.servicePack = 1;
        EXPECT_EQ(RunsOnWindows64(machine.sim.SystemInfo()), c.windows64) << what;
        const INSTALL_CONTEXT context = machine.Context();
        EXPECT_EQ(Install_FilterDriver(context), InstallOk) << what;
        Install_Service(context); // no service registers here: only the file counts
        {
            const CNativeSystemAccess native(machine.platform, context.Wow64);
            EXPECT_EQ(machine.FileText(DriverFilePath(machine.folders)), c.driver) << what;
            EXPECT_EQ(machine.FileText(ServiceProgramPath(machine.folders)), c.service) << what;
        }
        machine.sim.DebugOutput().Clear();
        Install_KB3033929(context);
        const std::vector<std::u16string> trace = machine.Trace();
        EXPECT_EQ(std::find(trace.begin(), trace.end(), ThirtyTwoBitTrace) == trace.end(), c.updateConsidered)
            << what;
    }
}

} // namespace
} // namespace tonvel
