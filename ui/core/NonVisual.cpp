#include "ui/core/NonVisual.h"

#include "ui/core/Application.h"
#include "ui/core/Form.h"

namespace tonvel::ui {

// ---- CTimer

CTimer::~CTimer() {
    if (m_Running)
        if (CApplication* app = Application()) app->Backend().StopTimer(*this);
}

void CTimer::SetInterval(uint32_t ms) {
    m_Interval = ms;
    Restart();
}

void CTimer::SetTimerEnabled(bool enabled) {
    m_TimerEnabled = enabled;
    Restart();
}

void CTimer::Adopted() {
    if (CApplication* app = Application()) m_Id = app->NewTimerId();
    Restart();
}

void CTimer::Restart() {
    CApplication* app = Application();
    if (!app) return;
    if (m_Running) app->Backend().StopTimer(*this);
    m_Running = false;
    // Runs even before a handler is set: the handler may come later.
    if (m_TimerEnabled && m_Interval > 0) {
        app->Backend().StartTimer(*this);
        m_Running = true;
    }
}

void CTimer::Fire() {
    if (m_TimerEnabled && OnTimer) OnTimer(*this);
}

// ---- CMenuItem

CMenuItem* CMenuItem::Add(std::u16string caption, std::u16string name) {
    auto item = std::make_unique<CMenuItem>(std::move(caption));
    item->m_Name = std::move(name);
    item->m_Parent = this;
    m_Items.push_back(std::move(item));
    return m_Items.back().get();
}

CMenuItem* CMenuItem::Item(int32_t index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return m_Items[static_cast<size_t>(index)].get();
}

CMenuItem* CMenuItem::Find(std::u16string_view name) {
    if (m_Name == name) return this;
    for (auto& item : m_Items)
        if (CMenuItem* found = item->Find(name)) return found;
    return nullptr;
}

void CMenuItem::Click() {
    if (!m_Enabled) return;
    if (OnClick) OnClick(*this);
}

// ---- CTrayIcon

CTrayIcon::~CTrayIcon() {
    if (Visible())
        if (CApplication* app = Application()) app->Backend().TrayRemove(*this);
}

void CTrayIcon::Adopted() {
    // The retry timer is the icon's own child: it runs only while the shell refuses the icon.
    m_Retry = Add<CTimer>(u"TrayRetryTimer");
    m_Retry->SetTimerEnabled(false);
    m_Retry->SetInterval(TrayRetryMs);
    m_Retry->OnTimer = [this](CComponent&) { ShowInTray(); };
}

void CTrayIcon::ShowInTray() {
    CApplication* app = Application();
    if (!app || !Visible()) return;
    m_InTray = app->Backend().TrayUpdate(*this);
    if (m_Retry && m_Retry->TimerEnabled() != !m_InTray) m_Retry->SetTimerEnabled(!m_InTray);
}

void CTrayIcon::ShellRestarted() {
    m_InTray = false;
    ShowInTray();
}

void CTrayIcon::SetHint(std::u16string hint) {
    m_Hint = std::move(hint);
    ShowInTray();
}

void CTrayIcon::SetIcon(const CPicture& icon) {
    m_Icon = icon;
    ShowInTray();
}

void CTrayIcon::SetVisible(bool visible) {
    if (visible == Visible()) return;
    CComponent::SetVisible(visible);
    CApplication* app = Application();
    if (!app) return;
    if (visible) {
        ShowInTray();
        return;
    }
    if (m_Retry) m_Retry->SetTimerEnabled(false);
    m_InTray = false;
    app->Backend().TrayRemove(*this);
}

void CTrayIcon::MinimizeToTray() {
    CApplication* app = Application();
    if (!app) return;
    SetVisible(true);
    app->Minimize();
    if (CForm* main = app->MainForm()) main->Hide();
}

void CTrayIcon::Restore() {
    CApplication* app = Application();
    if (!app) return;
    app->Restore();
    if (CForm* main = app->MainForm()) {
        main->Restore();
        main->Show();
    }
}

void CTrayIcon::DoDblClick() {
    Restore();
    if (OnDblClickIcon) OnDblClickIcon(*this);
}

// ---- dialogs

bool CFileDialog::Execute() {
    CApplication* app = Application();
    if (!app) return false;
    return app->Backend().RunFileDialog(*this, Kind() == ComponentKind::SaveDialog);
}

} // namespace tonvel::ui
