#include "panel/form/AudioMainForm.h"

#include "device/DeviceIdGroupMatcher.h"
#include "features/FeatureSequences.h"
#include "foundation/config/ApplicationConfig.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "panel/form/AboutForm.h"
#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "platform/api/ProfileStrings.h"
#include "platform/api/SystemInfo.h"
#include "platform/api/WindowSystem.h"
#include "skin/ComponentTags.h"

namespace tonvel {
namespace {

constexpr size_t AppDataMax = 255;
constexpr uint32_t TimerMs = 20;

std::u16string Cut(std::u16string text, size_t max) {
    if (text.size() > max) text.resize(max);
    return text;
}

std::u16string FolderOf(const std::u16string& path) {
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

} // namespace

TAudioMainForm::TAudioMainForm(ui::CApplication& app, const Platform& platform, PANEL_OPTIONS options)
    : ui::CForm(app), m_Platform(platform), m_Options(std::move(options)) {
    SetName(u"AudioMainForm");
    SetBorder(ui::BorderStyle::None);
    SetPosition(ui::FormPosition::ScreenCenter);
    SetDoubleBuffered(true);
    ui::UI_FONT font;
    font.name = u"MS Sans Serif";
    font.height = 11;
    SetFont(font);
    SetClientSize(MainFormClientWidth, MainFormClientHeight);
    m_Parts = CreateMainFormComponents(*this);

    m_Tray = Add<ui::CTrayIcon>(u"CTrayIcon");
    ui::CMenuItem* languageMenu = m_Tray->PopupMenu().Add(u"Language", u"LanguageMenu");
    ui::CMenuItem* skinMenu = m_Tray->PopupMenu().Add(u"Skin", u"SkinMenu");
    ILookWindow& window = *this;
    m_Look = std::make_unique<CPanelLook>(*this, window, m_Platform, m_Parts, *languageMenu, *skinMenu);
    m_CloseMenu = m_Tray->PopupMenu().Add(u"Close", u"CloseMenu");
    m_SaveDialog = Add<ui::CSaveDialog>(u"SaveDialog");
    m_SaveDialog->FileName = u"AudioSetting.ini";
    m_SaveDialog->Filter = u"INI (*.ini)|*.ini";
    m_OpenDialog = Add<ui::COpenDialog>(u"OpenDialog");
    m_OpenDialog->Filter = u"INI (*.ini)|*.ini";
    m_Timer = Add<ui::CTimer>(u"Timer");
    m_Timer->SetInterval(TimerMs);
    m_Timer->SetTimerEnabled(false); // runs only while a rotation does (UpdateRotationTimer)
    WireEvents();
}

TAudioMainForm::~TAudioMainForm() {
    Destroy();
}

ui::CImage* TAudioMainForm::Image(std::u16string_view name) {
    ui::CComponent* c = Find(name);
    return c && c->Kind() == ui::ComponentKind::Image ? static_cast<ui::CImage*>(c) : nullptr;
}

ui::CLabel* TAudioMainForm::Label(std::u16string_view name) {
    ui::CComponent* c = Find(name);
    return c && c->Kind() == ui::ComponentKind::Label ? static_cast<ui::CLabel*>(c) : nullptr;
}

PANEL_PAGE TAudioMainForm::PageShown() const {
    return PageAt(m_Parts.Notebook->ActivePageIndex());
}

void TAudioMainForm::RunTracedStep(void (IFeatureSteps::*step)(), const char16_t* what) {
    Step(what);
    (m_Features->Steps().*step)();
}

std::u16string TAudioMainForm::UserDataFolder() const {
    std::u16string appData;
    m_Platform.environment->Variable(u"APPDATA", appData);
    return Cut(appData, AppDataMax) + u"\\" + m_DataFolderName;
}

std::u16string TAudioMainForm::UserConfigFile() const {
    std::u16string appData;
    m_Platform.environment->Variable(u"APPDATA", appData);
    return UserConfigPath(Cut(appData, AppDataMax), m_DataFolderName);
}

PANEL_STATUS TAudioMainForm::StartUp() {
    m_Look->HoldStartUpPictures(true);
    const PANEL_STATUS status = RunStartUp();
    m_Look->HoldStartUpPictures(false);
    return status;
}

PANEL_STATUS TAudioMainForm::RunStartUp() {
    RememberProgram();
    Step(u"1 program folder, exit message, OS generation");
    LoadApplicationConfig(m_Platform, CONFIG_PROGRAM::ControlPanel, ConfigFileName,
                          m_Platform.files->ModuleFileName(), m_Config);
    Step(u"2 configuration");
    SetInitialState();
    Step(u"3 initial state");
    m_DataFolderName = Cut(m_Config.InstallFolderName, AppDataMax);
    m_Features->Profiles().Setup({m_DataFolderName, ProgramConfigFile(), m_SaveDialog, m_OpenDialog});
    Step(u"4 data folder");
    ReadRememberedChoices();
    Step(u"5 remembered choices");
    LoadProgramIcon();
    Step(u"6 icon");
    SetTrayHintAndTitle();
    Step(u"7 tray hint and title");
    const PANEL_STATUS status = m_Look->LoadLanguagesAndSkins();
    if (!status.Ok()) return ShowPanelError(App(), status);
    Step(u"8 languages and skins");
    DiscoverDevice();
    Step(u"9 device discovery");
    RunFeatureStartUp();
    UpdateRotationTimer();
    return PANEL_STATUS{};
}

void TAudioMainForm::RememberProgram() {
    m_ProgramFolder = FolderOf(m_Platform.files->ModuleFileName());
    m_ExitMessage = App().RegisterWindowMessage(ExitMessageName);
    OS_VERSION_RECORD version;
    int32_t status = 0;
    const bool ok = m_Platform.system->RtlGetVersion(version, status) == CALL_OK;
    m_OsGeneration = OsGenerationCode(ok, version.platformId, version.majorVersion, version.minorVersion);
}

// The device link and the features start from their initial state: vendor and product ID of the design,
// nothing connected, LED on, preset 1, no 3D connection chosen, no drag.
void TAudioMainForm::SetInitialState() {
    m_Drag = PANEL_DRAG{};
    m_Look->Skin().Metrics().PreviousSpeakerRadius = 1;
    m_Features.reset();
    m_FeatureContext.reset();
    m_Device = std::make_unique<CDeviceLink>(m_Platform);
    m_FeatureContext = std::make_unique<FEATURE_CONTEXT>(FEATURE_CONTEXT{
        m_Platform, App(), *this, *m_Device, m_Look->Skin(), m_Look->Language(), m_FeatureFlags});
    m_Features = std::make_unique<CPanelFeatures>(*m_FeatureContext, m_Parts.Features);
    WireDeviceEvents();
}

// The choices remembered in the user's configuration file, and the program's own defaults for a user who
// has none (or whose folders are gone). A user without a configuration file yet (any user of the PC but the
// one who ran the setup) gets a copy of the program's, as the setup makes one, so that the choices made
// from the tray menu are kept.
void TAudioMainForm::ReadRememberedChoices() {
    const std::u16string user = UserConfigFile();
    if (!m_Platform.files->Exists(user)) {
        m_Platform.files->CreateFolder(UserDataFolder());
        m_Platform.files->Copy(ProgramConfigFile(), user, true);
    }
    m_Look->SetPlaces({m_ProgramFolder, m_Config.SkinFolderName, m_Config.LanguageFolderName,
                       ProgramConfigFile(), user, m_OsGeneration});
    m_Look->ReadRememberedChoices();
}

// The application's icon, and a second copy in the image list for the tray.
void TAudioMainForm::LoadProgramIcon() {
    ui::CPicture icon;
    if (App().LoadPicture(m_ProgramFolder + m_Config.InstallIconFileName, icon, nullptr) != ui::UiOk) return;
    App().SetIcon(icon);
    m_ImageList.push_back(icon);
    m_ImageList.push_back(icon);
    m_Tray->SetIcon(m_ImageList[1]);
}

void TAudioMainForm::SetTrayHintAndTitle() {
    std::u16string hint;
    m_Platform.profile->GetString(u"TrayIconHint", u"HintName", u"", hint, TitleMax + 1, ProgramConfigFile());
    m_Tray->SetHint(Cut(hint, TitleMax));
    App().SetTitle(Cut(m_Config.InstallAppTitle, TitleMax));
    SetCaption(App().Title());
}

void TAudioMainForm::DiscoverDevice() {
    CDeviceIdMgr usbGroup;
    usbGroup.Load(*m_Platform.files, ProgramConfigFile(), std::u16string(UsbDeviceIdSection));
    m_Device->Discover(MatchDeviceIdGroup(usbGroup));
    // The group goes with this scope (the end of start-up discards it).
}

void TAudioMainForm::RunFeatureStartUp() {
    RunTracedStep(&IFeatureSteps::InitEqualizer, u"10 equalizer");
    RunTracedStep(&IFeatureSteps::Init3D, u"11 3D");
    RunTracedStep(&IFeatureSteps::InitEffect, u"12 effect");
    RunTracedStep(&IFeatureSteps::InitVirtualSpeakers, u"13 virtual speaker parameters");
    RunTracedStep(&IFeatureSteps::InitMicrophone, u"14 microphone");
    RunTracedStep(&IFeatureSteps::ResetVirtualSpeakers, u"15 virtual speakers reset");
    m_Device->RegisterNotifications();
    Step(u"16 device notifications");
    LoadLastProfile();
    RunTracedStep(&IFeatureSteps::DropMicEndpoint, u"18 drop endpoint and group");
}

// A damaged file does not end the start: its error has been shown and the file set aside.
void TAudioMainForm::LoadLastProfile() {
    const int32_t status = m_Features->Steps().LoadLastProfile();
    if (status == LastProfileLoaded)
        Step(u"17 last profile");
    else if (status == LastProfileSetAside)
        Step(u"17 last profile damaged, set aside");
    else
        Step(u"17 no last profile");
}

void TAudioMainForm::WireDeviceEvents() {
    DEVICE_LINK_EVENTS& events = m_Device->Events();
    events.PresenceChanged = [this] {
        m_Look->ApplyAllLabelStyles();
        UpdateRotationTimer();
    };
    events.Arrived = [this] {
        OnDeviceArrived();
        KeepHiddenMeterOff();
        UpdateRotationTimer();
    };
    events.Removed = [this] {
        RunRemovalSteps(m_Features->Steps());
        UpdateRotationTimer();
    };
    events.Settled = [this] { App().ProcessMessages(); };
}

void TAudioMainForm::OnDeviceArrived() {
    ARRIVAL_SITUATION situation;
    situation.Shown = PageShown();
    situation.OsGeneration = m_OsGeneration;
    RunArrivalSteps(m_Features->Steps(), situation);
}

bool TAudioMainForm::FormCreate() {
    App().OnMessage = [this](ui::UI_MSG& msg, bool&) { HandleApplicationMessage(msg); };
    IWindowSystem& windows = *m_Platform.windowSystem;
    const std::u16string title = App().Title();
    if (windows.MutexExists(title)) {
        Step(u"FormCreate: another instance");
        App().SetTitle(u"");
        windows.BringWindowForward(ApplicationWindowClass, title);
        App().ShowMainForm = false;
        App().Terminate();
        return false;
    }
    windows.CreateNamedMutex(title);
    Step(u"FormCreate");
    return true;
}

void TAudioMainForm::FormActivate() {
    // The window becomes the application's active form only at its first show and when focus comes back
    // from the About box; restoring from the tray keeps it the active form.
    if (!m_ActivationPending) return;
    m_ActivationPending = false;
    if (m_FirstActivation && m_Options.OpenRestored) {
        m_FirstActivation = false;
        m_Tray->SetVisible(true);
        return;
    }
    m_FirstActivation = false;
    App().Minimize();
    m_Tray->MinimizeToTray();
}

void TAudioMainForm::ShowNoDeviceWarning() {
    const WARNING_BOX box = NoDeviceWarning(m_Look->Language(), m_Config.InstallAppTitle);
    App().MessageBox(box.Text, box.Caption, box.Flags);
}

PANEL_STATUS TAudioMainForm::ShowSkinImage(SKIN_IMAGE entry, ui::CImage& image) {
    return m_Look->ShowSkinImage(entry, image);
}

PANEL_STATUS TAudioMainForm::ShowSkinImageFrom(SKIN_IMAGE entry, std::u16string_view subFolder,
                                               ui::CImage& image) {
    return m_Look->ShowSkinImage(entry, image, subFolder);
}

void TAudioMainForm::TimerTimer() {
    m_Features->Steps().RotateSpeakers();
}

void TAudioMainForm::FormDestroy() {
    m_Timer->SetTimerEnabled(false);
    if (!m_Features) return; // construction never got to the state
    RunTracedStep(&IFeatureSteps::SaveLastProfile, u"shutdown 1 save last profile");
    RunTracedStep(&IFeatureSteps::ResetEqualizer, u"shutdown 2 reset equalizer");
    RunTracedStep(&IFeatureSteps::EqualizerSwitchOff, u"shutdown 3 equalizer off");
    RunTracedStep(&IFeatureSteps::Reset3D, u"shutdown 4 reset 3D");
    RunTracedStep(&IFeatureSteps::Switch3DOff, u"shutdown 5 3D off");
    m_Device->UnregisterNotifications();
    ReturnDeviceToNeutral();
}

// The features' neutral state on the opened device; then the device and the presence handle are closed.
// Without a device nothing is sent.
void TAudioMainForm::ReturnDeviceToNeutral() {
    const HidHandle device = m_Device->OpenDevice();
    if (device == NoHidHandle) {
        Step(u"shutdown 6 no device");
        return;
    }
    m_Features->Steps().ReturnDeviceToNeutral(device);
    m_Platform.hid->Close(device);
    m_Device->ClosePresence();
    Step(u"shutdown 6 neutral device state");
}

} // namespace tonvel
