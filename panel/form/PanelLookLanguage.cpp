// The language side of CPanelLook: the Language menu, loading a language, putting the label styles
// on the labels (with the tab layout) and the language switch; the remembered choices.

#include "panel/form/PanelLook.h"
#include "panel/form/SortedFolders.h"
#include "platform/api/FileSystem.h"
#include "platform/api/ProfileStrings.h"
#include "skin/TabLayout.h"

#include <algorithm>

namespace tonvel {
namespace {

constexpr size_t MenuCaptionBuffer = 32; // a language's menu caption

} // namespace

std::u16string CPanelLook::LanguageRoot() const {
    return m_Places.ProgramFolder + m_Places.LanguageFolderName + u"\\";
}

int32_t CPanelLook::ListLanguages() {
    const std::vector<std::u16string> names = SortedFolders(*m_Platform.files, LanguageRoot());
    m_LanguageMenu.Clear();
    m_LanguageFolders.clear();
    for (const std::u16string& name : names) {
        std::u16string caption;
        m_Platform.profile->GetString(u"MultiLanguageFolderMap", name, u"", caption, MenuCaptionBuffer,
                                      m_Places.ProgramConfigFile);
        m_LanguageFolders.push_back(name);
        ui::CMenuItem* item = m_LanguageMenu.Add(caption);
        item->OnClick = [this](ui::CMenuItem& clicked) { LanguageMenuClick(clicked); };
    }
    const int32_t index = ChosenFolder(names, m_LanguageName, m_DefaultLanguage);
    if (index >= 0) {
        m_LanguageName = names[static_cast<size_t>(index)];
        CheckMenuItem(m_LanguageMenu, index);
    }
    return m_LanguageMenu.Count();
}

PANEL_STATUS CPanelLook::LoadLanguage(const std::u16string& name, CLanguage& language) const {
    const std::u16string path = LanguageFilePath(m_Places.ProgramFolder, m_Places.LanguageFolderName, name);
    return language.Load(MakeProfileReader(*m_Platform.profile, path));
}

void CPanelLook::ApplyLabelStyle(_LABEL_STYLE_INFO& style, ui::CLabel& label, bool up) {
    LABEL_PROPERTIES props;
    props.Visible = label.Visible();
    props.Caption = label.Caption();
    props.Color = static_cast<int32_t>(label.Font().colour);
    props.FontName = label.Font().name;
    props.FontSize = -1; // unchanged unless the style or the global font gives one
    props.Left = label.Left();
    props.Top = label.Top();
    props.Width = label.Width();
    props.Height = label.Height();
    ::tonvel::ApplyLabelStyle(style, m_Language.GlobalFont(), up,
                              FontScaleFactor(m_Form.App().ScreenDpi(), m_Places.OsGeneration), props);
    ui::UI_FONT font = label.Font();
    font.colour = static_cast<ui::Colour>(props.Color);
    font.name = props.FontName;
    if (props.FontSize != -1) {
        font.size = props.FontSize;
        font.height = 0;
    }
    label.SetFont(font);
    if (props.Visible) label.SetCaption(props.Caption);
    label.SetVisible(props.Visible);
    label.SetBounds(props.Left, props.Top, style.HasWidth ? props.Width : label.Width(),
                    style.HasHeight ? props.Height : label.Height());
}

void CPanelLook::ApplyAllLabelStyles() {
    const auto& keys = LabelKeys();
    const int32_t page = PageIndex(m_Window.ShownPage());
    const SKIN_FEATURE_STATE state = m_Window.Features().State();
    for (size_t i = 0; i < keys.size(); ++i) {
        const LABEL_KEY& key = keys[i];
        if (!key.Component) continue;
        // DeviceActiveLabel takes one of its two keys, by the device state.
        const std::u16string keyName = key.Key;
        if (keyName == u"LabelActive" && !m_Window.DeviceConnected()) continue;
        if (keyName == u"LabelUnactive" && m_Window.DeviceConnected()) continue;
        ui::CLabel* label = Label(key.Component);
        if (!label) continue;
        ApplyLabelStyle(m_Language.Style(i), *label, LabelDrawnUp(key, state, page));
    }
    LayOutTabs();
    ShowDerivedCaptions();
}

// The separators and tabs follow the EQ tab's right edge.
void CPanelLook::LayOutTabs() {
    ui::CLabel* eq = Label(u"PageEQLabel");
    ui::CLabel* effect = Label(u"PageEffectLabel");
    ui::CLabel* mic = Label(u"PageMicLabel");
    ui::CLabel* virt = Label(u"PageVirtual7p1Label");
    ui::CComponent* bevel2 = m_Form.Find(u"Bevel2");
    ui::CComponent* bevel3 = m_Form.Find(u"Bevel3");
    ui::CComponent* bevel4 = m_Form.Find(u"Bevel4");
    if (!eq || !effect || !mic || !virt || !bevel2 || !bevel3 || !bevel4) return;
    auto box = [](const ui::CComponent& c) { return TAB_BOX{c.Left(), c.Top(), c.Width()}; };
    PAGE_TABS tabs{box(*eq), box(*effect), box(*mic), box(*virt), box(*bevel2), box(*bevel3), box(*bevel4)};
    LayOutPageTabs(tabs);
    bevel2->SetBounds(tabs.Bevel2.Left, tabs.Bevel2.Top, bevel2->Width(), bevel2->Height());
    effect->SetLeft(tabs.PageEffect.Left);
    bevel3->SetBounds(tabs.Bevel3.Left, tabs.Bevel3.Top, bevel3->Width(), bevel3->Height());
    mic->SetLeft(tabs.PageMic.Left);
    bevel4->SetBounds(tabs.Bevel4.Left, tabs.Bevel4.Top, bevel4->Width(), bevel4->Height());
    virt->SetLeft(tabs.PageVirtual.Left);
}

// The preset name over the equalizer and the microphone gain.
void CPanelLook::ShowDerivedCaptions() {
    const int32_t preset = m_Window.Features().Equalizer().Preset();
    if (ui::CLabel* sx = Label(u"SXLabel"); sx && preset >= 1 && preset <= CEqualizer::PresetCount) {
        const std::u16string key = u"LabelEQS" + std::u16string(1, static_cast<char16_t>(u'0' + preset));
        if (const _LABEL_STYLE_INFO* style = m_Language.Style(key)) sx->SetCaption(style->Text);
    }
    if (ui::CLabel* value = Label(u"MicValueLabel")) {
        const std::string digits = std::to_string(m_Window.Features().Microphone().Gain());
        value->SetCaption(std::u16string(digits.begin(), digits.end()));
    }
}

// A language that fails to load is reported and changes nothing: the language in use stays, with its name
// and its check mark, so that no later switch saves a language that was never applied.
PANEL_STATUS CPanelLook::LanguageMenuClick(ui::CMenuItem& item) {
    int32_t index = -1;
    for (int32_t i = 0; i < m_LanguageMenu.Count(); ++i)
        if (m_LanguageMenu.Item(i)->Caption() == item.Caption()) {
            index = i;
            break;
        }
    if (index < 0 || static_cast<size_t>(index) >= m_LanguageFolders.size()) return PANEL_STATUS{};
    const std::u16string name = m_LanguageFolders[static_cast<size_t>(index)];
    CLanguage language;
    PANEL_STATUS status = LoadLanguage(name, language);
    if (status.Ok())
        status =
            language.ReadOverrides(MakeProfileReader(*m_Platform.profile, SkinFolder() + u"SkinSetting.ini"));
    if (!status.Ok()) return ShowPanelError(m_Form.App(), status);
    m_Language = std::move(language);
    m_LanguageName = name;
    CheckMenuItem(m_LanguageMenu, index);
    ApplyAllLabelStyles();
    PersistChoices();
    return status;
}

void CPanelLook::PersistChoices() {
    const std::u16string user = m_Places.UserConfigFile;
    if (!m_Platform.files->Exists(user)) return;
    m_Platform.profile->WriteString(u"Language", u"DefaultLanguage", m_LanguageName, user);
    m_Platform.profile->WriteString(u"Skin", u"DefaultSkin", m_SkinName, user);
}

} // namespace tonvel
