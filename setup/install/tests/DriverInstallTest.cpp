#include "installation/DeviceFilter.h"
#include "installation/DeviceRestart.h"
#include "platform/sim/SimWindows.h"
#include "setup/install/DriverServiceKey.h"
#include "setup/install/InstallFilterDriver.h"
#include "setup/install/InstallSequence.h"
#include "setup/install/InstallSteps.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace tonvel {
namespace {

constexpr char16_t System32[] = u"C:\\Windows\\system32\\";
constexpr char16_t Temp[] = u"C:\\Users\\User\\AppData\\Local\\Temp\\";
constexpr uint32_t Ticks = 0x1234ABCD;
const std::u16string ServiceKey = u"SYSTEM\\CurrentControlSet\\Services\\Pelix";
const std::u16string Helper = std::u16string(Temp) + u"TonvelRestart1234ABCD\\TonvelDeviceRestart.exe";
const std::vector<std::u16string> OtherFirst = {u"other", u"Pelix"};
const std::vector<std::u16string> PelixFirst = {u"PELIX", u"other"};

struct Driver {
    sim::CSimWindows sim;
    sim::CSimHeadset second{0x7214, 0x7F1C, u"8&2b3c4d5e&0"};
    _APPLICATION_FOLDER_PATH folders;
    _REG_UNINSTALL_INFO uninstall;
    CDeviceIdMgr usb, hid;
    INSTALL_WARNINGS warnings{u"old driver", u"failed ", u"channel closed", {}, {}};
    std::vector<int32_t> progress;

    explicit Driver(sim::SIM_SITUATION situation = sim::SIM_SITUATION::Wow64, bool drivers = true,
                    bool helper = true) {
        sim.SetSituation(situation);
        sim.CreateSystemFolders();
        folders.NativeSystemFolder = System32;
        const std::u16string source = u"C:\\Setup\\";
        sim.Files().CreateFolders(source);
        std::filesystem::path host;
        sim.Files().HostPath(source, host);
        std::filesystem::copy_file(std::filesystem::path(TONVEL_ASSETS_DIR) / "AudioConfig.cfg",
                                   host / "AudioConfig.cfg");
        usb.Load(sim.Files(), source + u"AudioConfig.cfg", u"USB_VID_PID");
        if (drivers) sim.Resources().AddResource(102, u"DRIVER", {'3', '2'});
        if (drivers) sim.Resources().AddResource(103, u"DRIVER", {'6', '4'});
        if (helper) sim.Resources().AddResource(111, u"DEVRESTART", {'M', 'Z'});
        sim.SystemInfo().SetTickCount(Ticks);
        sim.Files().CreateFolders(Temp);
    }
    INSTALL_CONTEXT Context() {
        INSTALL_CONTEXT context{sim.platform(), folders, uninstall, usb, hid, warnings};
        context.Wow64 = sim.Situation() == sim::SIM_SITUATION::Wow64;
        context.windows64 = sim::IsWindows64(sim.Situation());
        context.Reports.Progress = [this](int32_t percent) { progress.push_back(percent); };
        return context;
    }
    sim::SIM_DEVICE_NODE& UsbNode(sim::CSimHeadset& headset) { return headset.Nodes()[1]; }
    std::optional<std::vector<std::u16string>> Filters(sim::CSimHeadset& headset) {
        return UsbNode(headset).UpperFilters;
    }
    bool FileAt(const std::u16string& path) { return sim.Files().Attributes(path) != FileAttrInvalid; }
    bool ServiceKeyExists() {
        RegKey key = 0;
        if (sim.Registry().OpenKey(RegLocalMachine, ServiceKey, RegRead | RegView64, key) != RegOk)
            return false;
        sim.Registry().CloseKey(key);
        return true;
    }
};

TEST(DriverServiceKey, WritesTheFourValuesAndFlushes) {
    sim::CSimWindows sim;
    ASSERT_EQ(CreateDriverServiceKey(sim.Registry(), u"Pelix"), DriverKeyWritten);
    RegKey key = 0;
    ASSERT_EQ(sim.Registry().OpenKey(RegLocalMachine, ServiceKey, RegRead, key), RegOk);
    std::vector<std::u16string> names;
    std::u16string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    for (uint32_t i = 0; sim.Registry().EnumValue(key, i, name, type, data) == RegOk; ++i)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"ErrorControl", u"Start", u"Type", u"ImagePath"}));
    uint32_t value = 0;
    EXPECT_EQ(sim.Registry().QueryDword(key, u"ErrorControl", value), RegOk);
    EXPECT_EQ(value, 1u);
    EXPECT_EQ(sim.Registry().QueryDword(key, u"Start", value), RegOk);
    EXPECT_EQ(value, 3u);
    EXPECT_EQ(sim.Registry().QueryDword(key, u"Type", value), RegOk);
    EXPECT_EQ(value, 1u);
    ASSERT_EQ(sim.Registry().QueryValue(key, u"ImagePath", type, data), RegOk);
    EXPECT_EQ(type, RegTypeExpandSz);
    std::u16string image;
    EXPECT_EQ(sim.Registry().QueryString(key, u"ImagePath", image), RegOk);
    EXPECT_EQ(image, u"System32\\DRIVERS\\Pelix.sys");
    EXPECT_EQ(sim.Registry().Flushes(), 1u);
    sim.Registry().CloseKey(key);
}

