#include "panel/app/DemoScreenReport.h"

#include "base/text/Utf.h"
#include "ui/core/Application.h"
#include "ui/core/Controls.h"
#include "ui/core/Form.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace tonvel {
namespace {

// Visible on the screen: the component and every parent up to the form.
bool Showing(const ui::CComponent& component) {
    for (const ui::CComponent* c = &component; c; c = c->Parent())
        if (!c->Visible()) return false;
    return true;
}

// "left,top,width,height" of a component in the form's client area.
std::string Bounds(const ui::CComponent& component) {
    int32_t left = component.Left(), top = component.Top();
    for (const ui::CComponent* c = component.Parent(); c && c->Parent(); c = c->Parent()) {
        left += c->Left();
        top += c->Top();
    }
    return std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(component.Width()) + "," +
           std::to_string(component.Height());
}

void ReportLabels(const ui::CComponent& parent, std::string& text) {
    for (const auto& child : parent.Children()) {
        if (child->Kind() == ui::ComponentKind::Label) {
            const auto& label = static_cast<const ui::CLabel&>(*child);
            text += Utf16ToUtf8(label.Name()) + (Showing(label) ? "|1|" : "|0|") + Bounds(label) + "|" +
                    Utf16ToUtf8(label.Caption()) + "\n";
        }
        ReportLabels(*child, text);
    }
}

// The images whose bounds and pictures tell what the window shows: the level bar (its width is the live
// level), the LED button, the save and load buttons, the equalizer's thumbs and the effect buttons. Their
// lines have the labels' form with the picture's file name in place of a caption.
void ReportImages(ui::CForm& form, std::string& text) {
    for (const char16_t* name :
         {u"MicProgressImage", u"LEDImage", u"Menu1Image", u"Menu2Image", u"EQ60HzSliderImage",
          u"EQ300HzSliderImage", u"EQ1200HzSliderImage", u"EQ3600HzSliderImage", u"EQ12000HzSliderImage",
          u"EffectButtonNonImage", u"EffectButtonTheaterImage", u"EffectButtonStoneGalleryImage",
          u"EffectButtonLivingroomImage", u"EffectButtonBathroomImage"}) {
        const ui::CComponent* image = form.Find(name);
        if (!image || image->Kind() != ui::ComponentKind::Image) continue;
        const std::u16string& path = static_cast<const ui::CImage*>(image)->Picture().Path();
        const size_t slash = path.find_last_of(u"\\/");
        const std::u16string file = slash == std::u16string::npos ? path : path.substr(slash + 1);
        text += Utf16ToUtf8(image->Name()) + (Showing(*image) ? "|1|" : "|0|") + Bounds(*image) + "|" +
                Utf16ToUtf8(file) + "\n";
    }
}

} // namespace

CDemoScreenReport::CDemoScreenReport(const ui::CApplication& app, std::u16string path)
    : m_App(app), m_Path(std::move(path)) {}

std::string CDemoScreenReport::Text() const {
    const ui::CForm* form = m_App.MainForm();
    if (!form) return "shown|0\n";
    std::string text = form->Visible() ? "shown|1\n" : "shown|0\n";
    ReportLabels(*form, text);
    ReportImages(*m_App.MainForm(), text);
    return text;
}

void CDemoScreenReport::Update() {
    if (m_Path.empty()) return;
    std::string text = Text();
    if (text == m_Written) return;
    const std::u16string temporary = m_Path + u".tmp";
    FILE* file = _wfopen(reinterpret_cast<const wchar_t*>(temporary.c_str()), L"wb");
    if (!file) return;
    const bool whole = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !whole) return;
    if (MoveFileExW(reinterpret_cast<const wchar_t*>(temporary.c_str()),
                    reinterpret_cast<const wchar_t*>(m_Path.c_str()), MOVEFILE_REPLACE_EXISTING))
        m_Written = std::move(text);
}

} // namespace tonvel
