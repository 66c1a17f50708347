// The wizard's languages: the list of language folders, the texts and styles of the chosen language, and
// the choice stored in the setup's configuration file.

#include "foundation/config/IniString.h"
#include "setup/wizard/BackgroundForm.h"
#include "setup/wizard/MainForm.h"

#include <utility>

namespace tonvel {

namespace {

constexpr char16_t LanguageSection[] = u"Language";
constexpr char16_t DefaultLanguageKey[] = u"DefaultLanguage";

} // namespace

std::u16string TMainForm::LanguageRoot() const {
    return m_Folders.SourceFolderFullPath + m_Folders.LanguageFolderName + u"\\";
}

std::u16string TMainForm::ReadCurrentLanguage() const {
    std::u16string language;
    ReadIniString(*m_Platform.profile, m_Folders.SourceFolderFullPath + ConfigFileName, LanguageSection,
                  DefaultLanguageKey, language);
    return language;
}

int32_t TMainForm::FillLanguageList(const std::u16string& current) {
    m_Combo->SetItemIndex(-1);
    m_Combo->ClearItems();
    m_OriginalCombo->ClearItems();
    m_DirectoryList->SetDirectory(LanguageRoot());
    const std::vector<LANGUAGE_CHOICE> offered = OfferedLanguages(
        *m_Platform.profile, m_Folders.SourceFolderFullPath + ConfigFileName, m_DirectoryList->SubFolders());
    for (const LANGUAGE_CHOICE& choice : offered) {
        const int32_t index = m_OriginalCombo->AddItem(choice.Folder);
        m_Combo->AddItem(choice.DisplayName);
        if (choice.Folder == current) m_Combo->SetItemIndex(index);
    }
    if (m_Combo->ItemIndex() < 0 && !offered.empty()) m_Combo->SetItemIndex(0);
    return static_cast<int32_t>(offered.size());
}

int32_t TMainForm::LoadTexts(const std::u16string& language, ui::CUiError* error) {
    return LoadSetupLabels(*m_Platform.profile, LanguageRoot() + language + u"\\" + LanguageFileName,
                           m_Labels, error);
}

void TMainForm::ApplyTexts() {
    const std::pair<SETUP_LABEL, ui::CButton*> buttons[] = {{LabelBackBtn, m_Back},
                                                            {LabelNextBtn, m_Next},
                                                            {LabelFinishBtn, m_Finish},
                                                            {LabelCancelBtn, m_Cancel}};
    for (const auto& [entry, button] : buttons)
        button->SetCaption(m_Labels[entry].Text);
    for (const SETUP_LABEL entry : {LabelSelectLang, LabelVersion, LabelAudioExt, LabelInstall, LabelReboot})
        ApplyLabelEntry(entry, *m_LabelControls[entry]);
    m_Reboot->SetCaption(m_Labels[LabelRebootRadioBtn].Text);
    m_NoReboot->SetCaption(m_Labels[LabelNoRebootRadioBtn].Text);
    SetCaption(m_Labels[LabelTitle].Text + u" (V" + m_FileVersion + u")");
}

// The full label style: shown with its text (hidden when there is none), then every field the language
// gave: colour, font, size in points, left, top, width, height.
void TMainForm::ApplyLabelEntry(SETUP_LABEL entry, ui::CLabel& label) {
    const _LABEL_STYLE_INFO& style = m_Labels[entry];
    if (!LabelTextShown(style.Text)) {
        label.SetVisible(false);
        return;
    }
    label.SetVisible(true);
    label.SetCaption(style.Text);
    ui::UI_FONT font = label.Font();
    if (style.HasColorUp) font.colour = static_cast<ui::Colour>(style.ColorUp);
    if (style.HasFontName) font.name = style.FontName;
    if (style.HasFontSize) {
        font.size = style.FontSize;
        font.height = 0;
    }
    label.SetFont(font);
    if (style.HasLeft) label.SetLeft(style.Left);
    if (style.HasTop) label.SetTop(style.Top);
    if (style.HasWidth) label.SetWidth(style.Width);
    if (style.HasHeight) label.SetHeight(style.Height);
}

void TMainForm::StoreCurrentLanguage(const std::u16string& language) {
    WriteIniString(*m_Platform.profile, m_Folders.SourceFolderFullPath + ConfigFileName, LanguageSection,
                   DefaultLanguageKey, language);
}

void TMainForm::ComboBoxChange() {
    const int32_t index = m_Combo->ItemIndex();
    if (index < 0 || index >= static_cast<int32_t>(m_OriginalCombo->Items().size())) return;
    const std::u16string language = m_OriginalCombo->Items()[index];
    ui::CUiError error;
    if (LoadTexts(language, &error) != ui::UiOk) {
        App().ShowError(error);
        return;
    }
    ApplyTexts();
    StoreCurrentLanguage(language);
}

} // namespace tonvel