TEST(DriverServiceKey, RefusedNamesAndKeysWriteNothing) {
    struct CASE {
        const char* Name;
        std::u16string Service;
        bool Writable;
    };
    const CASE cases[] = {{"HKLM not writable", u"Pelix", false},
                          {"empty name", u"", true},
                          {"key name past 255 units", std::u16string(230, u'P'), true}};
    for (const CASE& c : cases) {
        sim::CSimWindows sim;
        sim.Registry().SetLocalMachineWritable(c.Writable);
        EXPECT_EQ(CreateDriverServiceKey(sim.Registry(), c.Service), DriverKeyNotWritten) << c.Name;
        EXPECT_EQ(sim.Registry().Flushes(), 0u) << c.Name;
    }
}

TEST(InstallFilterDriver, WritesThePayloadOfTheWindowsBitnessIntoTheNativeDriversFolder) {
    struct CASE {
        sim::SIM_SITUATION Situation;
        std::u16string Where; // the real System32 as this process names it
        const char* Bytes;
        size_t RedirectionCalls;
    };
    const CASE cases[] = {
        {sim::SIM_SITUATION::Windows32, u"C:\\Windows\\system32\\drivers\\Pelix.sys", "32", 0},
        {sim::SIM_SITUATION::Wow64, u"C:\\Windows\\Sysnative\\drivers\\Pelix.sys", "64", 2},
    };
    for (const CASE& c : cases) {
        Driver driver(c.Situation);
        EXPECT_EQ(Install_FilterDriver(driver.Context()), InstallOk) << sim::SituationName(c.Situation);
        EXPECT_EQ(driver.progress, (std::vector<int32_t>{10, 20}));
        std::vector<uint8_t> bytes;
        ASSERT_EQ(driver.sim.Files().ReadAll(c.Where, bytes), FileOk) << sim::SituationName(c.Situation);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), c.Bytes);
        EXPECT_FALSE(driver.FileAt(u"C:\\Windows\\SysWOW64\\drivers\\Pelix.sys"));
        EXPECT_EQ(driver.sim.SystemInfo().RedirectionCalls().size(), c.RedirectionCalls);
        EXPECT_FALSE(driver.sim.SystemInfo().RedirectionDisabled());
        EXPECT_TRUE(driver.ServiceKeyExists());
    }
}

