#include "ui/core/Component.h"

#include "ui/core/Application.h"
#include "ui/core/Form.h"

#include <algorithm>

namespace tonvel::ui {

CComponent::CComponent(ComponentKind kind) : m_Kind(kind) {}

CComponent::~CComponent() {
    DestroyChildren();
}

void CComponent::DestroyChildren() {
    CApplication* app = Application();
    while (!m_Children.empty()) {
        if (app) app->ComponentGone(*m_Children.back());
        m_Children.pop_back();
    }
}

bool CComponent::IsControl() const {
    switch (m_Kind) {
    case ComponentKind::Timer:
    case ComponentKind::TrayIcon:
    case ComponentKind::OpenDialog:
    case ComponentKind::SaveDialog:
        return false;
    default:
        return true;
    }
}

bool CComponent::IsWindowed() const {
    switch (m_Kind) {
    case ComponentKind::Image:
    case ComponentKind::Label:
    case ComponentKind::Bevel:
        return false;
    default:
        return IsControl();
    }
}

void CComponent::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    if (left == m_Left && top == m_Top && width == m_Width && height == m_Height) return;
    m_Left = left;
    m_Top = top;
    m_Width = width;
    m_Height = height;
    Changed();
}

void CComponent::SetVisible(bool visible) {
    if (visible == m_Visible) return;
    m_Visible = visible;
    Changed();
}

void CComponent::SetEnabled(bool enabled) {
    if (enabled == m_Enabled) return;
    m_Enabled = enabled;
    Changed();
}

bool CComponent::IsShowing() const {
    for (const CComponent* c = this; c; c = c->m_Parent)
        if (!c->m_Visible) return false;
    return true;
}

CForm* CComponent::Form() const {
    const CComponent* c = this;
    while (c->m_Parent)
        c = c->m_Parent;
    return c->m_FormSelf;
}

CApplication* CComponent::Application() const {
    CForm* form = Form();
    return form ? &form->App() : nullptr;
}

void CComponent::Adopt(std::unique_ptr<CComponent> child) {
    child->m_Parent = this;
    CComponent* raw = child.get();
    m_Children.push_back(std::move(child));
    raw->Adopted();
    raw->Changed();
}

void CComponent::Remove(CComponent* child) {
    auto it =
        std::find_if(m_Children.begin(), m_Children.end(), [&](const auto& c) { return c.get() == child; });
    if (it == m_Children.end()) return;
    if (CApplication* app = Application()) app->ComponentGone(*child);
    std::unique_ptr<CComponent> owned = std::move(*it);
    m_Children.erase(it);
    owned.reset();
    Changed();
}

void CComponent::BringToFront() {
    if (!m_Parent) return;
    auto& siblings = m_Parent->m_Children;
    auto it = std::find_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == this; });
    std::rotate(it, it + 1, siblings.end());
    Changed();
}

void CComponent::SendToBack() {
    if (!m_Parent) return;
    auto& siblings = m_Parent->m_Children;
    auto it = std::find_if(siblings.begin(), siblings.end(), [&](const auto& c) { return c.get() == this; });
    std::rotate(siblings.begin(), it, it + 1);
    Changed();
}

int32_t CComponent::ZIndex() const {
    if (!m_Parent) return 0;
    const auto& siblings = m_Parent->m_Children;
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return static_cast<int32_t>(i);
    return -1;
}

CComponent* CComponent::Find(std::u16string_view name) {
    if (m_Name == name) return this;
    for (auto& child : m_Children)
        if (CComponent* found = child->Find(name)) return found;
    return nullptr;
}

UI_POINT CComponent::ClientOrigin() const {
    if (m_Kind == ComponentKind::Form) {
        const UI_RECT frame = static_cast<const CForm*>(this)->FrameInsets();
        return {m_Left + frame.left, m_Top + frame.top};
    }
    if (!m_Parent) return {m_Left, m_Top};
    const UI_POINT origin = m_Parent->ClientOrigin();
    return {origin.x + m_Left, origin.y + m_Top};
}

UI_POINT CComponent::ClientToScreen(UI_POINT p) const {
    const UI_POINT origin = ClientOrigin();
    return {p.x + origin.x, p.y + origin.y};
}

UI_POINT CComponent::ScreenToClient(UI_POINT p) const {
    const UI_POINT origin = ClientOrigin();
    return {p.x - origin.x, p.y - origin.y};
}

UI_POINT CComponent::ClientToClient(UI_POINT p, const CComponent& to) const {
    return to.ScreenToClient(ClientToScreen(p));
}

CComponent* CComponent::ControlAtPos(UI_POINT client, bool allowDisabled, bool allowWindowed,
                                     bool allLevels) const {
    auto hits = [&](const CComponent& c) {
        return c.IsControl() && c.m_Visible && (c.m_Enabled || allowDisabled) &&
               c.BoundsRect().Contains(client);
    };
    if (allowWindowed) {
        for (auto it = m_Children.rbegin(); it != m_Children.rend(); ++it) {
            const CComponent& child = **it;
            if (!child.IsWindowed() || !hits(child)) continue;
            if (allLevels) {
                const UI_POINT inner{client.x - child.m_Left, client.y - child.m_Top};
                if (CComponent* deeper = child.ControlAtPos(inner, allowDisabled, true, true)) return deeper;
            }
            return const_cast<CComponent*>(&child);
        }
    }
    for (auto it = m_Children.rbegin(); it != m_Children.rend(); ++it) {
        const CComponent& child = **it;
        if (!child.IsWindowed() && hits(child)) return const_cast<CComponent*>(&child);
    }
    return nullptr;
}

CComponent* CComponent::MouseTarget(UI_POINT client) {
    CComponent* found = ControlAtPos(client, false, true, true);
    return found ? found : this;
}

void CComponent::DoMouseDown(MouseButton button, ShiftState shift, UI_POINT client) {
    if (OnMouseDown) OnMouseDown(*this, button, shift, client);
}

void CComponent::DoMouseMove(ShiftState shift, UI_POINT client) {
    if (OnMouseMove) OnMouseMove(*this, shift, client);
}

void CComponent::DoMouseUp(MouseButton button, ShiftState shift, UI_POINT client) {
    if (OnMouseUp) OnMouseUp(*this, button, shift, client);
}

void CComponent::Click() {
    if (!m_Enabled) return;
    if (OnClick) OnClick(*this);
}

void CComponent::Changed() {
    if (CApplication* app = Application()) app->Backend().ComponentChanged(*this);
}

} // namespace tonvel::ui
