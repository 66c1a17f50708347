#include "setup/wizard/MainForm.h"

#include "foundation/config/ApplicationConfig.h"
#include "foundation/helpers/DebugTrace.h"
#include "foundation/helpers/FileVersion.h"
#include "foundation/helpers/WindowsVersion.h"
#include "foundation/helpers/Wow64.h"
#include "installation/InstallationPaths.h"
#include "platform/api/FileSystem.h"
#include "platform/api/Machine.h"
#include "platform/api/Processes.h"
#include "platform/api/WindowSystem.h"
#include "setup/wizard/BackgroundForm.h"

#include <algorithm>

namespace tonvel {

namespace {

constexpr int32_t FormClientWidth = 430;
constexpr int32_t FormClientHeight = 153;
constexpr int32_t ButtonTop = 119;
constexpr int32_t ButtonWidth = 75;
constexpr int32_t ButtonHeight = 25;
constexpr int32_t LabelFontHeight = 13;
constexpr char16_t FormFontName[] = u"Tahoma";

} // namespace

TMainForm::TMainForm(ui::CApplication& app, const Platform& platform, TBackgroundForm& background)
    : ui::CForm(app), m_Platform(platform), m_Background(background) {
    BuildControls();
    OnShow = [this](ui::CComponent&) { FormShow(); };
    OnClose = [this](ui::CForm&, ui::CloseAction& action) { FormClose(action); };
    // The background is the main window: closing it would end the program under the worker.
    m_Background.MayClose = [this] { return !m_Installing; };
    OnWindowMessage = [this](ui::CForm&, ui::UI_MSG& msg, bool& handled) { WindowMessage(msg, handled); };
}

TMainForm::~TMainForm() {
    WaitForWorker();
    m_Background.MayClose = nullptr;
}

void TMainForm::BuildControls() {
    SetName(u"MainForm");
    SetCaption(WizardCaption);
    SetPosition(ui::FormPosition::ScreenCenter);
    SetClientSize(FormClientWidth, FormClientHeight);
    SetFont({FormFontName, 8});
    const struct {
        ui::CButton*& field;
        const char16_t* name;
        const char16_t* caption;
        int32_t left;
    } buttons[] = {{m_Back, u"BackBitBtn", u"< Back", 8},
                   {m_Next, u"NextBitBtn", u"Next >", 120},
                   {m_Finish, u"FinishBitBtn", u"Finish", 232},
                   {m_Cancel, u"CancelBitBtn", u"Cancel", 339}};
    for (const auto& b : buttons) {
        b.field = Add<ui::CButton>(b.name);
        b.field->SetCaption(b.caption);
        b.field->SetBounds(b.left, ButtonTop, ButtonWidth, ButtonHeight);
    }
    m_Back->SetEnabled(false);
    m_Back->SetVisible(false);
    m_Next->SetDefault(true);
    m_Finish->SetEnabled(false);
    m_Next->OnClick = [this](ui::CComponent&) { NextBitBtnClick(); };
    m_Cancel->OnClick = [this](ui::CComponent&) { CancelBitBtnClick(); };
    m_Finish->OnClick = [this](ui::CComponent&) { FinishBitBtnClick(); };
    m_Notebook = Add<ui::CPageControl>(u"Notebook");
    m_Notebook->SetBounds(0, 0, FormClientWidth, 113);
    BuildPages();
    m_DirectoryList = Add<ui::CFolderList>(u"DirectoryListBox");
    m_DirectoryList->SetBounds(269, 256, 145, 46);
    m_DirectoryList->SetVisible(false);
}

void TMainForm::BuildPages() {
    ui::CPage* language = m_Notebook->AddPage(u"Language", u"Language");
    ui::CPage* install = m_Notebook->AddPage(u"InstallPage", u"InstallPage");
    ui::CPage* finish = m_Notebook->AddPage(u"FinishPage", u"FinishPage");
    const struct {
        SETUP_LABEL entry;
        ui::CPage* page;
        const char16_t* name;
        const char16_t* caption;
        int32_t left, top;
    } labels[] = {
        {LabelSelectLang, language, u"SelectLangLabel", u"Select Language :", 16, 52},
        {LabelVersion, language, u"VersionLabel", u"Select language version of 7.1 USB", 184, 20},
        {LabelAudioExt, language, u"AudioExtLabel", u"Audio Extension for installation", 184, 52},
        {LabelInstall, install, u"InstallLabel", u"Installing...", 16, 24},
        {LabelReboot, finish, u"RebootLabel", u"Setup will reboot your computer to complete the Install", 40,
         16},
    };
    for (const auto& l : labels) {
        ui::CLabel* label = l.page->Add<ui::CLabel>(l.name);
        ui::UI_FONT font{FormFontName, 8};
        font.height = LabelFontHeight;
        label->SetFont(font);
        label->SetLeft(l.left);
        label->SetTop(l.top);
        if (l.entry == LabelReboot) {
            label->SetAutoSize(false);
            label->SetWordWrap(true);
            label->SetBounds(l.left, l.top, 315, 2 * LabelFontHeight + 2);
        }
        label->SetCaption(l.caption);
        m_LabelControls[l.entry] = label;
    }
    m_OriginalCombo = language->Add<ui::CComboBox>(u"OriginalComboBox");
    m_OriginalCombo->SetBounds(16, 25, 153, 21);
    m_OriginalCombo->SetVisible(false);
    m_Combo = language->Add<ui::CComboBox>(u"ComboBox");
    m_Combo->SetBounds(16, 74, 153, 21);
    m_Combo->OnChange = [this](ui::CComponent&) { ComboBoxChange(); };
    m_Progress = install->Add<ui::CProgressBar>(u"ProgressBar");
    m_Progress->SetBounds(16, 60, 361, 25);
    m_Progress->SetSmooth(true);
    m_Progress->SetRange(0, 100);
    m_Progress->SetStep(1);
    m_Reboot = finish->Add<ui::CRadioButton>(u"RebootRadioButton");
    m_Reboot->SetCaption(u"Yes, reboot now");
    m_Reboot->SetBounds(40, 52, 300, 17);
    m_NoReboot = finish->Add<ui::CRadioButton>(u"NoRebootRadioButton");
    m_NoReboot->SetCaption(u"No, reboot later");
    m_NoReboot->SetBounds(40, 82, 300, 17);
    m_NoReboot->SetChecked(true);
    m_Notebook->SetActivePageIndex(LanguagePage);
}

ui::CLabel& TMainForm::Label(SETUP_LABEL entry) {
    return *m_LabelControls[entry];
}

int32_t TMainForm::Create(ui::CUiError* error) {
    Trace(m_Platform, u"\n");
    TraceEnter(m_Platform, u"TMainForm::TMainForm");
    const std::u16string program = m_Platform.files->ModuleFileName();
    GetFileVersionString(*m_Platform.versionInfo, program, m_FileVersion);
    m_FileVersion.resize(std::min(m_FileVersion.size(), FileVersionMax));
    m_Wow64 = IsWow64(*m_Platform.system);
    m_Windows64 = RunsOnWindows64(*m_Platform.system);
    m_Family = 2;
    if (GetWindowsVersion(*m_Platform.system, &m_Family, &m_Version, &m_ServicePack) != WINDOWS_VERSION_OK)
        Trace(m_Platform, u"***** Get Windows Version FAIL! *****\n");
    LoadApplicationConfig(m_Platform, CONFIG_PROGRAM::Setup, ConfigFileName, program, m_Folders);
    ui::CPicture icon;
    const int32_t status =
        App().LoadPicture(m_Folders.SourceFolderFullPath + m_Folders.InstallIconFileName, icon, error);
    if (status != ui::UiOk) return status;
    App().SetIcon(icon);
    SetIcon(icon);
    App().SetTitle(m_Folders.InstallAppTitle);
    const std::u16string uninstaller = UninstallProgramPath(m_Folders);
    m_Uninstall = {UninstallKeyPath, m_Folders.UninstallDisplayName,
                   uninstaller,      uninstaller,
                   m_FileVersion,    m_Folders.Publisher};
    m_InstallStatus = InstallNotDone;
    return ui::UiOk;
}

void TMainForm::FormShow() {
    TraceEnter(m_Platform, u"TMainForm::FormShow");
    m_Background.MoveToRectangle();
    if (AnotherSetupRuns()) return;
    if (!LoadDeviceGroup(m_UsbGroup, UsbDeviceIdSection, UsbGroupName)) return;
    if (!LoadDeviceGroup(m_HidGroup, HidDeviceIdSection, HidGroupName)) return;
    m_Notebook->SetActivePageIndex(LanguagePage);
    const std::u16string current = ReadCurrentLanguage();
    FillLanguageList(current);
    const int32_t shown = m_Combo->ItemIndex();
    const std::u16string language = shown >= 0 ? m_OriginalCombo->Items()[shown] : current;
    ui::CUiError error;
    if (LoadTexts(language, &error) != ui::UiOk) {
        App().ShowError(error);
        return;
    }
    ApplyTexts();
    // The language shown is the one the installation takes, also when the stored one is not offered.
    if (language != current) StoreCurrentLanguage(language);
}

// One setup at a time: a second one says so in the stored language and ends before it writes anything.
bool TMainForm::AnotherSetupRuns() {
    IWindowSystem& windows = *m_Platform.windowSystem;
    if (!windows.MutexExists(SetupMutexName)) {
        windows.CreateNamedMutex(SetupMutexName);
        return false;
    }
    LoadTexts(ReadCurrentLanguage(), nullptr);
    App().Backend().MessageBox(this, m_Labels[LabelWarning6].Text, InstallMessageCaption, ui::UiMbOk);
    App().Terminate();
    return true;
}

// A group that cannot be loaded ends the program before the user can act (nothing is installed).
bool TMainForm::LoadDeviceGroup(CDeviceIdMgr& group, const char16_t* section, const char16_t* name) {
    if (group.Load(*m_Platform.files, m_Folders.SourceFolderFullPath + ConfigFileName, section) !=
        DeviceIdLoaded) {
        App().Terminate();
        return false;
    }
    group.SaveToRegistry(*m_Platform.registry, name);
    return true;
}

void TMainForm::NextBitBtnClick() {
    if (m_Notebook->ActivePageIndex() != LanguagePage) return;
    m_Notebook->SetActivePageIndex(InstallPage);
    m_Back->SetEnabled(false);
    m_Next->SetEnabled(false);
    m_Warnings = {m_Labels[LabelWarning1].Text, m_Labels[LabelWarning2].Text, m_Labels[LabelWarning3].Text,
                  m_Labels[LabelWarning4].Text, m_Labels[LabelWarning5].Text};
    m_Installing = true;
    m_Worker = std::thread([this] { RunWorker(); });
}

void TMainForm::CancelBitBtnClick() {
    Close();
}

// Closing the wizard closes the background, which ends the program; while the installation runs the wizard
// stays, showing its progress, until the worker reports that it is done.
void TMainForm::FormClose(ui::CloseAction& action) {
    if (m_Installing) {
        action = ui::CloseAction::None;
        return;
    }
    m_Background.Close();
}

void TMainForm::FinishBitBtnClick() {
    if (m_Reboot->Checked()) {
        m_Platform.machine->RestartWindows();
    } else {
        SHELL_EXECUTE_INFO info;
        info.mask = SEE_MASK_NOCLOSEPROCESS_FLAG | SEE_MASK_FLAG_NO_UI_FLAG;
        info.file = PanelProgramPath(m_Folders);
        info.parameters = info.file;
        m_Platform.processes->RunShellExecuteEx(info);
    }
    App().PostMessage(this, ui::UiWmClose);
}

void TMainForm::WindowMessage(ui::UI_MSG& msg, bool& handled) {
    if (msg.message == WmInstallProgress) {
        InstallProgress(static_cast<int32_t>(msg.wParam));
        handled = true;
    } else if (msg.message == WmInstallDone) {
        InstallDoneMessage();
        handled = true;
    }
}

void TMainForm::InstallProgress(int32_t percent) {
    m_Progress->SetPosition(percent);
    App().ProcessMessages();
}

void TMainForm::InstallDoneMessage() {
    WaitForWorker();
    m_Installing = false;
    m_Notebook->SetActivePageIndex(FinishPage);
    if (m_InstallStatus == InstallDone || m_RestartNeeded) m_Reboot->SetChecked(true);
    for (ui::CButton* button : {m_Back, m_Next, m_Cancel})
        button->SetEnabled(false);
    m_Finish->SetEnabled(true);
    m_Next->SetVisible(false);
    m_Cancel->SetVisible(false);
}

} // namespace tonvel
