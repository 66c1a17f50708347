#include "panel/form/PanelLook.h"

#include "platform/api/FileSystem.h"
#include "platform/api/ProfileStrings.h"

namespace tonvel {
namespace {

constexpr size_t ChoiceBuffer = 128; // the remembered skin and language names are read into 128 units

} // namespace

PANEL_STATUS ShowPanelError(ui::CApplication& app, PANEL_STATUS status) {
    ui::CUiError error;
    error.code = status.Code == PanelInvalidInteger ? ui::UiConvertError : ui::UiFileError;
    error.message = status.Message;
    app.ShowError(error);
    return status;
}

CPanelLook::CPanelLook(ui::CForm& form, ILookWindow& window, const Platform& platform,
                       const MAIN_FORM_PARTS& parts, ui::CMenuItem& languageMenu, ui::CMenuItem& skinMenu)
    : m_Form(form), m_Window(window), m_Platform(platform), m_Parts(parts), m_LanguageMenu(languageMenu),
      m_SkinMenu(skinMenu) {}

ui::CImage* CPanelLook::Image(std::u16string_view name) {
    ui::CComponent* c = m_Form.Find(name);
    return c && c->Kind() == ui::ComponentKind::Image ? static_cast<ui::CImage*>(c) : nullptr;
}

ui::CLabel* CPanelLook::Label(std::u16string_view name) {
    ui::CComponent* c = m_Form.Find(name);
    return c && c->Kind() == ui::ComponentKind::Label ? static_cast<ui::CLabel*>(c) : nullptr;
}

void CPanelLook::ReadRememberedChoices() {
    const std::u16string& user = m_Places.UserConfigFile;
    const std::u16string& program = m_Places.ProgramConfigFile;
    IProfileStrings& profile = *m_Platform.profile;
    if (m_Platform.files->Exists(user)) {
        profile.GetString(u"Language", u"DefaultLanguage", u"", m_LanguageName, ChoiceBuffer, user);
        profile.GetString(u"Skin", u"DefaultSkin", u"", m_SkinName, ChoiceBuffer, user);
    }
    profile.GetString(u"Language", u"DefaultLanguage", u"", m_DefaultLanguage, ChoiceBuffer, program);
    profile.GetString(u"Skin", u"DefaultSkin", u"", m_DefaultSkin, ChoiceBuffer, program);
}

PANEL_STATUS CPanelLook::LoadLanguagesAndSkins() {
    if (ListLanguages() <= 0) return FileErrorStatus(LanguageRoot(), FilePathNotFound);
    if (ListSkins() <= 0) return FileErrorStatus(SkinRoot(), FilePathNotFound);
    PANEL_STATUS status = LoadLanguage(m_LanguageName, m_Language);
    if (status.Ok()) status = ReadLabelOverrides();
    if (!status.Ok()) return status;
    ApplyAllLabelStyles();
    status = ApplyWindowOutline();
    if (status.Ok()) status = LoadSkin();
    if (status.Ok()) status = ApplySkin();
    if (status.Ok()) status = ReadLabelOverrides();
    if (!status.Ok()) return status;
    ApplyAllLabelStyles();
    return status;
}

PANEL_STATUS CPanelLook::ShowSkinImage(SKIN_IMAGE entry, ui::CImage& image, std::u16string_view subFolder) {
    return ApplyImageEntry(m_Skin.Image(entry), image, std::u16string(subFolder));
}

} // namespace tonvel
