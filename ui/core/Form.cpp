#include "ui/core/Form.h"

#include "ui/core/Application.h"
#include "ui/core/NonVisual.h"

namespace tonvel::ui {
namespace {

// MK_* bits of a mouse message's wParam.
ShiftState ShiftFromKeys(uint64_t keys) {
    ShiftState shift = 0;
    if (keys & 0x01) shift |= ShiftLeft;
    if (keys & 0x02) shift |= ShiftRight;
    if (keys & 0x04) shift |= ShiftShift;
    if (keys & 0x08) shift |= ShiftCtrl;
    if (keys & 0x10) shift |= ShiftMiddle;
    return shift;
}

CTimer* FindTimer(CComponent& root, uint32_t id) {
    if (root.Kind() == ComponentKind::Timer && static_cast<CTimer&>(root).Id() == id)
        return static_cast<CTimer*>(&root);
    for (const auto& child : root.Children())
        if (CTimer* timer = FindTimer(*child, id)) return timer;
    return nullptr;
}

} // namespace

CForm::CForm(CApplication& app) : CComponent(ComponentKind::Form), m_App(app) {
    m_Visible = false;
    m_FormSelf = this;
    m_App.AddForm(*this);
    m_App.Backend().FormCreated(*this);
}

CForm::~CForm() {
    DestroyChildren();
    m_App.Backend().FormDestroyed(*this);
    m_App.RemoveForm(*this);
    m_FormSelf = nullptr;
}

void CForm::SetBorder(BorderStyle border) {
    m_Border = border;
    m_App.Backend().FormStyleChanged(*this);
}

void CForm::SetCaption(std::u16string caption) {
    m_Caption = std::move(caption);
    m_App.Backend().FormStyleChanged(*this);
}

void CForm::SetIcon(const CPicture& icon) {
    m_Icon = icon;
    m_App.Backend().FormStyleChanged(*this);
}

void CForm::SetBackColour(Colour v) {
    m_Colour = v;
    Changed();
}

UI_RECT CForm::FrameInsets() const {
    if (m_Border == BorderStyle::None) return {};
    return m_App.Backend().FrameInsets(*this);
}

int32_t CForm::ClientWidth() const {
    const UI_RECT frame = FrameInsets();
    return Width() - frame.left - frame.right;
}

int32_t CForm::ClientHeight() const {
    const UI_RECT frame = FrameInsets();
    return Height() - frame.top - frame.bottom;
}

void CForm::SetClientSize(int32_t width, int32_t height) {
    const UI_RECT frame = FrameInsets();
    SetBounds(Left(), Top(), width + frame.left + frame.right, height + frame.top + frame.bottom);
}

void CForm::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (left == Left() && top == Top() && width == Width() && height == Height()) return;
    CComponent::SetBounds(left, top, width, height);
    m_App.Backend().FormBoundsChanged(*this);
}

void CForm::PlaceFirstTime() {
    m_Placed = true;
    if (m_Position == FormPosition::ScreenCenter) {
        const UI_SIZE screen = m_App.ScreenSize();
        SetBounds((screen.cx - Width()) / 2, (screen.cy - Height()) / 2, Width(), Height());
    } else if (m_Position == FormPosition::MainFormCenter) {
        const CForm* main = m_App.MainForm();
        if (main && main != this)
            SetBounds(main->Left() + (main->Width() - Width()) / 2,
                      main->Top() + (main->Height() - Height()) / 2, Width(), Height());
    }
}

void CForm::Show() {
    if (!m_Placed) PlaceFirstTime();
    const bool wasVisible = Visible();
    m_Visible = true;
    if (!wasVisible && OnShow) OnShow(*this);
    if (Visible()) m_App.Backend().FormShow(*this, true);
}

void CForm::Hide() {
    if (!Visible()) return;
    m_Visible = false;
    m_App.Backend().FormShow(*this, false);
    if (OnHide) OnHide(*this);
}

void CForm::SetVisible(bool visible) {
    if (visible)
        Show();
    else
        Hide();
}

void CForm::Minimize() {
    m_Minimized = true;
    m_App.Backend().FormMinimize(*this, true);
}

void CForm::Restore() {
    if (!m_Minimized) return;
    m_Minimized = false;
    m_App.Backend().FormMinimize(*this, false);
}

int32_t CForm::ShowModal() {
    ModalResult = 0;
    m_Modal = true;
    Show();
    m_App.Backend().RunModal(m_App, *this);
    m_Modal = false;
    Hide();
    return ModalResult;
}

