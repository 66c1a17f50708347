// The main window's own behaviour: its events and their wiring, the tray, moving and closing, the page
// tabs, the buttons (handed to the feature that owns their tag) and the About box.

#include "features/FeatureSequences.h"
#include "panel/form/AboutForm.h"
#include "panel/form/AudioMainForm.h"
#include "skin/ComponentTags.h"

namespace tonvel {
namespace {

using MouseHandler = void (TAudioMainForm::*)(ui::CComponent&);

// A component event that calls `handler` for the left button only.
std::function<void(ui::CComponent&, ui::MouseButton, ui::ShiftState, ui::UI_POINT)>
LeftButton(TAudioMainForm* form, MouseHandler handler) {
    return [form, handler](ui::CComponent& sender, ui::MouseButton button, ui::ShiftState, ui::UI_POINT) {
        if (button == ui::MouseButton::Left) (form->*handler)(sender);
    };
}

constexpr const char16_t* TabLabels[PageCount] = {u"PageEQLabel", u"Page3DLabel", u"PageEffectLabel",
                                                  u"PageMicLabel", u"PageVirtual7p1Label"};

} // namespace

void TAudioMainForm::WireLayoutEvents(ui::CComponent& c, LAYOUT_EVENTS events) {
    switch (events) {
    case LAYOUT_EVENTS::Image:
        if (!m_TagImages.count(c.Tag())) m_TagImages[c.Tag()] = static_cast<ui::CImage*>(&c);
        c.OnMouseDown = LeftButton(this, &TAudioMainForm::OnImageMouseDown);
        c.OnMouseUp = LeftButton(this, &TAudioMainForm::OnImageMouseUp);
        break;
    case LAYOUT_EVENTS::Label:
        c.OnMouseDown = LeftButton(this, &TAudioMainForm::OnLabelMouseDown);
        c.OnMouseUp = LeftButton(this, &TAudioMainForm::OnLabelMouseUp);
        break;
    case LAYOUT_EVENTS::PageTab:
        c.OnMouseDown = LeftButton(this, &TAudioMainForm::OnLabelPageMouseDown);
        break;
    case LAYOUT_EVENTS::Background:
        c.OnMouseDown = [this](ui::CComponent&, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
            FormMouseDown(b);
        };
        break;
    case LAYOUT_EVENTS::None:
        break;
    }
}

void TAudioMainForm::WireEvents() {
    size_t count = 0;
    const LAYOUT_ITEM* items = MainFormLayout(count);
    for (size_t i = 0; i < count; ++i)
        if (ui::CComponent* c = Find(items[i].Name)) WireLayoutEvents(*c, items[i].Events);
    // The virtual 7.1 clockwise button's release goes through the label handler (same place in the end).
    if (ui::CImage* cw = Image(u"VirtualClockwiseImage"))
        cw->OnMouseUp = LeftButton(this, &TAudioMainForm::OnLabelMouseUp);
    OnMouseDown = [this](ui::CComponent&, ui::MouseButton b, ui::ShiftState, ui::UI_POINT) {
        FormMouseDown(b);
    };
    Image(u"CloseImage")->OnClick = [this](ui::CComponent&) { CloseImageClick(); };
    Image(u"MinimizeImage")->OnClick = [this](ui::CComponent&) { MinimizeImageClick(); };
    m_CloseMenu->OnClick = [this](ui::CMenuItem&) { CloseMenuClick(); };
    m_Timer->OnTimer = [this](ui::CComponent&) { TimerTimer(); };
    OnActivate = [this](ui::CComponent&) { FormActivate(); };
    OnShow = [this](ui::CComponent&) { FormShow(); };
    OnHide = [this](ui::CComponent&) { FormHide(); };
    OnDestroy = [this](ui::CComponent&) { FormDestroy(); };
    OnWindowMessage = [this](ui::CForm&, ui::UI_MSG& msg, bool&) {
        // The exit message closes the window through the normal path.
        if (m_ExitMessage != 0 && msg.message == m_ExitMessage) App().SendMessage(*this, ui::UiWmClose);
        // A filled buffer of the level meter's capture.
        if (msg.message == MmWimData && m_Features) m_Features->Microphone().OnLevelData(msg.lParam);
    };
}

// The capture notifies this window; where there is no system window, its messages are posted to the form.
WAVE_NOTIFY_WINDOW TAudioMainForm::CaptureWindow() {
    WAVE_NOTIFY_WINDOW window;
    window.Window = App().Backend().FormHandle(*this);
    window.Post = [this](uint32_t message, uint64_t wParam, int64_t lParam) {
        App().PostMessage(this, message, wParam, lParam);
    };
    return window;
}

void TAudioMainForm::CloseImageClick() {
    App().Minimize();
    m_Tray->MinimizeToTray();
}

void TAudioMainForm::MinimizeImageClick() {
    App().Minimize();
}

void TAudioMainForm::CloseMenuClick() {
    Close();
}

void TAudioMainForm::FormMouseDown(ui::MouseButton button) {
    if (button == ui::MouseButton::Left) {
        App().ReleaseCapture();
        App().SendMessage(*this, ui::UiWmSysCommand, ui::UiScDragMove);
        App().ProcessMessages();
    } else if (button == ui::MouseButton::Right) {
        Close();
    }
}

void TAudioMainForm::SetTabColours() {
    _LABEL_STYLE_INFO* eq = m_Look->Language().Style(u"LabelPageEQ");
    if (!eq) return;
    for (int32_t page = 0; page < PageCount; ++page) {
        ui::CLabel* tab = Label(TabLabels[page]);
        if (!tab) continue;
        const bool shown = PageAt(page) == PageShown();
        const bool has = shown ? eq->HasColorDown || m_Look->Language().GlobalFont().ColorDown != GlobalNotSet
                               : eq->HasColorUp || m_Look->Language().GlobalFont().ColorUp != GlobalNotSet;
        if (has) tab->SetFontColour(static_cast<ui::Colour>(shown ? eq->ColorDown : eq->ColorUp));
    }
}

void TAudioMainForm::SwitchPage(PANEL_PAGE page) {
    m_Parts.Notebook->SetActivePageIndex(PageIndex(page));
    App().ProcessMessages();
    // A removal handled in the pump leaves nothing for the page's steps to start or send.
    if (!DeviceConnected()) return;
    RunPageSwitchSteps(m_Features->Steps(), page);
}

void TAudioMainForm::OnLabelPageMouseDown(ui::CComponent& tab) {
    if (!DeviceConnected()) {
        ShowNoDeviceWarning();
        return;
    }
    if (TagIn(tab.Tag(), TagPageEq, TagPageLast)) SwitchPage(PageAt(tab.Tag() - TagPageEq));
    SetTabColours();
}

void TAudioMainForm::OnImageMouseDown(ui::CComponent& image) {
    const int32_t tag = image.Tag();
    if (!DeviceConnected() && TagNeedsDevice(tag)) {
        ShowNoDeviceWarning();
        return;
    }
    if (CFeature* owner = m_Features->TagOwner(tag)) owner->ButtonDown(tag, image);
    UpdateRotationTimer(); // a rotation switch, or a profile loaded
}

void TAudioMainForm::OnImageMouseUp(ui::CComponent& image) {
    const int32_t tag = image.Tag();
    if (tag == TagAbout) {
        AboutImageMouseUp();
        return;
    }
    if (!DeviceConnected() && TagNeedsDevice(tag)) return;
    if (CFeature* owner = m_Features->TagOwner(tag)) owner->ButtonUp(tag, image);
    UpdateRotationTimer();
}

void TAudioMainForm::OnLabelMouseDown(ui::CComponent& label) {
    auto it = m_TagImages.find(label.Tag());
    if (it != m_TagImages.end()) OnImageMouseDown(*it->second);
}

void TAudioMainForm::OnLabelMouseUp(ui::CComponent& label) {
    auto it = m_TagImages.find(label.Tag());
    if (it != m_TagImages.end()) OnImageMouseUp(*it->second);
}

// The released picture and colour, then the About box (only with a device; without one, no warning).
void TAudioMainForm::AboutImageMouseUp() {
    if (ui::CImage* menu3 = Image(u"Menu3Image")) ShowSkinImage(SKIN_IMAGE::Main_Menu3ImageUp, *menu3);
    if (_LABEL_STYLE_INFO* style = m_Look->Language().Style(u"LabelMenu3"))
        if (ui::CLabel* label = Label(u"Menu3Label"))
            if (style->HasColorUp) label->SetFontColour(static_cast<ui::Colour>(style->ColorUp));
    if (DeviceConnected()) OpenAboutBox();
}

void TAudioMainForm::OpenAboutBox() {
    if (!m_About) return;
    const _LABEL_STYLE_INFO* menu3 = m_Look->Language().Style(u"LabelMenu3");
    m_About->SetCaption(menu3 && LabelTextShown(menu3->Text) ? menu3->Text : std::u16string());
    if (_LABEL_STYLE_INFO* about = m_Look->Language().Style(u"LabelAbout"))
        m_Look->ApplyLabelStyle(*about, m_About->Text(), true);
    ShowSkinImage(SKIN_IMAGE::About_LogoImage, m_About->Logo());
    m_About->ShowModal();
    m_ActivationPending = true;
    Activate();
}

} // namespace tonvel
