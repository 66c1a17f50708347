// Steps 3 to 6: the control panel, the uninstaller, the configuration files and the manual.

#include "platform/sim/SimRegistryFaults.h"
#include "setup/install/InstallSteps.h"
#include "setup/install/Registration.h"
#include "setup/install/tests/StepsMachine.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::SetupFolder;
using test::StartMenu;
using test::STEPS_MACHINE;

const std::u16string InstallFolder = u"C:\\Program Files (x86)\\Tonvel\\";

std::u16string Quoted(const std::u16string& path) {
    return u"\"" + path + u"\"";
}

TEST(InstallApp, TheControlPanelItsRunValueAndShortcut) {
    STEPS_MACHINE machine;
    machine.AddPayload(AppPayload, u"APP", "panel");
    EXPECT_EQ(Install_App(machine.Context()), InstallOk);
    EXPECT_EQ(machine.AppPath(), InstallFolder + u"Tonvel.exe");
    EXPECT_EQ(machine.FileText(machine.AppPath()), "panel");
    EXPECT_EQ(machine.MachineString(RunKeyPath, u"Tonvel"), Quoted(machine.AppPath()));
    EXPECT_EQ(machine.FileText(machine.ShortcutFolder() + u"Tonvel Control Panel.lnk"),
              "C:\\Program Files (x86)\\Tonvel\\Tonvel.exe");
    EXPECT_EQ(machine.progress, (std::vector<int32_t>{70}));
}

// A failing step 3 leaves what it wrote before the failure, and nothing after it.
TEST(InstallApp, FailuresAndWhatStays) {
    enum FAULT { PAYLOAD_MISSING, FILE_NOT_WRITABLE, RUN_KEY_REFUSED, RUN_VALUE_REFUSED };
    const struct {
        FAULT fault;
        int32_t result;
        std::string file;
    } cases[] = {
        {PAYLOAD_MISSING, AppPayloadMissing, ""},
        {FILE_NOT_WRITABLE, AppFileFailed, ""},
        {RUN_KEY_REFUSED, RunValueFailed, "panel"},
        {RUN_VALUE_REFUSED, RunValueFailed, "panel"},
    };
    for (const auto& c : cases) {
        STEPS_MACHINE machine;
        sim::CRegistryWriteFaults faults(machine.sim.Registry());
        if (c.fault != PAYLOAD_MISSING) machine.AddPayload(AppPayload, u"APP", "panel");
        if (c.fault == FILE_NOT_WRITABLE) machine.sim.Files().FailWrite(machine.AppPath(), FileAccessDenied);
        if (c.fault == RUN_KEY_REFUSED) machine.sim.Registry().SetLocalMachineWritable(false);
        if (c.fault == RUN_VALUE_REFUSED) {
            faults.FailWrite(1);
            machine.platform.registry = &faults;
        }
        EXPECT_EQ(Install_App(machine.Context()), c.result) << c.fault;
        EXPECT_EQ(machine.FileText(machine.AppPath()), c.file) << c.fault;
        // The payload is checked before the install folder is made.
        EXPECT_EQ(machine.sim.Files().Exists(machine.folders.InstallFolderFullPath),
                  c.fault != PAYLOAD_MISSING)
            << c.fault;
        EXPECT_EQ(machine.MachineString(RunKeyPath, u"Tonvel"), u"(none)") << c.fault;
        EXPECT_TRUE(machine.sim.Shell().Shortcuts().empty()) << c.fault;
        EXPECT_TRUE(machine.progress.empty()) << c.fault;
    }
}

TEST(InstallUninstall, TheUninstallerItsShortcutAndEntry) {
    STEPS_MACHINE machine;
    machine.sim.Files().CreateFolders(InstallFolder); // made by step 3
    machine.AddPayload(UninstallPayload, u"UNINSTALL", "uninstaller");
    EXPECT_EQ(Install_Uninstall(machine.Context()), InstallOk);
    EXPECT_EQ(machine.FileText(InstallFolder + u"TonvelUninstall.exe"), "uninstaller");
    EXPECT_EQ(machine.FileText(machine.ShortcutFolder() + u"Uninstall Tonvel.lnk"),
              "C:\\Program Files (x86)\\Tonvel\\TonvelUninstall.exe");
    EXPECT_EQ(machine.MachineString(UninstallKeyPath, u"UninstallString"), Quoted(machine.UninstallerPath()));
    EXPECT_EQ(machine.MachineString(UninstallKeyPath, u"DisplayIcon"), machine.UninstallerPath());
    EXPECT_EQ(machine.progress, (std::vector<int32_t>{80}));
}

