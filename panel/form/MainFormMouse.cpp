// The window-level mouse handling of the main window: the application's message hook sees every press,
// move and release, drags slider thumbs and speaker icons and makes the bars jump their thumbs. It never
// marks a message handled.

#include "panel/form/AudioMainForm.h"

#include <algorithm>
#include <cstdint>

namespace tonvel {
namespace {

bool IsOneOf(std::u16string_view name, std::initializer_list<std::u16string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::initializer_list<std::u16string_view> kEqThumbs = {
    u"EQ60HzSliderImage", u"EQ300HzSliderImage", u"EQ1200HzSliderImage", u"EQ3600HzSliderImage",
    u"EQ12000HzSliderImage"};
constexpr std::initializer_list<std::u16string_view> kEqBars = {
    u"EQ60HzBarImage", u"EQ300HzBarImage", u"EQ1200HzBarImage", u"EQ3600HzBarImage", u"EQ12000HzBarImage"};
constexpr std::initializer_list<std::u16string_view> k3DThumbs = {
    u"D3LAlphaSliderImage", u"D3LBetaSliderImage", u"D3RAlphaSliderImage", u"D3RBetaSliderImage"};
constexpr std::initializer_list<std::u16string_view> kVirtualFixed = {
    u"VirtualPicImage", u"VirtualEnableImage", u"VirtualENLabel", u"VirtualResetImage", u"VirtualResetLabel"};

} // namespace

void TAudioMainForm::HandleApplicationMessage(ui::UI_MSG& msg) {
    switch (msg.message) {
    case ui::UiWmLButtonDown:
        PressGrab(msg);
        break;
    case ui::UiWmMouseMove:
        if (m_Drag.Active && m_Drag.Grabbed) MoveGrab();
        break;
    case ui::UiWmLButtonUp:
        m_Drag.Active = false;
        m_Drag.Grabbed = nullptr;
        break;
    default:
        break;
    }
}

void TAudioMainForm::StartDrag() {
    m_Drag.Active = true;
    m_Drag.Origin = {m_Drag.Grabbed->Left(), m_Drag.Grabbed->Top()};
}

void TAudioMainForm::JumpThumb(ui::CImage& thumb, int32_t cursorY, int32_t minTop, int32_t maxTop) {
    const int32_t top = cursorY - thumb.Height() / 2;
    thumb.SetTop(std::clamp(top, minTop, std::max(minTop, maxTop)));
}

void TAudioMainForm::PressGrab(const ui::UI_MSG&) {
    m_Drag.Press = App().CursorPos();
    const int32_t page = PageShown();
    if (page < 0 || page >= PageCount) return;
    ui::CPanel& panel = *m_Parts.Panels[page];
    if (!panel.IsShowing()) return;
    const ui::UI_POINT client = panel.ScreenToClient(m_Drag.Press);
    m_Drag.Grabbed = panel.ControlAtPos(client, true, false, true);
    if (!m_Drag.Grabbed) return;
    const std::u16string_view name = m_Drag.Grabbed->Name();
    const bool device = DeviceConnected();
    auto dragOrWarn = [&] {
        if (device)
            StartDrag();
        else
            ShowNoDeviceWarning();
    };
    switch (page) {
    case PageEq:
        if (IsOneOf(name, kEqThumbs)) {
            dragOrWarn();
        } else if (IsOneOf(name, kEqBars)) {
            if (!device) {
                ShowNoDeviceWarning();
                break;
            }
            const int32_t thumbTag = m_Drag.Grabbed->Tag() - 100;
            for (std::u16string_view thumbName : kEqThumbs) {
                ui::CImage* thumb = Image(thumbName);
                if (!thumb || thumb->Tag() != thumbTag) continue;
                JumpThumb(*thumb, client.y, EqThumbMin(), EqThumbMax());
                if (m_Hooks.ApplyEqBand) m_Hooks.ApplyEqBand(*thumb, m_Device->Synchronisation() != 0);
                break;
            }
        }
        break;
    case Page3D:
        if (IsOneOf(name, k3DThumbs)) dragOrWarn();
        break;
    case PageMic:
        if (name == u"MicSliderImage") {
            dragOrWarn();
        } else if (name == u"MicBarImage") {
            if (!device) {
                ShowNoDeviceWarning();
                break;
            }
            if (ui::CImage* thumb = Image(u"MicSliderImage")) {
                JumpThumb(*thumb, client.y, MicThumbMin(), MicThumbMax());
                if (m_Hooks.SetMicGain) m_Hooks.SetMicGain(*thumb);
            }
        }
        break;
    case PageVirtual:
        if (!IsOneOf(name, kVirtualFixed)) dragOrWarn();
        break;
    default:
        break;
    }
}

void TAudioMainForm::MoveGrab() {
    const ui::UI_POINT cursor = App().CursorPos();
    const int32_t left = m_Drag.Origin.x + (cursor.x - m_Drag.Press.x);
    const int32_t top = m_Drag.Origin.y + (cursor.y - m_Drag.Press.y);
    if (m_Drag.Grabbed->Kind() != ui::ComponentKind::Image) {
        if (PageShown() != PageVirtual) return;
    }
    auto* thumb = static_cast<ui::CImage*>(m_Drag.Grabbed);
    switch (PageShown()) {
    case PageEq:
        thumb->SetTop(std::clamp(top, EqThumbMin(), std::max(EqThumbMin(), EqThumbMax())));
        if (m_Hooks.ApplyEqBand) m_Hooks.ApplyEqBand(*thumb, m_Device->Synchronisation() != 0);
        break;
    case Page3D:
        thumb->SetTop(std::clamp(top, D3ThumbMin, D3ThumbMax));
        if (m_Hooks.Apply3DChannels) m_Hooks.Apply3DChannels(*thumb);
        break;
    case PageMic:
        thumb->SetTop(std::clamp(top, MicThumbMin(), std::max(MicThumbMin(), MicThumbMax())));
        if (m_Hooks.SetMicGain) m_Hooks.SetMicGain(*thumb);
        break;
    case PageVirtual: {
        if (m_Drag.Grabbed->Kind() != ui::ComponentKind::Image) break;
        if (m_Hooks.MoveSpeaker) {
            m_Hooks.MoveSpeaker(*thumb, left, top);
            break;
        }
        // Without the speaker feature: accepted inside the circle.
        const _SKIN_METRICS& m = m_Skin.Metrics();
        const int64_t dx = left - m.SpeakerCenterX;
        const int64_t dy = top - m.SpeakerCenterY;
        const int64_t r = m.SpeakerRadius;
        if (dx * dx + dy * dy <= r * r) thumb->SetBounds(left, top, thumb->Width(), thumb->Height());
        break;
    }
    default:
        break;
    }
}

} // namespace tonvel
