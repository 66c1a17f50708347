#pragma once
// The skin and language half of the main window: the Skin and Language menus and their check marks, the
// skin and language chosen and remembered, loading and applying a skin (pictures, metrics, outline) and a
// language (label styles and the skin's overrides, the tab layout), and the two switches of the tray menu.

#include "features/PanelFeatures.h"
#include "panel/form/MainFormLayout.h"
#include "platform/api/Platform.h"
#include "skin/Language.h"
#include "skin/PanelStatus.h"
#include "skin/SkinApply.h"
#include "skin/SkinSetting.h"
#include "ui/core/Ui.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tonvel {

// The window as its skin and language see it.
class ILookWindow {
public:
    virtual ~ILookWindow() = default;
    virtual PANEL_PAGE ShownPage() const = 0;
    virtual bool DeviceConnected() const = 0;
    virtual CPanelFeatures& Features() = 0;
};

// Where the skins, the languages and the choices are, known once the configuration has been read.
struct LOOK_PLACES {
    std::u16string ProgramFolder;
    std::u16string SkinFolderName;
    std::u16string LanguageFolderName;
    std::u16string ProgramConfigFile;
    std::u16string UserConfigFile;
    int32_t OsGeneration = 0;
};

// Shows a failure in the application's error box and returns it.
PANEL_STATUS ShowPanelError(ui::CApplication& app, PANEL_STATUS status);

class CPanelLook {
public:
    CPanelLook(ui::CForm& form, ILookWindow& window, const Platform& platform, const MAIN_FORM_PARTS& parts,
               ui::CMenuItem& languageMenu, ui::CMenuItem& skinMenu);

    void SetPlaces(LOOK_PLACES places) { m_Places = std::move(places); }
    // The choices remembered in the user's configuration file, and the program's own defaults.
    void ReadRememberedChoices();
    // Language menu, skin list, language labels, label overrides and styles, outline, the skin's pictures
    // and metrics, outline again, label overrides and styles again.
    PANEL_STATUS LoadLanguagesAndSkins();
    // The tray menu's skin and language switches.
    PANEL_STATUS SkinMenuClick(ui::CMenuItem& item);
    PANEL_STATUS LanguageMenuClick(ui::CMenuItem& item);

    // Puts a skin picture entry (file and bounds) on an image, the file taken from a sub-folder of the skin.
    PANEL_STATUS ShowSkinImage(SKIN_IMAGE entry, ui::CImage& image, std::u16string_view subFolder = u"");
    void ApplyAllLabelStyles();
    // While held (start-up), each skin picture file is read and checked once; releasing forgets them.
    void HoldStartUpPictures(bool hold);
    void ApplyLabelStyle(_LABEL_STYLE_INFO& style, ui::CLabel& label, bool up);

    CSkinSetting& Skin() { return m_Skin; }
    CLanguage& Language() { return m_Language; }
    const std::u16string& SkinName() const { return m_SkinName; }
    const std::u16string& LanguageName() const { return m_LanguageName; }
    const std::vector<std::u16string>& LanguageFolders() const { return m_LanguageFolders; }
    ui::CMenuItem& LanguageMenu() { return m_LanguageMenu; }
    ui::CMenuItem& SkinMenu() { return m_SkinMenu; }

private:
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
    ui::CImage* Image(std::u16string_view name);
    ui::CLabel* Label(std::u16string_view name);

    ui::CForm& m_Form;
    ILookWindow& m_Window;
    const Platform& m_Platform;
    const MAIN_FORM_PARTS& m_Parts;
    ui::CMenuItem& m_LanguageMenu;
    ui::CMenuItem& m_SkinMenu;
    LOOK_PLACES m_Places;
    std::u16string m_LanguageName;
    std::u16string m_SkinName;
    std::u16string m_DefaultLanguage; // the program's own choices, for a user who has none that are there
    std::u16string m_DefaultSkin;
    std::vector<std::u16string> m_LanguageFolders;
    CSkinSetting m_Skin;
    CLanguage m_Language;
    // The pictures start-up has read, by path; empty after it.
    std::map<std::u16string, ui::CPicture> m_StartUpPictures;
    bool m_HoldingPictures = false;
};

} // namespace tonvel