TEST(InstallUninstall, FailuresAndWhatStays) {
    {
        STEPS_MACHINE machine;
        EXPECT_EQ(Install_Uninstall(machine.Context()), UninstallPayloadMissing);
        EXPECT_EQ(machine.MachineString(UninstallKeyPath, u"UninstallString"), u"(none)");
    }
    {
        STEPS_MACHINE machine;
        machine.AddPayload(UninstallPayload, u"UNINSTALL", "uninstaller");
        machine.sim.Files().FailWrite(machine.UninstallerPath(), FileAccessDenied);
        EXPECT_EQ(Install_Uninstall(machine.Context()), UninstallFileFailed);
        EXPECT_EQ(machine.MachineString(UninstallKeyPath, u"UninstallString"), u"(none)");
        EXPECT_TRUE(machine.sim.Shell().Shortcuts().empty());
    }
    {
        // The Uninstall key and the shortcut are not checked: the step succeeds without them.
        STEPS_MACHINE machine;
        machine.sim.Files().CreateFolders(InstallFolder);
        machine.AddPayload(UninstallPayload, u"UNINSTALL", "uninstaller");
        machine.sim.Registry().SetLocalMachineWritable(false);
        machine.sim.Shell().SetFailingStep(sim::CSimShell::FAIL_SAVE);
        EXPECT_EQ(Install_Uninstall(machine.Context()), InstallOk);
        EXPECT_EQ(machine.FileText(machine.UninstallerPath()), "uninstaller");
    }
}

// An empty shortcut folder name puts the links directly into the all-users programs folder.
TEST(InstallShortcuts, AnEmptyShortcutFolderName) {
    STEPS_MACHINE machine;
    machine.folders.ShortcutFolderName.clear();
    machine.AddPayload(AppPayload, u"APP", "panel");
    machine.AddPayload(UninstallPayload, u"UNINSTALL", "uninstaller");
    EXPECT_EQ(Install_App(machine.Context()), InstallOk);
    EXPECT_EQ(Install_Uninstall(machine.Context()), InstallOk);
    EXPECT_EQ(machine.FileText(StartMenu + u"Tonvel Control Panel.lnk"),
              "C:\\Program Files (x86)\\Tonvel\\Tonvel.exe");
    EXPECT_EQ(machine.FileText(StartMenu + u"Uninstall Tonvel.lnk"),
              "C:\\Program Files (x86)\\Tonvel\\TonvelUninstall.exe");
}

// Without a manual for the chosen language only the program and uninstall shortcuts exist.
TEST(InstallShortcuts, NoManualTwoShortcuts) {
    STEPS_MACHINE machine;
    machine.AddPayload(AppPayload, u"APP", "panel");
    machine.AddPayload(UninstallPayload, u"UNINSTALL", "uninstaller");
    machine.sim.Files().PutFile(SetupFolder + u"Manual\\Deutsch\\UserManual.html", "Handbuch");
    for (auto step : {Install_App, Install_Uninstall, Install_Manual})
        EXPECT_EQ(step(machine.Context()), InstallOk);
    std::vector<std::u16string> links;
    machine.sim.Files().ListFiles(machine.ShortcutFolder(), links);
    EXPECT_EQ(links, (std::vector<std::u16string>{u"Tonvel Control Panel.lnk", u"Uninstall Tonvel.lnk"}));
}

// The setup's folder as it is shipped: two skins, a language, the icon and the manual.
void PutSetupFiles(STEPS_MACHINE& machine) {
    auto& files = machine.sim.Files();
    files.PutFile(SetupFolder + u"Skin\\Graphite\\Back.png", "graphite");
    files.PutFile(SetupFolder + u"Skin\\Azure\\Back.png", "azure");
    files.PutFile(SetupFolder + u"Language\\English\\Texts.ini", "english");
    files.PutFile(SetupFolder + u"Tonvel.ico", "icon");
    files.PutFile(SetupFolder + u"Manual\\English\\.hidden", "hidden");
    files.PutFile(SetupFolder + u"Manual\\English\\UserManual.html", "manual");
    files.PutFile(SetupFolder + u"Manual\\English\\images\\cover.png", "cover");
    files.CreateFolders(InstallFolder);
}

