#include "setup/wizard/SetupLanguage.h"

#include "foundation/config/IniString.h"
#include "foundation/helpers/SplitList.h"

namespace tonvel {

namespace {

struct NUMBER_FIELD {
    int32_t _LABEL_STYLE_INFO::*Number;
    bool _LABEL_STYLE_INFO::*Has;
};

// Items 2 to 9 in order; the font name (item 4) is the one that is not a number.
constexpr NUMBER_FIELD Fields[LabelValueItems - 1] = {
    {&_LABEL_STYLE_INFO::ColorUp, &_LABEL_STYLE_INFO::HasColorUp},
    {&_LABEL_STYLE_INFO::ColorDown, &_LABEL_STYLE_INFO::HasColorDown},
    {nullptr, &_LABEL_STYLE_INFO::HasFontName},
    {&_LABEL_STYLE_INFO::FontSize, &_LABEL_STYLE_INFO::HasFontSize},
    {&_LABEL_STYLE_INFO::Left, &_LABEL_STYLE_INFO::HasLeft},
    {&_LABEL_STYLE_INFO::Top, &_LABEL_STYLE_INFO::HasTop},
    {&_LABEL_STYLE_INFO::Width, &_LABEL_STYLE_INFO::HasWidth},
    {&_LABEL_STYLE_INFO::Height, &_LABEL_STYLE_INFO::HasHeight}};

constexpr char16_t FolderMapSection[] = u"MultiLanguageFolderMap";

} // namespace

int32_t ParseSetupLabelValue(std::u16string_view value, _LABEL_STYLE_INFO& style, ui::CUiError* error) {
    std::vector<std::u16string> items;
    SplitList(value, items);
    if (items.size() > LabelValueItems) items.resize(LabelValueItems);
    style.Text = items[0].substr(0, LabelTextMax);
    for (size_t i = 1; i < items.size(); ++i) {
        if (items[i].empty()) continue;
        const NUMBER_FIELD& field = Fields[i - 1];
        if (field.Number == nullptr) {
            style.FontName = items[i].substr(0, LabelFontNameMax);
        } else if (const int32_t status = ui::StrToInt(items[i], style.*field.Number, error);
                   status != ui::UiOk) {
            return status;
        }
        style.*field.Has = true;
    }
    return ui::UiOk;
}

int32_t LoadSetupLabels(IProfileStrings& profile, const std::u16string& languageFile, SETUP_LABELS& labels,
                        ui::CUiError* error) {
    for (size_t i = 0; i < SetupLabelCount; ++i) {
        std::u16string value;
        ReadIniString(profile, languageFile, SetupLanguageSection, std::u16string(SetupLabelKeys[i]), value);
        if (const int32_t status = ParseSetupLabelValue(value, labels[i], error); status != ui::UiOk)
            return status;
    }
    return ui::UiOk;
}

std::u16string LanguageFolderNameOf(std::u16string_view folderPath) {
    while (!folderPath.empty() && folderPath.back() == u'\\')
        folderPath.remove_suffix(1);
    const size_t slash = folderPath.find_last_of(u'\\');
    return std::u16string(slash == std::u16string_view::npos ? folderPath : folderPath.substr(slash + 1));
}

std::vector<LANGUAGE_CHOICE> OfferedLanguages(IProfileStrings& profile, const std::u16string& configFile,
                                              const std::vector<std::u16string>& folderPaths) {
    std::vector<LANGUAGE_CHOICE> offered;
    for (const std::u16string& path : folderPaths) {
        LANGUAGE_CHOICE choice{LanguageFolderNameOf(path), {}};
        if (choice.Folder.empty()) continue;
        if (ReadIniString(profile, configFile, FolderMapSection, choice.Folder, choice.DisplayName) == 0)
            offered.push_back(std::move(choice));
    }
    return offered;
}

} // namespace tonvel