TEST(InstallFilterDriver, EachFailureHasItsCodeAndRestoresRedirection) {
    enum class FAULT { KeyRefused, PayloadMissing, FileRefused, FolderTooLong };
    struct CASE {
        const char* Name;
        FAULT Fault;
        int32_t Result;
        bool KeyKept;
    };
    const CASE cases[] = {{"key not creatable", FAULT::KeyRefused, DriverKeyFailed, false},
                          {"payload missing", FAULT::PayloadMissing, DriverPayloadMissing, true},
                          {"file not writable", FAULT::FileRefused, DriverFileFailed, true},
                          {"path past 260 units", FAULT::FolderTooLong, DriverFileFailed, true}};
    for (const auto situation : {sim::SIM_SITUATION::Wow64, sim::SIM_SITUATION::Windows32}) {
        for (const CASE& c : cases) {
            Driver driver(situation, c.Fault != FAULT::PayloadMissing);
            if (c.Fault == FAULT::KeyRefused) driver.sim.Registry().SetLocalMachineWritable(false);
            if (c.Fault == FAULT::FileRefused)
                driver.sim.Files().FailWrite(u"C:\\Windows\\system32\\drivers\\Pelix.sys");
            if (c.Fault == FAULT::FolderTooLong)
                driver.folders.NativeSystemFolder = u"C:\\" + std::u16string(250, u'x') + u"\\";
            EXPECT_EQ(Install_FilterDriver(driver.Context()), c.Result) << c.Name;
            EXPECT_EQ(driver.ServiceKeyExists(), c.KeyKept) << c.Name;
            EXPECT_EQ(driver.progress, c.KeyKept ? std::vector<int32_t>{10} : std::vector<int32_t>{})
                << c.Name;
            EXPECT_FALSE(driver.sim.SystemInfo().RedirectionDisabled()) << c.Name;
            const auto& calls = driver.sim.SystemInfo().RedirectionCalls();
            EXPECT_EQ(calls.size() % 2, 0u) << c.Name; // every switch-off is followed by its revert
            EXPECT_FALSE(driver.FileAt(u"C:\\Windows\\SysWOW64\\drivers\\Pelix.sys")) << c.Name;
        }
    }
}

TEST(DeviceFilter, OnlyThePelixEntryLeavesEachMatchingDevice) {
    struct CASE {
        const char* Name;
        std::optional<std::vector<std::u16string>> Before, After;
    };
    const CASE cases[] = {
        {"first, in capitals", PelixFirst, std::vector<std::u16string>{u"other"}},
        {"after another driver", OtherFirst, std::vector<std::u16string>{u"other"}},
        {"the only entry", std::vector<std::u16string>{u"pelix"}, std::nullopt},
        {"not there", std::vector<std::u16string>{u"other", u"Pelix2"},
         std::vector<std::u16string>{u"other", u"Pelix2"}},
        {"no UpperFilters", std::nullopt, std::nullopt},
    };
    for (const CASE& c : cases) {
        Driver driver;
        driver.UsbNode(driver.sim.Headset()).UpperFilters = c.Before;
        driver.sim.Devices().Plug(driver.sim.Headset());
        EXPECT_EQ(RemoveUpperFilter(driver.sim.Devices(), HidSetupClass, SetupHardwareIdPattern, driver.usb,
                                    u"Pelix"),
                  DevicePassDone);
        EXPECT_EQ(driver.Filters(driver.sim.Headset()), c.After) << c.Name;
        EXPECT_EQ(driver.sim.Devices().OpenListCount(), 0u);
    }
}

TEST(DeviceFilter, TwoDevicesAbsentOnesAndOtherLengths) {
    Driver driver;
    driver.UsbNode(driver.sim.Headset()).UpperFilters = PelixFirst;
    driver.UsbNode(driver.second).UpperFilters = OtherFirst;
    driver.sim.Devices().Plug(driver.sim.Headset());
    driver.sim.Devices().Plug(driver.second);
    driver.sim.Devices().Unplug(driver.second); // absent devices lose the filter too
    sim::CSimHeadset shortId(0x7215, 0x7F1C, u"8&3c4d5e6f&0");
    driver.UsbNode(shortId).HardwareIds = {u"USB\\VID_7F1C&PID_7215&MI_03"};
    driver.UsbNode(shortId).UpperFilters = PelixFirst;
    driver.sim.Devices().Plug(shortId);
    const CDeviceIdMgr& anyLength = driver.usb;
    EXPECT_EQ(
        RemoveUpperFilter(driver.sim.Devices(), HidSetupClass, SetupHardwareIdPattern, anyLength, u"Pelix"),
        DevicePassDone);
    EXPECT_EQ(driver.Filters(driver.sim.Headset()), (std::vector<std::u16string>{u"other"}));
    EXPECT_EQ(driver.Filters(driver.second), (std::vector<std::u16string>{u"other"}));
    EXPECT_EQ(driver.Filters(shortId), PelixFirst); // another length never matches
    driver.sim.Devices().FailDeviceLists(true);
    EXPECT_EQ(
        RemoveUpperFilter(driver.sim.Devices(), HidSetupClass, SetupHardwareIdPattern, anyLength, u"Pelix"),
        DeviceListUnavailable);
    driver.sim.Devices().Unplug(shortId);
}

