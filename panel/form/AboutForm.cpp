#include "panel/form/AboutForm.h"

namespace tonvel {

TAboutForm::TAboutForm(ui::CApplication& app) : ui::CForm(app) {
    SetName(u"AboutForm");
    SetBorder(ui::BorderStyle::Dialog);
    SetCaption(u"About");
    SetPosition(ui::FormPosition::MainFormCenter);
    ui::UI_FONT font;
    font.name = u"Tahoma";
    font.height = 11;
    SetFont(font);
    SetClientSize(479, 89);
    m_AboutLabel = Add<ui::CLabel>(u"AboutLabel");
    ui::UI_FONT labelFont = font;
    labelFont.height = 15;
    m_AboutLabel->SetFont(labelFont);
    m_AboutLabel->SetAutoSize(false);
    m_AboutLabel->SetWordWrap(true);
    m_AboutLabel->SetBounds(88, 20, 373, 61);
    m_Logo = Add<ui::CImage>(u"LOGOQ7Image");
    m_Logo->SetBounds(16, 20, 57, 49);
    m_Logo->SetStretch(true);
}

} // namespace tonvel
