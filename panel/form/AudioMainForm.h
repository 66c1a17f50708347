#pragma once
// TAudioMainForm: the control panel's main window. It owns the panel's whole state: the configuration
// record, the skin and language state, the device link and the window-level mouse handling. Start-up
// builds that state in a fixed order; the feature steps that the sound features supply are hooks called
// at their place (an empty hook is skipped).

#include "device/DeviceLink.h"
#include "foundation/config/ApplicationFolderPath.h"
#include "panel/form/MainFormLayout.h"
#include "panel/form/PanelHooks.h"
#include "panel/model/Language.h"
#include "panel/model/PanelStatus.h"
#include "panel/model/SkinApply.h"
#include "panel/model/SkinSetting.h"
#include "platform/api/Platform.h"
#include "ui/core/Ui.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tonvel {

class TAboutForm;

inline constexpr char16_t ExitMessageName[] = u"WM_ORV72xxAPP_EXIT";
inline constexpr char16_t ApplicationWindowClass[] = u"TApplication";
inline constexpr size_t TitleMax = 31; // the tray hint and the title pass through 32-unit buffers

struct PANEL_OPTIONS {
    // The window stays shown at its first activation instead of going to the tray (the demo).
    bool OpenRestored = false;
};

// The drag of the window-level mouse handling.
struct PANEL_DRAG {
    bool Active = false;
    ui::CComponent* Grabbed = nullptr;
    ui::UI_POINT Press;
    ui::UI_POINT Origin;
};

class TAudioMainForm : public ui::CForm {
public:
    TAudioMainForm(ui::CApplication& app, const Platform& platform, PANEL_OPTIONS options = {},
                   PANEL_HOOKS hooks = {});
    ~TAudioMainForm() override;

    // The construction sequence (steps 1 to 18). A framework error is shown in the error box and returned;
    // the program then ends.
    PANEL_STATUS StartUp();
    // After construction: the message hook and the single-instance check. False when another instance
    // runs (it has been brought forward and this application terminated).
    bool FormCreate();
    void FormActivate();
    void FormDestroy();

    // Window behaviour.
    void CloseImageClick();
    void MinimizeImageClick();
    void CloseMenuClick();
    void FormMouseDown(ui::MouseButton button);
    void OnLabelPageMouseDown(ui::CComponent& tab);
    void OnImageMouseDown(ui::CComponent& image);
    void OnImageMouseUp(ui::CComponent& image);
    void OnLabelMouseDown(ui::CComponent& label);
    void OnLabelMouseUp(ui::CComponent& label);
    void TimerTimer();
    // The application message hook: the window-level mouse handling.
    void HandleApplicationMessage(ui::UI_MSG& msg);

    // Skins and languages.
    int32_t ListSkins();
    PANEL_STATUS LoadSkin();
    PANEL_STATUS ApplySkin();
    PANEL_STATUS ApplyImageEntry(const _SKIN_IMAGE_INFO& entry, ui::CImage& image,
                                 const std::u16string& subFolder, bool zeroWidth = false);
    PANEL_STATUS ApplyWindowOutline();
    PANEL_STATUS ReadLabelOverrides();
    PANEL_STATUS SkinMenuClick(ui::CMenuItem& item);
    int32_t ListLanguages();
    PANEL_STATUS LoadLanguage();
    void ApplyAllLabelStyles();
    void ApplyLabelStyle(_LABEL_STYLE_INFO& style, ui::CLabel& label, bool up);
    PANEL_STATUS LanguageMenuClick(ui::CMenuItem& item);
    void PersistChoices();
    // The no-device warning (message box with the language's text).
    void ShowNoDeviceWarning();