TEST(DeviceRestart, DisableThenAlwaysEnable) {
    struct CASE {
        const char* Name;
        bool NeedReboot, FailStateChange;
        std::vector<uint32_t> Changes;
        bool Restarted;
    };
    const CASE cases[] = {{"restarted", false, false, {DicsDisable, DicsEnable}, true},
                          {"needs reboot", true, false, {DicsDisable, DicsEnable}, false},
                          {"installer refuses", false, true, {}, false}};
    for (const CASE& c : cases) {
        Driver driver(sim::SIM_SITUATION::Windows32);
        driver.UsbNode(driver.sim.Headset()).NeedReboot = c.NeedReboot;
        driver.UsbNode(driver.sim.Headset()).FailStateChange = c.FailStateChange;
        driver.sim.Devices().Plug(driver.sim.Headset());
        const INSTALL_CONTEXT context = driver.Context();
        EXPECT_EQ(RestartMatchingDevices(context), DevicePassDone) << c.Name;
        EXPECT_EQ(driver.UsbNode(driver.sim.Headset()).StateChanges, c.Changes) << c.Name;
        EXPECT_EQ(context.RestartNeeded, !c.Restarted) << c.Name;
        EXPECT_TRUE(driver.sim.Processes().CommandLines().empty());
    }
}

TEST(DeviceRestart, HelperCommandLineQuotesWhatHoldsSpaces) {
    EXPECT_EQ(DeviceRestartCommandLine(u"C:\\T\\TonvelDeviceRestart.exe", {u"USB\\A\\1", u"ROOT\\B C\\2"}),
              u"\"C:\\T\\TonvelDeviceRestart.exe\" USB\\A\\1 \"ROOT\\B C\\2\"");
}

TEST(DeviceRestart, UnderWow64TheHelperRestartsTheDevicesFromATemporaryFile) {
    struct CASE {
        const char* Name;
        bool Registered;
        uint32_t Duration, ExitCode;
        bool Payload;
        bool RestartNeeded;
    };
    const CASE cases[] = {{"restarted", true, 100, 0, true, false},
                          {"a device needs a reboot", true, 100, 1, true, true},
                          {"bad command line", true, 100, 2, true, true},
                          {"does not start", false, 0, 0, true, true},
                          {"payload missing", true, 100, 0, false, true},
                          {"hangs past the bound", true, 120000, 0, true, true}};
    for (const CASE& c : cases) {
        Driver driver(sim::SIM_SITUATION::Wow64, true, c.Payload);
        driver.sim.Devices().Plug(driver.sim.Headset());
        driver.sim.Devices().Plug(driver.second);
        bool fileThere = false;
        if (c.Registered)
            driver.sim.Processes().AddProgram(Helper, c.Duration, c.ExitCode, [&](const std::u16string&) {
                fileThere = driver.FileAt(Helper);
            });
        const INSTALL_CONTEXT context = driver.Context();
        const uint32_t before = driver.sim.SystemInfo().GetTickCount();
        EXPECT_EQ(RestartMatchingDevices(context), DevicePassDone) << c.Name;
        EXPECT_EQ(context.RestartNeeded, c.RestartNeeded) << c.Name;
        EXPECT_TRUE(driver.UsbNode(driver.sim.Headset()).StateChanges.empty()) << c.Name; // not from WOW64
        EXPECT_FALSE(driver.FileAt(Helper)) << c.Name;
        EXPECT_FALSE(driver.FileAt(Helper.substr(0, Helper.rfind(u'\\')))) << c.Name;
        EXPECT_LE(driver.sim.SystemInfo().GetTickCount() - before, DeviceRestartWaitMs) << c.Name;
        if (!c.Payload) {
            EXPECT_TRUE(driver.sim.Processes().CommandLines().empty());
            continue;
        }
        EXPECT_EQ(fileThere, c.Registered) << c.Name;
        EXPECT_EQ(driver.sim.Processes().CommandLines(),
                  (std::vector<std::u16string>{u"\"" + Helper +
                                               u"\" USB\\VID_7F1C&PID_7213&MI_00\\6&1B2C3D4E&0&0000"
                                               u" USB\\VID_7F1C&PID_7213&MI_03\\6&1B2C3D4E&0&0003"
                                               u" USB\\VID_7F1C&PID_7214&MI_00\\6&1B2C3D4E&0&0000"
                                               u" USB\\VID_7F1C&PID_7214&MI_03\\6&1B2C3D4E&0&0003"}))
            << c.Name;
    }
}

