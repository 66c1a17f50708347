#pragma once
// TAudioMainForm: the control panel's main window. It owns the configuration record, the skin and language
// state, the device link and the features, and runs the fixed orders of start-up, page switch, device
// arrival and removal, skin switch and shutdown, with the feature steps at their places.

#include "device/DeviceLink.h"
#include "features/PanelFeatures.h"
#include "foundation/config/ApplicationFolderPath.h"
#include "panel/form/MainFormLayout.h"
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
inline constexpr char16_t ConfigFileName[] = u"AudioConfig.cfg";
inline constexpr size_t TitleMax = 31; // the tray hint and the title pass through 32-unit buffers

struct PANEL_OPTIONS {
    // The window stays shown at its first activation instead of going to the tray (the demo).
    bool OpenRestored = false;
};

// The drag of the window-level mouse handling.
struct PANEL_DRAG {
    bool Active = false;
    ui::CComponent* Grabbed = nullptr;
    CFeature* Owner = nullptr; // the feature the grabbed control belongs to
    ui::UI_POINT Press;
    ui::UI_POINT Origin;
};

class TAudioMainForm : public ui::CForm, private IFeatureWindow {
public:
    TAudioMainForm(ui::CApplication& app, const Platform& platform, PANEL_OPTIONS options = {});
    ~TAudioMainForm() override;

    // The construction sequence (steps 1 to 18). A framework error is shown in the error box and returned;
    // the program then ends.
    PANEL_STATUS StartUp();
    // After construction: the message hook and the single-instance check. False when another instance
    // runs (it has been brought forward and this application terminated).
    bool FormCreate();
    void SetAbout(TAboutForm* about) { m_About = about; }

    // The tray menu's skin and language switches.
    PANEL_STATUS SkinMenuClick(ui::CMenuItem& item);
    PANEL_STATUS LanguageMenuClick(ui::CMenuItem& item);

    // What the window shows and holds.
    ui::CImage* Image(std::u16string_view name) override;
    ui::CLabel* Label(std::u16string_view name) override;
    PANEL_PAGE PageShown() const;
    int32_t OsGeneration() const override { return m_OsGeneration; }
    const std::u16string& CurrentSkin() const { return m_SkinName; }
    const std::u16string& CurrentLanguage() const { return m_LanguageName; }
    bool DeviceConnected() const { return m_Device && m_Device->DeviceConnected() != 0; }
    CPanelFeatures& Features() { return *m_Features; }
    const PANEL_DRAG& Drag() const { return m_Drag; }
    ui::CTrayIcon& Tray() { return *m_Tray; }
    ui::CMenuItem& LanguageMenu() { return *m_LanguageMenu; }
    ui::CMenuItem& SkinMenu() { return *m_SkinMenu; }
    ui::CTimer& Timer() { return *m_Timer; }
    const std::vector<std::u16string>& LanguageFolders() const { return m_LanguageFolders; }
    const std::vector<ui::CPicture>& ImageList() const { return m_ImageList; }

    // Trace of what the window did, one line per step (tests read the start-up and shutdown order).
    const std::vector<std::u16string>& Trace() const { return m_Trace; }

private:
    // Events of the window and its components.
    void WireEvents();
    void WireLayoutEvents(ui::CComponent& component, LAYOUT_EVENTS events);
    void FormActivate();
    void FormDestroy();
    void CloseImageClick();
    void MinimizeImageClick();
    void CloseMenuClick();
    void FormMouseDown(ui::MouseButton button);
    void OnLabelPageMouseDown(ui::CComponent& tab);
    void OnImageMouseDown(ui::CComponent& image);
    void OnImageMouseUp(ui::CComponent& image);
    void OnLabelMouseDown(ui::CComponent& label);
    void OnLabelMouseUp(ui::CComponent& label);
    void AboutImageMouseUp();
    void TimerTimer();

    // What runs while nothing happens (the rotation timer, the level meter) follows the state.
    bool RotationWanted() const;
    void UpdateRotationTimer();
    void FormShow();
    void FormHide();
    void KeepHiddenMeterOff();

    // Start-up steps.
    PANEL_STATUS RunStartUp();
    void RememberProgram();
    void SetInitialState();
    void ReadRememberedChoices();
    void LoadProgramIcon();
    void SetTrayHintAndTitle();
    PANEL_STATUS LoadLanguagesAndSkins();
    void DiscoverDevice();
    void RunFeatureStartUp();
    void LoadLastProfile();

