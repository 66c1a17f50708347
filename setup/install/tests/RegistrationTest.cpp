#include "setup/install/Registration.h"

#include "platform/sim/SimRegistryFaults.h"
#include "setup/install/tests/StepsMachine.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::STEPS_MACHINE;

const std::u16string Program = u"C:\\Program Files (x86)\\Tonvel\\Tonvel.exe";
const std::u16string Uninstaller = u"C:\\Program Files (x86)\\Tonvel\\TonvelUninstall.exe";

std::u16string ValueIn32BitView(STEPS_MACHINE& machine, const std::u16string& keyPath,
                                const std::u16string& name) {
    RegKey key = 0;
    std::u16string value = u"(none)";
    if (machine.sim.Registry().OpenKey(RegLocalMachine, keyPath, RegRead | RegView32, key) != RegOk)
        return value;
    machine.sim.Registry().QueryString(key, name, value);
    machine.sim.Registry().CloseKey(key);
    return value;
}

// The Run value names the program in quotes, in the 32-bit view that a 32-bit setup writes on 64-bit Windows.
TEST(Registration, TheRunValueIsTheQuotedProgramPath) {
    STEPS_MACHINE machine;
    EXPECT_EQ(WriteRunValue(machine.sim.Registry(), u"Tonvel", Program), WRITE_RUN_VALUE_OK);
    EXPECT_EQ(ValueIn32BitView(machine, RunKeyPath, u"Tonvel"), u"\"" + Program + u"\"");
    EXPECT_EQ(machine.sim.Registry().OpenHandleCount(), 0u);
}

TEST(Registration, ARunValueThatCannotBeWritten) {
    {
        STEPS_MACHINE machine;
        machine.sim.Registry().SetLocalMachineWritable(false);
        EXPECT_EQ(WriteRunValue(machine.sim.Registry(), u"Tonvel", Program), WRITE_RUN_VALUE_NO_KEY);
    }
    {
        STEPS_MACHINE machine;
        sim::CRegistryWriteFaults faults(machine.sim.Registry());
        faults.FailWrite(1);
        EXPECT_EQ(WriteRunValue(faults, u"Tonvel", Program), WRITE_RUN_VALUE_NOT_WRITTEN);
        EXPECT_EQ(ValueIn32BitView(machine, RunKeyPath, u"Tonvel"), u"(none)");
        EXPECT_EQ(machine.sim.Registry().OpenHandleCount(), 0u);
    }
}

// An Uninstall key of an earlier installation is opened again: its five values are overwritten, its other
// values stay.
TEST(Registration, TheUninstallEntryOverAnEarlierOne) {
    STEPS_MACHINE machine;
    sim::CSimRegistry& registry = machine.sim.Registry();
    RegKey key = 0;
    ASSERT_EQ(registry.CreateKey(RegLocalMachine, UninstallKeyPath, RegAllAccess, key), RegOk);
    registry.SetString(key, u"DisplayVersion", u"0.9.0.0");
    registry.SetString(key, u"InstallLocation", u"C:\\Old");
    registry.CloseKey(key);
    const _REG_UNINSTALL_INFO info{UninstallKeyPath, u"Tonvel 7.1 Audio", Uninstaller,
                                   Uninstaller,      u"1.2.3.4",          u"Tonvel Audio"};

    EXPECT_TRUE(WriteUninstallInfo(registry, info));

    const struct {
        std::u16string name, value;
    } expected[] = {
        {u"DisplayName", u"Tonvel 7.1 Audio"}, {u"UninstallString", u"\"" + Uninstaller + u"\""},
        {u"DisplayIcon", Uninstaller},         {u"DisplayVersion", u"1.2.3.4"},
        {u"Publisher", u"Tonvel Audio"},       {u"InstallLocation", u"C:\\Old"},
    };
    for (const auto& value : expected)
        EXPECT_EQ(ValueIn32BitView(machine, UninstallKeyPath, value.name), value.value);
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST(Registration, AnUninstallKeyThatCannotBeMade) {
    STEPS_MACHINE machine;
    machine.sim.Registry().SetLocalMachineWritable(false);
    EXPECT_FALSE(WriteUninstallInfo(machine.sim.Registry(), machine.uninstall));
    EXPECT_EQ(machine.sim.Registry().OpenHandleCount(), 0u);
}

} // namespace
} // namespace tonvel