void CForm::Close() {
    CloseAction action = CloseAction::Hide;
    if (m_App.MainForm() == this) action = CloseAction::Free;
    if (OnClose) OnClose(*this, action);
    if (action == CloseAction::None) return;
    if (m_Modal) {
        if (ModalResult == 0) ModalResult = UiIdCancel;
        Hide();
        return;
    }
    if (action == CloseAction::Minimize) {
        Minimize();
        return;
    }
    Hide();
    if (m_App.MainForm() == this) m_App.Terminate();
}

void CForm::Activate() {
    if (OnActivate) OnActivate(*this);
}

bool CForm::SetRegionData(const std::vector<uint8_t>& bytes) {
    REGION_DATA region;
    const bool valid = ParseRegionData(bytes.data(), bytes.size(), region);
    if (valid)
        m_Region = std::move(region);
    else
        m_Region.reset();
    m_App.Backend().FormRegionChanged(*this, bytes);
    return valid;
}

void CForm::ClearRegion() {
    m_Region.reset();
    m_App.Backend().FormRegionChanged(*this, {});
}

bool CForm::ContainsWindowPoint(UI_POINT p) const {
    if (p.x < 0 || p.y < 0 || p.x >= Width() || p.y >= Height()) return false;
    return !m_Region || RegionContains(*m_Region, p);
}

void CForm::BeginMoveByCaption() {
    m_App.ReleaseCapture();
    m_Pressed = nullptr;
    m_App.Backend().BeginMoveByCaption(*this);
}

void CForm::Destroy() {
    if (m_Destroyed) return;
    m_Destroyed = true;
    if (OnDestroy) OnDestroy(*this);
}

void CForm::WndProc(UI_MSG& msg) {
    bool handled = false;
    if (OnWindowMessage) OnWindowMessage(*this, msg, handled);
    if (handled) return;
    switch (msg.message) {
    case UiWmMouseMove:
    case UiWmLButtonDown:
    case UiWmLButtonUp:
    case UiWmLButtonDblClk:
    case UiWmRButtonDown:
    case UiWmRButtonUp:
    case UiWmMButtonDown:
    case UiWmMButtonUp:
        HandleMouse(msg);
        break;
    case UiWmTimer:
        if (CTimer* timer = FindTimer(*this, static_cast<uint32_t>(msg.wParam))) timer->Fire();
        break;
    case UiWmClose:
        Close();
        break;
    case UiWmSysCommand:
        if ((msg.wParam & 0xFFF0) == UiScMove) BeginMoveByCaption();
        break;
    default:
        break;
    }
}

void CForm::HandleMouse(const UI_MSG& msg) {
    const UI_POINT point = PointFromLParam(msg.lParam);
    ShiftState shift = ShiftFromKeys(msg.wParam);
    CComponent* capture = m_App.Capture();
    CComponent* target = capture && capture->Form() == this ? capture : MouseTarget(point);
    const UI_POINT local = target == this ? point : ClientToClient(point, *target);

    MouseButton button = MouseButton::Left;
    if (msg.message == UiWmRButtonDown || msg.message == UiWmRButtonUp) button = MouseButton::Right;
    if (msg.message == UiWmMButtonDown || msg.message == UiWmMButtonUp) button = MouseButton::Middle;

    switch (msg.message) {
    case UiWmLButtonDown:
    case UiWmRButtonDown:
    case UiWmMButtonDown:
        m_Pressed = target;
        m_App.SetCapture(target);
        target->DoMouseDown(button, shift, local);
        break;
    case UiWmLButtonDblClk:
        m_Pressed = target;
        m_App.SetCapture(target);
        target->DoMouseDown(button, shift | ShiftDouble, local);
        if (target->OnDblClick && target->Enabled()) target->OnDblClick(*target);
        break;
    case UiWmMouseMove:
        target->DoMouseMove(shift, local);
        break;
    default: { // a release
        const bool wasPressed = m_Pressed == target;
        m_Pressed = nullptr;
        if (m_App.Capture() == target) m_App.ReleaseCapture();
        target->DoMouseUp(button, shift, local);
        const bool inside =
            local.x >= 0 && local.y >= 0 && local.x < target->Width() && local.y < target->Height();
        if (wasPressed && button == MouseButton::Left && (inside || target == this)) target->Click();
        break;
    }
    }
}

} // namespace tonvel::ui