    // Device arrival and removal, on the device link's events.
    void WireDeviceEvents();
    void OnDeviceArrived();

    // Shutdown: the neutral device state.
    void ReturnDeviceToNeutral();

    // The window-level mouse handling (the application's message hook).
    void HandleApplicationMessage(ui::UI_MSG& msg);
    void PressGrab();
    void MoveGrab();

    // Skins and languages.
    int32_t ListSkins();
    PANEL_STATUS LoadSkin();
    PANEL_STATUS ApplySkin();
    PANEL_STATUS ApplyImageEntry(const _SKIN_IMAGE_INFO& entry, ui::CImage& image,
                                 const std::u16string& subFolder, bool zeroWidth = false);
    PANEL_STATUS ApplyWindowOutline();
    int32_t LoadSkinPicture(ui::CImage& image, const std::u16string& path, ui::CUiError& error);
    PANEL_STATUS ReadLabelOverrides();
    int32_t ListLanguages();
    PANEL_STATUS LoadLanguage(const std::u16string& name, CLanguage& language) const;
    void ApplyAllLabelStyles();
    void ApplyLabelStyle(_LABEL_STYLE_INFO& style, ui::CLabel& label, bool up);
    void LayOutTabs();
    void ShowDerivedCaptions();
    void CheckMenuItem(ui::CMenuItem& menu, int32_t index);
    // The folder of the remembered choice, else of the program's default, else the first one (-1: none).
    static int32_t ChosenFolder(const std::vector<std::u16string>& folders, const std::u16string& remembered,
                                const std::u16string& programDefault);
    void PersistChoices();
    std::u16string SkinRoot() const;
    std::u16string SkinFolder() const;
    std::u16string LanguageRoot() const;
    std::u16string ProgramConfigFile() const { return m_ProgramFolder + ConfigFileName; }
    std::u16string UserDataFolder() const;
    std::u16string UserConfigFile() const;

    // IFeatureWindow.
    PANEL_PAGE ShownPage() const override { return PageShown(); }
    void ShowNoDeviceWarning() override;
    PANEL_STATUS ShowSkinImage(SKIN_IMAGE entry, ui::CImage& image) override;
    PANEL_STATUS ShowSkinImageFrom(SKIN_IMAGE entry, std::u16string_view subFolder,
                                   ui::CImage& image) override;
    void RestyleLabels() override { ApplyAllLabelStyles(); }
    WAVE_NOTIFY_WINDOW CaptureWindow() override;

    void Step(const std::u16string& what) { m_Trace.push_back(what); }
    void RunTracedStep(const std::function<void()>& step, const char16_t* what);
    PANEL_STATUS Fail(PANEL_STATUS status);
    void SwitchPage(PANEL_PAGE page);
    void SetTabColours();
    void OpenAboutBox();

    const Platform& m_Platform;
    PANEL_OPTIONS m_Options;
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
    // The pictures start-up has read, by path (each file is read once); empty after it.
    std::map<std::u16string, ui::CPicture> m_StartUpPictures;
    bool m_StartingUp = false;

    std::u16string m_ProgramFolder;
    uint32_t m_ExitMessage = 0;
    int32_t m_OsGeneration = 0;
    _APPLICATION_FOLDER_PATH m_Config;
    std::u16string m_DataFolderName;
    std::u16string m_LanguageName;
    std::u16string m_SkinName;
    std::u16string m_DefaultLanguage; // the program's own choices, for a user who has none that are there
    std::u16string m_DefaultSkin;
    std::vector<std::u16string> m_LanguageFolders;
    CSkinSetting m_Skin;
    CLanguage m_Language;
    std::unique_ptr<CDeviceLink> m_Device;
    FEATURE_FLAGS m_FeatureFlags;
    std::unique_ptr<FEATURE_CONTEXT> m_FeatureContext;
    std::unique_ptr<CPanelFeatures> m_Features;
    PANEL_DRAG m_Drag;
    bool m_FirstActivation = true;
    bool m_ActivationPending = true;
    TAboutForm* m_About = nullptr;
    std::vector<std::u16string> m_Trace;
};

} // namespace tonvel
