#include "setup/wizard/BackgroundForm.h"

#include "foundation/config/IniString.h"
#include "foundation/helpers/DebugTrace.h"
#include "platform/api/FileSystem.h"

#include <limits>

namespace tonvel {

int32_t LeadingInteger(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    int64_t magnitude = 0;
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        magnitude = std::min(limit, magnitude * 10 + (text[i] - u'0'));
    if (negative) return static_cast<int32_t>(-magnitude);
    return static_cast<int32_t>(std::min(magnitude, limit - 1));
}

TBackgroundForm::TBackgroundForm(ui::CApplication& app, const Platform& platform)
    : ui::CForm(app), m_Platform(platform) {
    Trace(platform, u"\n");
    TraceEnter(platform, u"TBackgroundForm::TBackgroundForm");
    SetName(u"BackgroundForm");
    SetBorder(ui::BorderStyle::None);
    SetPosition(ui::FormPosition::ScreenCenter);
    SetClientSize(BackgroundDesignWidth, BackgroundDesignHeight);
    m_Image = Add<ui::CImage>(u"BackgroundImage");
    m_Image->SetStretch(true);
    m_Image->SetBounds(0, 0, BackgroundDesignWidth, BackgroundDesignHeight);

    const std::u16string program = platform.files->ModuleFileName();
    m_ProgramFolder = program.substr(0, program.find_last_of(u'\\') + 1);
    m_RectWidth = LeadingInteger(ConfigValue(u"BackgroundWidth"));
    m_RectHeight = LeadingInteger(ConfigValue(u"BackgroundHeight"));
    if (m_RectWidth == 0 || m_RectHeight == 0) {
        const ui::UI_SIZE screen = app.ScreenSize();
        m_RectWidth = screen.cx;
        m_RectHeight = screen.cy;
        m_FullScreen = true;
    }
    OnShow = [this](ui::CComponent&) { FormShow(); };
    OnClose = [this](ui::CForm&, ui::CloseAction& action) {
        if (MayClose && !MayClose()) action = ui::CloseAction::None;
    };
    OnWindowMessage = [this](ui::CForm&, ui::UI_MSG& msg, bool& handled) {
        if (msg.message != WmShowWizard) return;
        handled = true;
        if (ShowWizard) ShowWizard();
    };
}

std::u16string TBackgroundForm::ConfigValue(const std::u16string& key) const {
    std::u16string value;
    ReadIniString(*m_Platform.profile, m_ProgramFolder + ConfigFileName, InstallSection, key, value);
    return value;
}

// A picture that cannot be loaded is reported in the framework's error box; the wizard is shown all the
// same on the plain background, so the product can still be installed.
void TBackgroundForm::FormShow() {
    TraceEnter(m_Platform, u"TBackgroundForm::FormShow");
    m_PictureFileName = ConfigValue(u"InstallBackgroundFileName");
    ui::CUiError error;
    if (m_Image->LoadPicture(m_ProgramFolder + m_PictureFileName, &error) != ui::UiOk) App().ShowError(error);
    App().PostMessage(this, WmShowWizard);
}

void TBackgroundForm::MoveToRectangle() {
    SetBounds(m_RectLeft, m_RectTop, m_RectWidth, m_RectHeight);
    m_Image->SetBounds(0, 0, ClientWidth(), ClientHeight());
}

} // namespace tonvel
