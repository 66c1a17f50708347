#include "setup/wizard/tests/SetupFixture.h"

#include "platform/api/Registry.h"
#include "setup/install/InstallSteps.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>

namespace tonvel {
namespace {

bool HasSubsequence(const std::vector<std::u16string>& lines, const std::vector<std::u16string>& wanted) {
    auto at = lines.begin();
    for (const std::u16string& line : wanted) {
        at = std::find(at, lines.end(), line);
        if (at == lines.end()) return false;
        ++at;
    }
    return true;
}

TEST(Wizard, StartShowsBackgroundAndTheLanguagePageInTheStoredLanguage) {
    SetupRun setup;
    setup.Start();
    TMainForm& wizard = *setup.wizard;
    EXPECT_TRUE(setup.background->Visible());
    EXPECT_TRUE(wizard.Visible());
    EXPECT_EQ(wizard.PageShown(), LanguagePage);
    EXPECT_EQ(wizard.ComboBox().Items(), (std::vector<std::u16string>{u"Deutsch", u"English"}));
    EXPECT_EQ(wizard.OriginalComboBox().Items(), (std::vector<std::u16string>{u"Deutsch", u"English"}));
    EXPECT_EQ(wizard.ComboBox().ItemIndex(), 1);
    EXPECT_EQ(wizard.NextBitBtn().Caption(), u"Next >");
    EXPECT_EQ(wizard.Caption(), u"Tonvel Setup (V" + wizard.FileVersion() + u")");
    EXPECT_EQ(wizard.Label(LabelSelectLang).Caption(), u"Select language:");
    EXPECT_FALSE(wizard.BackBitBtn().Visible());
    EXPECT_TRUE(wizard.NextBitBtn().Enabled());
    EXPECT_FALSE(wizard.FinishBitBtn().Enabled());
    EXPECT_TRUE(wizard.CancelBitBtn().Enabled());
    EXPECT_TRUE(setup.backend.MessageBoxes().empty());
    EXPECT_TRUE(HasSubsequence(setup.sim.DebugOutput().Lines(),
                               {u"\n", u"==> TBackgroundForm::TBackgroundForm\n", u"\n",
                                u"==> TMainForm::TMainForm\n", u"==> TBackgroundForm::FormShow\n",
                                u"==> TMainForm::FormShow\n"}));
    // The device-ID groups are in the registry for the installed programs.
    for (const char16_t* group : {UsbGroupName, HidGroupName}) {
        RegKey key = 0;
        EXPECT_EQ(setup.sim.Registry().OpenKey(RegLocalMachine, std::u16string(u"SOFTWARE\\") + group,
                                               RegRead, key),
                  RegOk);
    }
}

TEST(Wizard, AMissingDeviceIdGroupEndsTheProgramBeforeTheUserCanAct) {
    for (const char16_t* section : {UsbDeviceIdSection, HidDeviceIdSection}) {
        SetupRun setup;
        setup.RemoveConfigLine(u"[" + std::u16string(section) + u"]"); // its entries join the section before
        setup.Start();
        EXPECT_TRUE(setup.app->Terminated());
        EXPECT_TRUE(setup.wizard->ComboBox().Items().empty()); // the language page was never filled
    }
}

// A second setup while one runs says so in the stored language and ends before it writes anything.
TEST(Wizard, ASecondSetupSaysSoAndEnds) {
    for (const bool running : {false, true}) {
        SetupRun setup;
        if (running) setup.sim.WindowSystem().CreateNamedMutex(SetupMutexName);
        setup.Start();
        EXPECT_EQ(setup.app->Terminated(), running) << running;
        EXPECT_TRUE(setup.sim.WindowSystem().Mutexes().count(SetupMutexName)) << running;
        RegKey key = 0;
        const bool groupWritten =
            setup.sim.Registry().OpenKey(RegLocalMachine, std::u16string(u"SOFTWARE\\") + UsbGroupName,
                                         RegRead, key) == RegOk;
        EXPECT_EQ(groupWritten, !running) << running;
        if (!running) continue;
        ASSERT_EQ(setup.backend.MessageBoxes().size(), 1u);
        EXPECT_EQ(setup.backend.MessageBoxes()[0].text, u"Setup is already running.");
    }
}

TEST(Wizard, TheLanguageListFollowsTheStoredLanguageAndTheFolderMap) {
    const struct {
        const char* what;
        const char16_t* stored;
        bool germanMapped;
        std::vector<std::u16string> items;
        int32_t selected;
        std::u16string nextCaption;
    } cases[] = {
        {"stored English", u"English", true, {u"Deutsch", u"English"}, 1, u"Next >"},
        {"stored Deutsch", u"Deutsch", true, {u"Deutsch", u"English"}, 0, u"Weiter >"},
        {"stored folder without a display name", u"Deutsch", false, {u"English"}, 0, u"Next >"},
        {"stored folder missing", u"Klingon", true, {u"Deutsch", u"English"}, 0, u"Weiter >"},
    };
    for (const auto& c : cases) {
        SetupRun setup;
        setup.SetConfig(u"Language", u"DefaultLanguage", c.stored);
        if (!c.germanMapped) setup.SetConfig(u"MultiLanguageFolderMap", u"Deutsch", u"");
        setup.Start();
        EXPECT_EQ(setup.wizard->ComboBox().Items(), c.items) << c.what;
        EXPECT_EQ(setup.wizard->ComboBox().ItemIndex(), c.selected) << c.what;
        // The texts follow the entry the list shows, and that entry is the stored choice.
        EXPECT_EQ(setup.wizard->NextBitBtn().Caption(), c.nextCaption) << c.what;
        EXPECT_EQ(setup.ConfigValue(u"Language", u"DefaultLanguage"),
                  setup.wizard->OriginalComboBox().Items()[c.selected])
            << c.what;
    }
}

// The language folder's name is the last part of its path, also when the setup's own path holds the
// language folder's name.
TEST(Wizard, LanguagesAreFoundWhereverTheSetupLies) {
    for (const char16_t* source : {u"C:\\Language\\TonvelSetup\\", u"C:\\MultiLanguage\\Language\\Setup\\"}) {
        SetupRun setup(source);
        setup.Start();
        EXPECT_EQ(setup.wizard->OriginalComboBox().Items(),
                  (std::vector<std::u16string>{u"Deutsch", u"English"}));
        EXPECT_EQ(setup.wizard->ComboBox().ItemIndex(), 1);
    }
}

TEST(Wizard, ChoosingALanguageChangesTheTextsAndStoresTheChoice) {
    SetupRun setup;
    setup.Start();
    ASSERT_TRUE(setup.backend.SelectItem(setup.wizard->ComboBox(), 0));
    EXPECT_EQ(setup.wizard->NextBitBtn().Caption(), u"Weiter >");
    EXPECT_EQ(setup.ConfigValue(u"Language", u"DefaultLanguage"), u"Deutsch");
    ASSERT_TRUE(setup.backend.SelectItem(setup.wizard->ComboBox(), 1));
    EXPECT_EQ(setup.wizard->NextBitBtn().Caption(), u"Next >");
    EXPECT_EQ(setup.ConfigValue(u"Language", u"DefaultLanguage"), u"English");
}

TEST(Wizard, LabelStylesAccumulateAcrossLanguages) {
    SetupRun setup;
    const std::u16string root = setup.source + u"Language\\";
    setup.sim.Profile().WriteString(u"Setup", u"LabelInstall", u"Working,255,,Arial,12,16,24",
                                    root + u"English\\Language.ini");
    setup.sim.Profile().WriteString(u"Setup", u"LabelInstall", u"Arbeite,,,,,,,,",
                                    root + u"Deutsch\\Language.ini");
    setup.sim.Profile().WriteString(u"Setup", u"LabelReboot", u"(null)", root + u"Deutsch\\Language.ini");
    setup.Start();
    ui::CLabel& install = setup.wizard->Label(LabelInstall);
    EXPECT_EQ(install.Caption(), u"Working");
    EXPECT_EQ(install.Font().name, u"Arial");
    EXPECT_EQ(install.Font().size, 12);
    EXPECT_EQ(install.Font().colour, 255u);
    EXPECT_EQ(install.Left(), 16);
    EXPECT_EQ(install.Top(), 24);
    ASSERT_TRUE(setup.backend.SelectItem(setup.wizard->ComboBox(), 0));
    EXPECT_EQ(install.Caption(), u"Arbeite");
    EXPECT_EQ(install.Font().name, u"Arial");
    EXPECT_FALSE(setup.wizard->Label(LabelReboot).Visible());
}

TEST(Wizard, ABadNumberInTheLanguageFileIsReportedAndTheDesignedTextsStay) {
    SetupRun setup;
    setup.sim.Profile().WriteString(u"Setup", u"LabelInstall", u"Working,red",
                                    setup.source + u"Language\\English\\Language.ini");
    setup.Start();
    ASSERT_EQ(setup.backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(setup.backend.MessageBoxes()[0].text, u"'red' is not a valid integer value.");
    EXPECT_EQ(setup.wizard->NextBitBtn().Caption(), u"Next >");
    EXPECT_EQ(setup.wizard->Label(LabelInstall).Caption(), u"Installing...");
    EXPECT_EQ(setup.wizard->Caption(), WizardCaption);
}

TEST(Background, CoversTheScreenUnlessBothSizesAreGiven) {
    const struct {
        const char16_t* width;
        const char16_t* height;
        int32_t expectWidth, expectHeight;
        bool fullScreen;
    } cases[] = {
        {u"800", nullptr, 1280, 1024, true},
        {u"800", u"600", 800, 600, false},
        {u"0", u"600", 1280, 1024, true},
        {u"  +800px", u"600", 800, 600, false},
    };
    for (const auto& c : cases) {
        SetupRun setup;
        setup.SetConfig(u"Install", u"BackgroundWidth", c.width);
        if (c.height)
            setup.SetConfig(u"Install", u"BackgroundHeight", c.height);
        else
            setup.RemoveConfigLine(u"BackgroundHeight=0");
        setup.Start();
        TBackgroundForm& background = *setup.background;
        EXPECT_EQ(background.FullScreen(), c.fullScreen);
        EXPECT_EQ(background.Left(), 0);
        EXPECT_EQ(background.Top(), 0);
        EXPECT_EQ(background.Width(), c.expectWidth);
        EXPECT_EQ(background.Height(), c.expectHeight);
        EXPECT_EQ(background.BackgroundImage().Width(), c.expectWidth);
        EXPECT_TRUE(background.BackgroundImage().Stretch());
        EXPECT_FALSE(background.BackgroundImage().Picture().Empty());
    }
}

TEST(Background, AMissingPictureIsReportedAndTheWizardStillShows) {
    SetupRun setup;
    setup.SetConfig(u"Install", u"InstallBackgroundFileName", u"Missing.png");
    setup.Start();
    EXPECT_EQ(setup.backend.MessageBoxes().size(), 1u);
    EXPECT_TRUE(setup.wizard->Visible());
}

TEST(Wizard, ASuccessfulRunPreselectsTheRestartAndFinishRestartsWindows) {
    SetupRun setup;
    setup.Start();
    setup.InstallToEnd();
    TMainForm& wizard = *setup.wizard;
    EXPECT_EQ(wizard.PageShown(), FinishPage);
    EXPECT_EQ(wizard.InstallStatus(), InstallDone);
    EXPECT_EQ(wizard.ProgressBar().Position(), 100);
    EXPECT_TRUE(wizard.RebootRadioButton().Checked());
    EXPECT_FALSE(wizard.NextBitBtn().Visible());
    EXPECT_FALSE(wizard.CancelBitBtn().Visible());
    EXPECT_TRUE(wizard.FinishBitBtn().Enabled());
    EXPECT_EQ(setup.sim.Machine().Sleeps(), (std::vector<uint32_t>{1000, WorkerEndDelayMs}));
    ASSERT_TRUE(setup.backend.ClickButton(wizard.FinishBitBtn()));
    EXPECT_EQ(setup.sim.Machine().Restarts(), 1);
    EXPECT_TRUE(setup.sim.Processes().Starts().empty());
    EXPECT_TRUE(setup.app->Terminated());
}

TEST(Wizard, ARunThatStopsOnAnErrorEndsOnTheFinishPageWithoutRestart) {
    SetupRun setup;
    setup.Start();
    setup.wizard->Steps().App = [](const INSTALL_CONTEXT&) { return AppPayloadMissing; };
    setup.InstallToEnd();
    TMainForm& wizard = *setup.wizard;
    EXPECT_EQ(wizard.PageShown(), FinishPage);
    EXPECT_TRUE(wizard.NoRebootRadioButton().Checked());
    EXPECT_FALSE(wizard.RebootRadioButton().Checked());
    ASSERT_EQ(setup.backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(setup.backend.MessageBoxes()[0].text, u"Installation failed.(Code = 0x80000003)");
    EXPECT_EQ(setup.backend.MessageBoxes()[0].caption, u"Install");
    EXPECT_EQ(setup.backend.MessageBoxes()[0].flags, ui::UiMbOk);
    EXPECT_EQ(wizard.ProgressBar().Position(), 60);
    // Finish starts the control panel from the install folder with its own path as parameter.
    ASSERT_TRUE(setup.backend.ClickButton(wizard.FinishBitBtn()));
    EXPECT_EQ(setup.sim.Machine().Restarts(), 0);
    ASSERT_EQ(setup.sim.Processes().Starts().size(), 1u);
    const SHELL_EXECUTE_INFO& start = setup.sim.Processes().Starts()[0];
    EXPECT_EQ(start.file, wizard.Folders().InstallFolderFullPath + u"Tonvel.exe");
    EXPECT_EQ(start.parameters, start.file);
    EXPECT_EQ(start.show, 0);
    EXPECT_EQ(start.mask, SEE_MASK_NOCLOSEPROCESS_FLAG | SEE_MASK_FLAG_NO_UI_FLAG);
    EXPECT_TRUE(setup.app->Terminated());
}

// A device that could not be restarted needs Windows restarted, even when a later step failed.
TEST(Wizard, ADeviceLeftForAWindowsRestartPreselectsTheRestartAfterAFailedStep) {
    SetupRun setup;
    setup.Start();
    setup.wizard->Steps().DetachFilter = [](const INSTALL_CONTEXT& context) { context.NeedWindowsRestart(); };
    setup.wizard->Steps().App = [](const INSTALL_CONTEXT&) { return AppPayloadMissing; };
    setup.InstallToEnd();
    EXPECT_EQ(setup.wizard->InstallStatus(), InstallNotDone);
    EXPECT_TRUE(setup.wizard->RebootRadioButton().Checked());
}

// The worker stays in the manual step until the promise is kept.
void HoldAtManualStep(TMainForm& wizard, std::promise<void>& release) {
    std::shared_future<void> released = release.get_future().share();
    wizard.Steps().Manual = [released](const INSTALL_CONTEXT&) {
        released.wait();
        return 0;
    };
}

// While the worker runs, Next does nothing and the wizard does not close: the worker reads the wizard's
// data until it has posted its completion.
TEST(Wizard, WhileInstallingNextDoesNothingAndTheWizardStays) {
    SetupRun setup;
    setup.Start();
    TMainForm& wizard = *setup.wizard;
    std::promise<void> release;
    HoldAtManualStep(wizard, release);
    ASSERT_TRUE(setup.backend.ClickButton(wizard.NextBitBtn()));
    EXPECT_EQ(wizard.PageShown(), InstallPage);
    EXPECT_FALSE(wizard.NextBitBtn().Enabled());
    wizard.NextBitBtnClick(); // Enter on the default button
    EXPECT_EQ(wizard.PageShown(), InstallPage);
    ASSERT_TRUE(setup.backend.ClickButton(wizard.CancelBitBtn()));
    wizard.Close(); // the window's close box
    EXPECT_TRUE(wizard.Visible());
    EXPECT_TRUE(setup.background->Visible());
    EXPECT_FALSE(setup.app->Terminated());
    EXPECT_TRUE(wizard.Installing());
    release.set_value();
    wizard.WaitForWorker();
    setup.backend.ProcessMessages(*setup.app);
    EXPECT_EQ(wizard.PageShown(), FinishPage);
    wizard.NextBitBtnClick();
    EXPECT_EQ(wizard.PageShown(), FinishPage);
    wizard.Close();
    EXPECT_TRUE(setup.app->Terminated());
}

// The background window refuses to close while the worker runs (Alt+F4, or Close on its taskbar button):
// the program would end under the worker. Once the installation is done it closes as before.
TEST(Wizard, WhileInstallingTheBackgroundDoesNotClose) {
    SetupRun setup;
    setup.Start();
    TMainForm& wizard = *setup.wizard;
    std::promise<void> release;
    HoldAtManualStep(wizard, release);
    ASSERT_TRUE(setup.backend.ClickButton(wizard.NextBitBtn()));
    setup.background->Close();
    EXPECT_TRUE(setup.background->Visible());
    EXPECT_TRUE(wizard.Visible());
    EXPECT_FALSE(setup.app->Terminated());
    release.set_value();
    wizard.WaitForWorker();
    setup.backend.ProcessMessages(*setup.app);
    EXPECT_EQ(wizard.PageShown(), FinishPage);
    EXPECT_TRUE(wizard.Visible());
    setup.background->Close();
    EXPECT_TRUE(setup.app->Terminated());
}

TEST(Wizard, CancelOnTheLanguagePageEndsTheProgramWithoutInstalling) {
    SetupRun setup;
    setup.Start();
    ASSERT_TRUE(setup.backend.ClickButton(setup.wizard->CancelBitBtn()));
    EXPECT_TRUE(setup.app->Terminated());
    EXPECT_FALSE(setup.background->Visible());
    EXPECT_TRUE(setup.sim.WindowSystem().Broadcasts().empty());
}

TEST(Wizard, AMissingIconEndsTheStartUpWithTheFrameworksError) {
    SetupRun setup;
    setup.SetConfig(u"Install", u"InstallIconFileName", u"Missing.ico");
    EXPECT_FALSE(setup.Create());
}

} // namespace
} // namespace tonvel