TEST(DeviceRestart, NoDeviceNothingRemovedNorRestartedAndNoChannelCheck) {
    for (const auto situation : {sim::SIM_SITUATION::Wow64, sim::SIM_SITUATION::Windows32}) {
        Driver driver(situation);
        const INSTALL_CONTEXT context = driver.Context();
        DetachFilterAndRestart(context);
        EXPECT_EQ(RestartMatchingDevices(context), DevicePassDone);
        EXPECT_FALSE(context.RestartNeeded);
        EXPECT_TRUE(driver.sim.Processes().CommandLines().empty());
    }
}

TEST(DeviceRestart, DetachRemovesTheFilterThenRestarts) {
    Driver driver(sim::SIM_SITUATION::Windows32);
    driver.UsbNode(driver.sim.Headset()).UpperFilters = OtherFirst;
    driver.sim.Devices().Plug(driver.sim.Headset());
    DetachFilterAndRestart(driver.Context());
    EXPECT_EQ(driver.Filters(driver.sim.Headset()), (std::vector<std::u16string>{u"other"}));
    EXPECT_EQ(driver.UsbNode(driver.sim.Headset()).StateChanges,
              (std::vector<uint32_t>{DicsDisable, DicsEnable}));
}

// The old driver cannot be unloaded without a Windows restart: the installation goes on (the new files
// take effect with that restart) and step 7 gives no channel warning.
TEST(DeviceRestart, ARestartThatNeedsWindowsDoesNotStopTheInstallation) {
    Driver driver(sim::SIM_SITUATION::Windows32);
    driver.UsbNode(driver.sim.Headset()).UpperFilters = PelixFirst;
    driver.UsbNode(driver.sim.Headset()).NeedReboot = true;
    driver.sim.Devices().Plug(driver.sim.Headset());
    driver.sim.FilterDriver().SetPresent(true);
    INSTALL_STEPS steps = DefaultInstallSteps();
    steps.ControlService = [](const INSTALL_CONTEXT&, int32_t) { return 1; };
    for (INSTALL_STEP_FUNCTION* step :
         {&steps.Service, &steps.App, &steps.Uninstall, &steps.Config, &steps.Manual, &steps.KB3033929})
        *step = [](const INSTALL_CONTEXT&) { return InstallOk; };
    INSTALL_CONTEXT context = driver.Context();
    std::vector<std::u16string> messages;
    context.Reports.Message = [&](const std::u16string& text) { messages.push_back(text); };
    EXPECT_EQ(CInstallSequence(context, steps).Run(), InstallDone);
    EXPECT_TRUE(context.RestartNeeded);
    EXPECT_EQ(messages, std::vector<std::u16string>{});
}

} // namespace
} // namespace tonvel