TEST(InstallConfig, SkinsLanguagesConfigurationIconAndPackage) {
    STEPS_MACHINE machine;
    PutSetupFiles(machine);
    machine.AddPayload(110, u"WINDOWPATCH", "package");
    EXPECT_EQ(Install_Config(machine.Context()), InstallOk);
    const std::string config = machine.FileText(SetupFolder + u"AudioConfig.cfg");
    EXPECT_EQ(machine.FileText(InstallFolder + u"Skin\\Graphite\\Back.png"), "graphite");
    EXPECT_EQ(machine.FileText(InstallFolder + u"Skin\\Azure\\Back.png"), "azure");
    EXPECT_EQ(machine.FileText(InstallFolder + u"Language\\English\\Texts.ini"), "english");
    EXPECT_EQ(machine.FileText(InstallFolder + u"AudioConfig.cfg"), config);
    EXPECT_EQ(machine.FileText(InstallFolder + u"Tonvel.ico"), "icon");
    std::u16string appData;
    ASSERT_TRUE(machine.sim.Environment().Variable(u"APPDATA", appData));
    EXPECT_EQ(machine.FileText(appData + u"\\Tonvel\\AudioConfig.cfg"), config);
    EXPECT_EQ(machine.FileText(u"C:\\Windows\\SysWOW64\\Windows6.1-KB3033929-x64.msu"), "package");
    EXPECT_EQ(machine.progress, (std::vector<int32_t>{90}));
}

// Without "APPDATA", or with one too long for its buffer, the user's copy is left out; the rest is done.
TEST(InstallConfig, NoUsableUserFolder) {
    for (const bool set : {false, true}) {
        STEPS_MACHINE machine;
        PutSetupFiles(machine);
        const std::u16string longAppData = u"C:\\" + std::u16string(253, u'a');
        if (set)
            machine.sim.Environment().SetVariable(u"APPDATA", longAppData);
        else
            machine.sim.Environment().RemoveVariable(u"APPDATA");
        EXPECT_EQ(Install_Config(machine.Context()), InstallOk) << set;
        EXPECT_FALSE(machine.sim.Files().Exists(u"C:\\Tonvel")) << set;
        EXPECT_FALSE(machine.sim.Files().Exists(longAppData)) << set;
        EXPECT_EQ(machine.FileText(InstallFolder + u"Tonvel.ico"), "icon") << set;
        EXPECT_EQ(machine.progress, (std::vector<int32_t>{90})) << set;
    }
}

TEST(InstallManual, TheManualOfTheChosenLanguageAndItsShortcut) {
    STEPS_MACHINE machine;
    PutSetupFiles(machine);
    EXPECT_EQ(Install_Manual(machine.Context()), InstallOk);
    EXPECT_EQ(machine.FileText(InstallFolder + u"Manual\\English\\UserManual.html"), "manual");
    EXPECT_EQ(machine.FileText(InstallFolder + u"Manual\\English\\images\\cover.png"), "cover");
    ASSERT_EQ(machine.sim.Shell().Shortcuts().size(), 1u);
    EXPECT_EQ(machine.sim.Shell().Shortcuts()[0].path, machine.ShortcutFolder() + u"Tonvel User Manual.lnk");
    EXPECT_EQ(machine.sim.Shell().Shortcuts()[0].target, InstallFolder + u"Manual\\English\\UserManual.html");
}

// A manual folder without a file of its own (only a sub-folder), none at all, or no chosen language: no
// manual, no shortcut.
TEST(InstallManual, NoManualFile) {
    enum CASE { SUB_FOLDER_ONLY, NO_FOLDER, NO_LANGUAGE };
    for (const CASE c : {SUB_FOLDER_ONLY, NO_FOLDER, NO_LANGUAGE}) {
        STEPS_MACHINE machine;
        machine.sim.Files().CreateFolders(InstallFolder);
        if (c == SUB_FOLDER_ONLY)
            machine.sim.Files().PutFile(SetupFolder + u"Manual\\English\\images\\cover.png", "c");
        if (c == NO_LANGUAGE) {
            machine.sim.Files().PutFile(SetupFolder + u"Manual\\UserManual.html", "manual");
            machine.sim.Profile().WriteString(u"Language", u"DefaultLanguage", u"",
                                              SetupFolder + u"AudioConfig.cfg");
        }
        EXPECT_EQ(Install_Manual(machine.Context()), InstallOk);
        EXPECT_FALSE(machine.sim.Files().Exists(InstallFolder + u"Manual")) << c;
        EXPECT_TRUE(machine.sim.Shell().Shortcuts().empty()) << c;
        EXPECT_TRUE(machine.Trace().empty()) << c;
    }
}

} // namespace
} // namespace tonvel