    // State.
    const Platform& Plat() const { return m_Platform; }
    const _APPLICATION_FOLDER_PATH& Config() const { return m_Config; }
    const std::u16string& ProgramFolder() const { return m_ProgramFolder; }
    uint32_t ExitMessage() const { return m_ExitMessage; }
    int32_t OsGeneration() const { return m_OsGeneration; }
    const std::u16string& DataFolderName() const { return m_DataFolderName; }
    const std::u16string& CurrentSkin() const { return m_SkinName; }
    const std::u16string& CurrentLanguage() const { return m_LanguageName; }
    std::u16string UserConfigFile() const;
    std::u16string LastProfileFile() const;
    CSkinSetting& Skin() { return m_Skin; }
    CLanguage& Language() { return m_Language; }
    SKIN_FEATURE_STATE& FeatureState() { return m_State; }
    CDeviceLink& Device() { return *m_Device; }
    bool DeviceConnected() const { return m_Device && m_Device->DeviceConnected() != 0; }
    const PANEL_DRAG& Drag() const { return m_Drag; }
    // The microphone gain shown by MicValueLabel.
    int32_t MicGain() const { return m_MicGain; }
    void SetMicGain(int32_t gain) { m_MicGain = gain; }
    PANEL_HOOKS& Hooks() { return m_Hooks; }
    TAboutForm* About() const { return m_About; }
    void SetAbout(TAboutForm* about) { m_About = about; }
    int32_t PageShown() const { return m_Parts.Notebook->ActivePageIndex(); }
    const MAIN_FORM_PARTS& Parts() const { return m_Parts; }
    ui::CTrayIcon& Tray() { return *m_Tray; }
    ui::CMenuItem& LanguageMenu() { return *m_LanguageMenu; }
    ui::CMenuItem& SkinMenu() { return *m_SkinMenu; }
    ui::CMenuItem& CloseMenu() { return *m_CloseMenu; }
    ui::CTimer& Timer() { return *m_Timer; }
    const std::vector<std::u16string>& LanguageFolders() const { return m_LanguageFolders; }
    const std::vector<ui::CPicture>& ImageList() const { return m_ImageList; }
    // Components by name.
    ui::CImage* Image(std::u16string_view name);
    ui::CLabel* Label(std::u16string_view name);
    // The EQ and mic thumb ranges (smallest and largest Top) and the 3D one.
    int32_t EqThumbMin() const { return m_Skin.Metrics().EqSliderTop; }
    int32_t EqThumbMax() const { return m_Skin.Metrics().EqSliderTop + m_Skin.Metrics().SliderTravel; }
    int32_t MicThumbMin() const { return m_Skin.Metrics().MicSliderTop; }
    int32_t MicThumbMax() const { return m_Skin.Metrics().MicSliderTop + m_Skin.Metrics().SliderTravel; }
    static constexpr int32_t D3ThumbMin = 105;
    static constexpr int32_t D3ThumbMax = 225;

    // Trace of what the window did, one line per step (tests read the start-up and shutdown order).
    const std::vector<std::u16string>& Trace() const { return m_Trace; }

private:
    void WireEvents();
    void Step(const std::u16string& what) { m_Trace.push_back(what); }
    void RunHook(const std::function<void()>& hook, const char16_t* what);
    std::u16string SkinRoot() const;
    std::u16string SkinFolder() const;
    std::u16string LanguageRoot() const;
    PANEL_STATUS Fail(PANEL_STATUS status);
    void PressGrab(const ui::UI_MSG& msg);
    void MoveGrab();
    void StartDrag();
    void JumpThumb(ui::CImage& thumb, int32_t cursorY, int32_t minTop, int32_t maxTop);
    void SwitchPage(int32_t page);
    void SetTabColours();
    void OpenAboutBox();

    const Platform& m_Platform;
    PANEL_OPTIONS m_Options;
    PANEL_HOOKS m_Hooks;
    MAIN_FORM_PARTS m_Parts;
    ui::CTrayIcon* m_Tray = nullptr;
    ui::CMenuItem* m_LanguageMenu = nullptr;
    ui::CMenuItem* m_SkinMenu = nullptr;
    ui::CMenuItem* m_CloseMenu = nullptr;
    ui::CTimer* m_Timer = nullptr;
    ui::CSaveDialog* m_SaveDialog = nullptr;
    ui::COpenDialog* m_OpenDialog = nullptr;
    std::vector<ui::CPicture> m_ImageList;
    std::map<int32_t, ui::CImage*> m_TagImages;

    std::u16string m_ProgramFolder;
    uint32_t m_ExitMessage = 0;
    int32_t m_OsGeneration = 0;
    _APPLICATION_FOLDER_PATH m_Config;
    std::u16string m_DataFolderName;
    std::u16string m_LanguageName;
    std::u16string m_SkinName;
    std::vector<std::u16string> m_LanguageFolders;
    int32_t m_LanguageCount = 0;
    int32_t m_SkinCount = 0;
    CSkinSetting m_Skin;
    CLanguage m_Language;
    SKIN_FEATURE_STATE m_State;
    std::unique_ptr<CDeviceLink> m_Device;
    PANEL_DRAG m_Drag;
    int32_t m_MicGain = 0;
    bool m_FirstActivation = true;
    bool m_ActivationPending = true;
    bool m_Created = false;
    TAboutForm* m_About = nullptr;
    std::vector<std::u16string> m_Trace;
};

} // namespace tonvel
