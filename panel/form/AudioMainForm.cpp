#include "panel/form/AudioMainForm.h"

#include "device/DeviceIdGroupMatcher.h"
#include "foundation/config/ApplicationConfig.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "panel/form/AboutForm.h"
#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "platform/api/ProfileStrings.h"
#include "platform/api/SystemInfo.h"
#include "platform/api/WindowSystem.h"

namespace tonvel {
namespace {

std::u16string Cut(std::u16string text, size_t max) {
    if (text.size() > max) text.resize(max);
    return text;
}

std::u16string FolderOf(const std::u16string& path) {
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

} // namespace

TAudioMainForm::TAudioMainForm(ui::CApplication& app, const Platform& platform, PANEL_OPTIONS options,
                               PANEL_HOOKS hooks)
    : ui::CForm(app), m_Platform(platform), m_Options(std::move(options)), m_Hooks(std::move(hooks)) {
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
    m_LanguageMenu = m_Tray->PopupMenu().Add(u"Language", u"LanguageMenu");
    m_SkinMenu = m_Tray->PopupMenu().Add(u"Skin", u"SkinMenu");
    m_CloseMenu = m_Tray->PopupMenu().Add(u"Close", u"CloseMenu");
    m_SaveDialog = Add<ui::CSaveDialog>(u"SaveDialog");
    m_SaveDialog->FileName = u"AudioSetting.ini";
    m_SaveDialog->Filter = u"INI (*.ini)|*.ini";
    m_OpenDialog = Add<ui::COpenDialog>(u"OpenDialog");
    m_OpenDialog->Filter = u"INI (*.ini)|*.ini";
    m_Timer = Add<ui::CTimer>(u"Timer");
    m_Timer->SetInterval(20);
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

void TAudioMainForm::WireEvents() {
    size_t count = 0;
    const LAYOUT_ITEM* items = MainFormLayout(count);
    for (size_t i = 0; i < count; ++i) {
        const LAYOUT_ITEM& item = items[i];
        ui::CComponent* c = Find(item.Name);
        if (!c) continue;
        switch (item.Events) {
        case LAYOUT_EVENTS::Image:
            if (!m_TagImages.count(item.Tag)) m_TagImages[item.Tag] = static_cast<ui::CImage*>(c);
            c->OnMouseDown = [this](ui::CComponent& s, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
                if (b == ui::MouseButton::Left) OnImageMouseDown(s);
            };
            c->OnMouseUp = [this](ui::CComponent& s, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
                if (b == ui::MouseButton::Left) OnImageMouseUp(s);
            };
            break;
        case LAYOUT_EVENTS::Label:
            c->OnMouseDown = [this](ui::CComponent& s, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
                if (b == ui::MouseButton::Left) OnLabelMouseDown(s);
            };
            c->OnMouseUp = [this](ui::CComponent& s, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
                if (b == ui::MouseButton::Left) OnLabelMouseUp(s);
            };
            break;
        case LAYOUT_EVENTS::PageTab:
            c->OnMouseDown = [this](ui::CComponent& s, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
                if (b == ui::MouseButton::Left) OnLabelPageMouseDown(s);
            };
            break;
        case LAYOUT_EVENTS::Background:
            c->OnMouseDown = [this](ui::CComponent&, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
                FormMouseDown(b);
            };
            break;
        case LAYOUT_EVENTS::None:
            break;
        }
    }
    // The virtual 7.1 clockwise button's release goes through the label handler (same place in the end).
    if (ui::CImage* cw = Image(u"VirtualClockwiseImage"))
        cw->OnMouseUp = [this](ui::CComponent& s, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
            if (b == ui::MouseButton::Left) OnLabelMouseUp(s);
        };
    OnMouseDown = [this](ui::CComponent&, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
        FormMouseDown(b);
    };
    Image(u"CloseImage")->OnClick = [this](ui::CComponent&) { CloseImageClick(); };
    Image(u"MinimizeImage")->OnClick = [this](ui::CComponent&) { MinimizeImageClick(); };
    m_CloseMenu->OnClick = [this](ui::CMenuItem&) { CloseMenuClick(); };
    m_Timer->OnTimer = [this](ui::CComponent&) { TimerTimer(); };
    OnActivate = [this](ui::CComponent&) { FormActivate(); };
    OnDestroy = [this](ui::CComponent&) { FormDestroy(); };
    OnWindowMessage = [this](ui::CForm&, ui::UI_MSG& msg, bool&) {
        // The exit message closes the window through the normal path.
        if (m_ExitMessage != 0 && msg.message == m_ExitMessage) App().SendMessage(*this, ui::UiWmClose);
    };
}

void TAudioMainForm::RunHook(const std::function<void()>& hook, const char16_t* what) {
    Step(what);
    if (hook) hook();
}

PANEL_STATUS TAudioMainForm::Fail(PANEL_STATUS status) {
    ui::CUiError error;
    error.code = status.Code == PanelInvalidInteger ? ui::UiConvertError : ui::UiFileError;
    error.message = status.Message;
    App().ShowError(error);
    return status;
}

std::u16string TAudioMainForm::UserConfigFile() const {
    std::u16string appData;
    m_Platform.environment->Variable(u"APPDATA", appData);
    return UserConfigPath(Cut(appData, 255), m_DataFolderName);
}

std::u16string TAudioMainForm::LastProfileFile() const {
    std::u16string appData;
    m_Platform.environment->Variable(u"APPDATA", appData);
    return Cut(appData, 255) + u"\\" + m_DataFolderName + u"\\LastProfile.ini";
}

PANEL_STATUS TAudioMainForm::StartUp() {
    IProfileStrings& profile = *m_Platform.profile;
    // 1. Program folder, exit message, OS generation code.
    const std::u16string programPath = m_Platform.files->ModuleFileName();
    m_ProgramFolder = FolderOf(programPath);
    m_ExitMessage = App().RegisterWindowMessage(ExitMessageName);
    {
        OS_VERSION_RECORD version;
        int32_t status = 0;
        const bool ok = m_Platform.system && m_Platform.system->RtlGetVersion(version, status) == CALL_OK;
        m_OsGeneration = OsGenerationCode(ok, version.platformId, version.majorVersion, version.minorVersion);
    }
    Step(u"1 program folder, exit message, OS generation");
    // 2. The configuration record.
    LoadApplicationConfig(m_Platform, CONFIG_PROGRAM::ControlPanel, u"AudioConfig.cfg", programPath,
                          m_Config);
    Step(u"2 configuration");
    // 3. The initial feature state.
    m_State = SKIN_FEATURE_STATE{};
    m_State.LedOn = true;
    m_State.Preset = 1;
    m_State.AlphaConnection = -1;
    m_State.BetaConnection = -1;
    m_Drag = PANEL_DRAG{};
    m_Skin.Metrics().PreviousSpeakerRadius = 1;
    m_Device = std::make_unique<CDeviceLink>(m_Platform);
    m_Device->Hooks().ShowPresence = [this](bool) { ApplyAllLabelStyles(); };
    m_Device->Hooks().OsGenerationCode = [this] { return m_OsGeneration; };
    m_Device->Hooks().ProcessPendingMessages = [this] { App().ProcessMessages(); };
    m_Device->Hooks().ShownPage = [this] {
        static const DEVICE_PAGE kPages[] = {DEVICE_PAGE::Eq, DEVICE_PAGE::Sound3D, DEVICE_PAGE::Effect,
                                             DEVICE_PAGE::Mic, DEVICE_PAGE::Virtual71};
        const int32_t page = PageShown();
        return page >= 0 && page < PageCount ? kPages[page] : DEVICE_PAGE::None;
    };
    Step(u"3 initial state");
    // 4. The data folder name.
    m_DataFolderName = Cut(m_Config.InstallFolderName, 255);
    Step(u"4 data folder");
    // 5. The remembered language and skin.
    {
        const std::u16string user = UserConfigFile();
        if (m_Platform.files->Exists(user)) {
            std::u16string value;
            profile.GetString(u"Language", u"DefaultLanguage", u"", value, 128, user);
            m_LanguageName = value;
            profile.GetString(u"Skin", u"DefaultSkin", u"", value, 128, user);
            m_SkinName = value;
        }
    }
    Step(u"5 remembered choices");
    // 6. The program icon: the application's, and a second copy in the image list for the tray.
    {
        ui::CPicture icon;
        if (App().LoadPicture(m_ProgramFolder + m_Config.InstallIconFileName, icon, nullptr) == ui::UiOk) {
            App().SetIcon(icon);
            m_ImageList.push_back(icon);
            m_ImageList.push_back(icon);
            m_Tray->SetIcon(m_ImageList[1]);
        }
    }
    Step(u"6 icon");
    // 7. Tray hint and title.
    {
        std::u16string hint;
        profile.GetString(u"TrayIconHint", u"HintName", u"", hint, 32, m_ProgramFolder + u"AudioConfig.cfg");
        m_Tray->SetHint(Cut(hint, TitleMax));
        App().SetTitle(Cut(m_Config.InstallAppTitle, TitleMax));
        SetCaption(App().Title());
    }
    Step(u"7 tray hint and title");
    // 8. Languages and skins.
    m_LanguageCount = ListLanguages();
    if (m_LanguageCount <= 0) return Fail(FileErrorStatus(LanguageRoot(), FilePathNotFound));
    m_SkinCount = ListSkins();
    if (m_SkinCount <= 0) return Fail(FileErrorStatus(SkinRoot(), FilePathNotFound));
    PANEL_STATUS status = LoadLanguage();
    if (!status.Ok()) return Fail(status);
    status = ReadLabelOverrides();
    if (!status.Ok()) return Fail(status);
    ApplyAllLabelStyles();
    status = ApplyWindowOutline();
    if (!status.Ok()) return Fail(status);
    status = LoadSkin();
    if (!status.Ok()) return Fail(status);
    status = ApplySkin();
    if (!status.Ok()) return Fail(status);
    status = ReadLabelOverrides();
    if (!status.Ok()) return Fail(status);
    ApplyAllLabelStyles();
    Step(u"8 languages and skins");
    // 9. Device discovery.
    {
        CDeviceIdMgr usbGroup;
        usbGroup.Load(*m_Platform.files, m_ProgramFolder + u"AudioConfig.cfg",
                      std::u16string(kUsbDeviceIdSection));
        m_Device->Discover(MatchDeviceIdGroup(usbGroup));
        ApplyAllLabelStyles();
        // 18 (the group part): the group goes with this scope.
    }
    Step(u"9 device discovery");
    RunHook(m_Hooks.InitEqualizer, u"10 equalizer");
    RunHook(m_Hooks.Init3D, u"11 3D");
    m_State.Effect = 1;
    RunHook(m_Hooks.InitEffect, u"12 effect");
    RunHook(m_Hooks.InitVirtualSpeakers, u"13 virtual speaker parameters");
    m_State.MicBoost = false;
    m_State.MicMute = false;
    if (ui::CImage* bar = Image(u"MicProgressImage")) bar->SetWidth(0);
    RunHook(m_Hooks.InitMicrophone, u"14 microphone");
    RunHook(m_Hooks.ResetVirtualSpeakers, u"15 virtual speakers reset");
    m_Device->RegisterNotifications();
    Step(u"16 device notifications");
    if (m_Platform.files->Exists(LastProfileFile()))
        RunHook(m_Hooks.LoadLastProfile, u"17 last profile");
    else
        Step(u"17 no last profile");
    RunHook(m_Hooks.DropMicEndpoint, u"18 drop endpoint and group");
    return PANEL_STATUS{};
}

bool TAudioMainForm::FormCreate() {
    App().OnMessage = [this](ui::UI_MSG& msg, bool&) { HandleApplicationMessage(msg); };
    IWindowSystem* windows = m_Platform.windowSystem;
    const std::u16string title = App().Title();
    if (windows && windows->MutexExists(title)) {
        Step(u"FormCreate: another instance");
        App().SetTitle(u"");
        windows->BringWindowForward(ApplicationWindowClass, title);
        App().ShowMainForm = false;
        App().Terminate();
        return false;
    }
    if (windows) windows->CreateNamedMutex(title);
    m_Created = true;
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

void TAudioMainForm::CloseImageClick() {
    App().Minimize();
    m_Tray->MinimizeToTray();
}

void TAudioMainForm::MinimizeImageClick() {
    App().Minimize();
}

void TAudioMainForm::CloseMenuClick() {
    Close();
}

void TAudioMainForm::FormMouseDown(ui::MouseButton button) {
    if (button == ui::MouseButton::Left) {
        App().ReleaseCapture();
        App().SendMessage(*this, ui::UiWmSysCommand, ui::UiScDragMove);
        App().ProcessMessages();
    } else if (button == ui::MouseButton::Right) {
        Close();
    }
}

void TAudioMainForm::ShowNoDeviceWarning() {
    const WARNING_BOX box = NoDeviceWarning(m_Language, m_Config.InstallAppTitle);
    App().MessageBox(box.Text, box.Caption, box.Flags);
}

void TAudioMainForm::SetTabColours() {
    _LABEL_STYLE_INFO* eq = m_Language.Style(u"LabelPageEQ");
    if (!eq) return;
    static const char16_t* const kTabs[] = {u"PageEQLabel", u"Page3DLabel", u"PageEffectLabel",
                                            u"PageMicLabel", u"PageVirtual7p1Label"};
    for (int32_t page = 0; page < PageCount; ++page) {
        ui::CLabel* tab = Label(kTabs[page]);
        if (!tab) continue;
        const bool shown = page == PageShown();
        const bool has = shown ? eq->HasColorDown || m_Language.GlobalFont().ColorDown != GlobalNotSet
                               : eq->HasColorUp || m_Language.GlobalFont().ColorUp != GlobalNotSet;
        if (has) tab->SetFontColour(static_cast<ui::Colour>(shown ? eq->ColorDown : eq->ColorUp));
    }
}

void TAudioMainForm::SwitchPage(int32_t page) {
    m_Parts.Notebook->SetActivePageIndex(page);
    App().ProcessMessages();
}

void TAudioMainForm::OnLabelPageMouseDown(ui::CComponent& tab) {
    if (!DeviceConnected()) {
        ShowNoDeviceWarning();
        return;
    }
    switch (tab.Tag()) {
    case 23:
        SwitchPage(PageEq);
        if (m_Hooks.StopLevelMeter) m_Hooks.StopLevelMeter();
        if (m_Hooks.ReapplyEqSwitch) m_Hooks.ReapplyEqSwitch();
        break;
    case 24:
        SwitchPage(Page3D);
        if (m_Hooks.StopLevelMeter) m_Hooks.StopLevelMeter();
        if (m_Hooks.ReapplyEqSwitch) m_Hooks.ReapplyEqSwitch();
        if (m_Hooks.Reapply3DSwitch) m_Hooks.Reapply3DSwitch();
        break;
    case 25:
        SwitchPage(PageEffect);
        if (m_Hooks.StopLevelMeter) m_Hooks.StopLevelMeter();
        break;
    case 26:
        SwitchPage(PageMic);
        if (m_Hooks.StartLevelMeter) m_Hooks.StartLevelMeter();
        break;
    case 27:
        SwitchPage(PageVirtual);
        if (m_Hooks.StopLevelMeter) m_Hooks.StopLevelMeter();
        break;
    default:
        break;
    }
    SetTabColours();
}

void TAudioMainForm::OnImageMouseDown(ui::CComponent& image) {
    const int32_t tag = image.Tag();
    if (!DeviceConnected() && TagNeedsDevice(tag)) {
        ShowNoDeviceWarning();
        return;
    }
    if (m_Hooks.ImageMouseDown) m_Hooks.ImageMouseDown(tag, image);
}

void TAudioMainForm::OnImageMouseUp(ui::CComponent& image) {
    const int32_t tag = image.Tag();
    if (tag == 4) {
        // About: the released picture and colour, then the box (only with a device).
        if (ui::CImage* menu3 = Image(u"Menu3Image"))
            ApplyImageEntry(m_Skin.Image(SKIN_IMAGE::Main_Menu3ImageUp), *menu3, u"");
        if (_LABEL_STYLE_INFO* style = m_Language.Style(u"LabelMenu3"))
            if (ui::CLabel* label = Label(u"Menu3Label"))
                if (style->HasColorUp) label->SetFontColour(static_cast<ui::Colour>(style->ColorUp));
        if (DeviceConnected()) OpenAboutBox();
        return;
    }
    if (!DeviceConnected() && TagNeedsDevice(tag)) return;
    if (m_Hooks.ImageMouseUp) m_Hooks.ImageMouseUp(tag, image);
}

void TAudioMainForm::OnLabelMouseDown(ui::CComponent& label) {
    auto it = m_TagImages.find(label.Tag());
    if (it != m_TagImages.end()) OnImageMouseDown(*it->second);
}

void TAudioMainForm::OnLabelMouseUp(ui::CComponent& label) {
    auto it = m_TagImages.find(label.Tag());
    if (it != m_TagImages.end()) OnImageMouseUp(*it->second);
}

void TAudioMainForm::OpenAboutBox() {
    if (!m_About) return;
    const _LABEL_STYLE_INFO* menu3 = m_Language.Style(u"LabelMenu3");
    m_About->SetCaption(menu3 && LabelTextShown(menu3->Text) ? menu3->Text : std::u16string());
    if (_LABEL_STYLE_INFO* about = m_Language.Style(u"LabelAbout"))
        ApplyLabelStyle(*about, m_About->Text(), true);
    ApplyImageEntry(m_Skin.Image(SKIN_IMAGE::About_LogoImage), m_About->Logo(), u"");
    m_About->ShowModal();
    m_ActivationPending = true;
    Activate();
}

void TAudioMainForm::TimerTimer() {
    if (m_Hooks.TimerTick) m_Hooks.TimerTick();
}

void TAudioMainForm::FormDestroy() {
    if (!m_Device) return; // construction never got to the state
    RunHook(m_Hooks.SaveLastProfile, u"shutdown 1 save last profile");
    RunHook(m_Hooks.ResetEqualizer, u"shutdown 2 reset equalizer");
    RunHook(m_Hooks.EqualizerSwitchOff, u"shutdown 3 equalizer off");
    RunHook(m_Hooks.Reset3D, u"shutdown 4 reset 3D");
    RunHook(m_Hooks.Switch3DOff, u"shutdown 5 3D off");
    m_Device->UnregisterNotifications();
    const HidHandle device = m_Device->OpenDevice();
    if (device == kNoHidHandle) {
        Step(u"shutdown 6 no device");
        return;
    }
    m_Platform.hid->Close(device);
    RunHook(m_Hooks.NeutralDeviceState, u"shutdown 6 neutral device state");
    m_Device->ClosePresence();
}

} // namespace tonvel
