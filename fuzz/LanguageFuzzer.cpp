// The language file reader on any Language.ini: the file read through the simulated profile strings into
// the global font and the 48 label styles, a skin's "MainLable" overrides read from the same file, and every
// style put on a label at the screen resolutions the panel knows and others, then the page tabs laid out
// from the styled bounds. Texts stay within the record (127 characters, font names 63), a failed read names
// the item it stopped at, and no arithmetic on the file's numbers overflows.
//
// Input: a resolution byte, an OS-generation byte, then the file's bytes.

#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFiles.h"
#include "platform/sim/SimProfileStrings.h"
#include "skin/LabelStyle.h"
#include "skin/Language.h"
#include "skin/ProfileReader.h"
#include "skin/TabLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace tonvel;

constexpr char16_t FuzzedPath[] = u"C:\\Program Files\\Tonvel\\Language\\English\\Language.ini";
constexpr int32_t Resolutions[] = {96, 120, 144, 72, 48, 1, 0, -96, 192, 240, 480, 2147483647};
constexpr int32_t Generations[] = {0, 1, 2, 3, 4, 6};

void CheckStyle(const _LABEL_STYLE_INFO& style) {
    TONVEL_FUZZ_CHECK(style.Text.size() <= LabelTextMax);
    TONVEL_FUZZ_CHECK(style.FontName.size() <= LabelFontNameMax);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CFuzzReader input(data, size);
    const int32_t dpi = Resolutions[input.Byte() % std::size(Resolutions)];
    const int32_t generation = Generations[input.Byte() % std::size(Generations)];
    const std::string_view file = input.Rest();

    fuzz::CMemoryFiles files;
    files.m_Files[FuzzedPath].assign(file.begin(), file.end());
    sim::CSimProfileStrings profile(files);
    const ProfileReader read = MakeProfileReader(profile, FuzzedPath);

    CLanguage language;
    PANEL_STATUS status = language.Load(read);
    TONVEL_FUZZ_CHECK(status.Ok() || status.Code == PanelInvalidInteger);
    TONVEL_FUZZ_CHECK(status.Ok() == status.Message.empty());
    if (status.Ok()) {
        status = language.ReadOverrides(read);
        TONVEL_FUZZ_CHECK(status.Ok() || status.Code == PanelInvalidInteger);
    }
    TONVEL_FUZZ_CHECK(language.GlobalFont().FontName.size() <= LabelFontNameMax);
    for (size_t i = 0; i < LabelKeyCount; ++i) {
        CheckStyle(language.Style(i));
        TONVEL_FUZZ_CHECK(language.Style(LabelKeys()[i].Key) != nullptr);
    }
    TONVEL_FUZZ_CHECK(language.WarningText().size() <= LabelTextMax);
    const WARNING_BOX box = NoDeviceWarning(language, u"Tonvel");
    TONVEL_FUZZ_CHECK(box.Flags == WarningBoxFlags && box.Text.size() <= LabelTextMax);

    // Every style on a label, up and down.
    const double scale = FontScaleFactor(dpi, generation);
    TONVEL_FUZZ_CHECK(scale > 0.0);
    std::array<LABEL_PROPERTIES, LabelKeyCount> labels;
    for (size_t i = 0; i < LabelKeyCount; ++i) {
        for (bool up : {false, true}) {
            _LABEL_STYLE_INFO style = language.Style(i);
            ApplyLabelStyle(style, language.GlobalFont(), up, scale, labels[i]);
            TONVEL_FUZZ_CHECK(labels[i].Visible == LabelTextShown(style.Text));
            TONVEL_FUZZ_CHECK(labels[i].FontName.size() <= LabelFontNameMax);
        }
    }

    // The page tabs from the styled bounds.
    auto box16 = [&](const char16_t* key) {
        const LABEL_PROPERTIES& label = labels[static_cast<size_t>(LabelKeyIndex(key))];
        return TAB_BOX{label.Left, label.Top, label.Width};
    };
    PAGE_TABS tabs;
    tabs.PageEQ = box16(u"LabelPageEQ");
    tabs.PageEffect = box16(u"LabelPageEffect");
    tabs.PageMic = box16(u"LabelPageMic");
    tabs.PageVirtual = box16(u"LabelPageVirtual7ch1");
    tabs.Bevel2 = box16(u"LabelMenu1");
    tabs.Bevel3 = box16(u"LabelMenu2");
    tabs.Bevel4 = box16(u"LabelMenu3");
    LayOutPageTabs(tabs);
    return 0;
}
