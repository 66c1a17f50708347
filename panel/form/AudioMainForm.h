#pragma once
// TAudioMainForm: the control panel's main window. It owns the configuration record, the skin and language
// half (CPanelLook), the device link and the features, and runs the fixed orders of start-up, page switch,
// device arrival and removal, skin switch and shutdown, with the feature steps at their places.

#include "device/DeviceLink.h"
#include "features/PanelFeatures.h"
#include "foundation/config/ApplicationFolderPath.h"
#include "foundation/config/ProductNames.h"
#include "panel/form/MainFormLayout.h"
#include "panel/form/PanelLook.h"
#include "platform/api/Platform.h"
#include "skin/PanelStatus.h"
#include "ui/core/Ui.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tonvel {

class TAboutForm;

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
    CFeature* Owner = nullptr; // the feature the grabbed control belongs to
    ui::UI_POINT Press;
    ui::UI_POINT Origin;
};

class TAudioMainForm : public ui::CForm, private IFeatureWindow, private ILookWindow {
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
    PANEL_STATUS SkinMenuClick(ui::CMenuItem& item) { return m_Look->SkinMenuClick(item); }
    PANEL_STATUS LanguageMenuClick(ui::CMenuItem& item) { return m_Look->LanguageMenuClick(item); }

    // What the window shows and holds.
    ui::CImage* Image(std::u16string_view name);
    ui::CLabel* Label(std::u16string_view name);
    PANEL_PAGE PageShown() const;
    int32_t OsGeneration() const override { return m_OsGeneration; }
    const std::u16string& CurrentSkin() const { return m_Look->SkinName(); }
    const std::u16string& CurrentLanguage() const { return m_Look->LanguageName(); }
    bool DeviceConnected() const override { return m_Device && m_Device->DeviceConnected() != 0; }
    CPanelFeatures& Features() override { return *m_Features; }
    const PANEL_DRAG& Drag() const { return m_Drag; }
    ui::CTrayIcon& Tray() { return *m_Tray; }
    ui::CMenuItem& LanguageMenu() { return m_Look->LanguageMenu(); }
    ui::CMenuItem& SkinMenu() { return m_Look->SkinMenu(); }
    ui::CTimer& Timer() { return *m_Timer; }
    const std::vector<std::u16string>& LanguageFolders() const { return m_Look->LanguageFolders(); }
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

    std::u16string ProgramConfigFile() const { return m_ProgramFolder + ConfigFileName; }
    std::u16string UserDataFolder() const;
    std::u16string UserConfigFile() const;

    // IFeatureWindow.
    PANEL_PAGE ShownPage() const override { return PageShown(); }
    void ShowNoDeviceWarning() override;
    PANEL_STATUS ShowSkinImage(SKIN_IMAGE entry, ui::CImage& image) override;
    PANEL_STATUS ShowSkinImageFrom(SKIN_IMAGE entry, std::u16string_view subFolder,
                                   ui::CImage& image) override;
    void RestyleLabels() override { m_Look->ApplyAllLabelStyles(); }
    WAVE_NOTIFY_WINDOW CaptureWindow() override;

    void Step(const std::u16string& what) { m_Trace.push_back(what); }
    void RunTracedStep(void (IFeatureSteps::*step)(), const char16_t* what);
    void SwitchPage(PANEL_PAGE page);
    void SetTabColours();
    void OpenAboutBox();

    const Platform& m_Platform;
    PANEL_OPTIONS m_Options;
    MAIN_FORM_PARTS m_Parts;
    ui::CTrayIcon* m_Tray = nullptr;
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
    std::unique_ptr<CPanelLook> m_Look;
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
