// The window-level mouse handling of the main window: the application's message hook sees every press,
// move and release. A press takes the control under the cursor on the page shown and hands it to the
// feature it belongs to, which drags it or makes its bar jump the thumb; without a device the press only
// warns. It never marks a message handled.

#include "panel/form/AudioMainForm.h"

namespace tonvel {

void TAudioMainForm::HandleApplicationMessage(ui::UI_MSG& msg) {
    switch (msg.message) {
    case ui::UiWmLButtonDown:
        PressGrab();
        break;
    case ui::UiWmMouseMove:
        if (m_Drag.Active && m_Drag.Grabbed && m_Drag.Owner) MoveGrab();
        break;
    case ui::UiWmLButtonUp:
        m_Drag.Active = false;
        m_Drag.Grabbed = nullptr;
        m_Drag.Owner = nullptr;
        break;
    default:
        break;
    }
}

void TAudioMainForm::PressGrab() {
    m_Drag.Press = App().CursorPos();
    const PANEL_PAGE page = PageShown();
    if (page == PANEL_PAGE::None) return;
    ui::CPanel& panel = *m_Parts.Panels[PageIndex(page)];
    if (!panel.IsShowing()) return;
    const ui::UI_POINT client = panel.ScreenToClient(m_Drag.Press);
    m_Drag.Grabbed = panel.ControlAtPos(client, true, false, true);
    if (!m_Drag.Grabbed) return;
    GRAB_KIND kind = GRAB_KIND::None;
    CFeature* owner = m_Features->GrabOwner(page, *m_Drag.Grabbed, kind);
    if (!owner) return;
    if (!DeviceConnected()) {
        ShowNoDeviceWarning();
        return;
    }
    if (kind == GRAB_KIND::Jump) {
        owner->Jump(*m_Drag.Grabbed, client.y);
        return;
    }
    m_Drag.Active = true;
    m_Drag.Owner = owner;
    m_Drag.Origin = {m_Drag.Grabbed->Left(), m_Drag.Grabbed->Top()};
}

// The candidate position is the grab origin moved as far as the cursor has moved since the press.
void TAudioMainForm::MoveGrab() {
    const ui::UI_POINT cursor = App().CursorPos();
    const int32_t left = m_Drag.Origin.x + (cursor.x - m_Drag.Press.x);
    const int32_t top = m_Drag.Origin.y + (cursor.y - m_Drag.Press.y);
    if (m_Drag.Owner->Page() != PageShown()) return;
    m_Drag.Owner->Drag(*m_Drag.Grabbed, left, top);
}

} // namespace tonvel
