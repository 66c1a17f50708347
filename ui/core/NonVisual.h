#pragma once
// The components without a place on the form: timer, menu items and pop-up menu, tray icon, file dialogs.
// They are children of a form like the controls (create them with Add<T>), but never hit-tested or drawn.

#include "ui/core/Component.h"
#include "ui/core/Picture.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tonvel::ui {

// A periodic timer: while enabled and on a form, OnTimer runs every Interval milliseconds (as a WM_TIMER
// message of the application's queue, so the message hook sees it).
class CTimer : public CComponent {
public:
    CTimer() : CComponent(ComponentKind::Timer) {}
    ~CTimer() override;
    uint32_t Interval() const { return m_Interval; }
    void SetInterval(uint32_t ms);
    bool TimerEnabled() const { return m_TimerEnabled; }
    // True while the backend's timer runs (enabled, with an interval, on a form).
    bool Running() const { return m_Running; }
    void SetTimerEnabled(bool enabled);
    // The timer's number in its WM_TIMER messages.
    uint32_t Id() const { return m_Id; }
    NotifyEvent OnTimer;
    void Fire();

protected:
    void Adopted() override;

private:
    void Restart();
    uint32_t m_Interval = 1000;
    bool m_TimerEnabled = true;
    bool m_Running = false;
    uint32_t m_Id = 0;
};

// One item of a menu; items own their sub-items.
class CMenuItem {
public:
    using ClickEvent = std::function<void(CMenuItem& item)>;
    CMenuItem() = default;
    explicit CMenuItem(std::u16string caption) : m_Caption(std::move(caption)) {}

    const std::u16string& Caption() const { return m_Caption; }
    void SetCaption(std::u16string caption) { m_Caption = std::move(caption); }
    const std::u16string& Name() const { return m_Name; }
    void SetName(std::u16string name) { m_Name = std::move(name); }
    int32_t Tag() const { return m_Tag; }
    void SetTag(int32_t tag) { m_Tag = tag; }
    bool Checked() const { return m_Checked; }
    void SetChecked(bool v) { m_Checked = v; }
    bool Enabled() const { return m_Enabled; }
    void SetEnabled(bool v) { m_Enabled = v; }
    bool Visible() const { return m_Visible; }
    void SetVisible(bool v) { m_Visible = v; }

    // Appends a sub-item; returns it.
    CMenuItem* Add(std::u16string caption, std::u16string name = {});
    void Clear() { m_Items.clear(); }
    int32_t Count() const { return static_cast<int32_t>(m_Items.size()); }
    CMenuItem* Item(int32_t index) const;
    CMenuItem* Parent() const { return m_Parent; }
    // The first item of that name in this subtree, depth first.
    CMenuItem* Find(std::u16string_view name);

    ClickEvent OnClick;
    // What a user's click does: only on an enabled item; runs OnClick.
    void Click();

private:
    std::u16string m_Caption;
    std::u16string m_Name;
    int32_t m_Tag = 0;
    bool m_Checked = false;
    bool m_Enabled = true;
    bool m_Visible = true;
    CMenuItem* m_Parent = nullptr;
    std::vector<std::unique_ptr<CMenuItem>> m_Items;
};

// The notification-area icon with its hint, icon and pop-up menu (shown on right-button release). A double
// click restores the application and its main form.
inline constexpr uint32_t TrayRetryMs = 1000;
class CTrayIcon : public CComponent {
public:
    CTrayIcon() : CComponent(ComponentKind::TrayIcon) { SetVisible(false); }
    ~CTrayIcon() override;
    const std::u16string& Hint() const { return m_Hint; }
    void SetHint(std::u16string hint);
    const CPicture& Icon() const { return m_Icon; }
    void SetIcon(const CPicture& icon);
    // Shows or removes the icon in the notification area.
    void SetVisible(bool visible) override;
    CMenuItem& PopupMenu() { return m_Menu; }

    // Minimise to the tray: hides the main form and the application's taskbar button; shows the icon.
    void MinimizeToTray();
    // Restores the application and shows its main form in front.
    void Restore();

    NotifyEvent OnDblClickIcon; // after the restore
    // What the backend calls.
    void DoDblClick();
    // The shell started again ("TaskbarCreated"): its notification area is empty, the icon goes back.
    void ShellRestarted();
    // Whether the shell took the icon; while it refuses (at log-on), the icon is offered again every
    // TrayRetryMs until it takes it.
    bool InTray() const { return m_InTray; }

protected:
    void Adopted() override;

private:
    void ShowInTray();
    CTimer* m_Retry = nullptr;
    bool m_InTray = false;
    std::u16string m_Hint;
    CPicture m_Icon;
    CMenuItem m_Menu;
};

// Open and save dialogs. Filter as the VCL writes it: "INI (*.ini)|*.ini" (description|pattern pairs).
class CFileDialog : public CComponent {
public:
    explicit CFileDialog(ComponentKind kind) : CComponent(kind) { SetVisible(false); }
    std::u16string Filter;
    std::u16string FileName;
    std::u16string DefaultExt;
    std::u16string InitialDir;
    std::u16string Title;
    // Shows the dialog; true with FileName set when the user chose a file.
    bool Execute();
};

class COpenDialog : public CFileDialog {
public:
    COpenDialog() : CFileDialog(ComponentKind::OpenDialog) {}
};

class CSaveDialog : public CFileDialog {
public:
    CSaveDialog() : CFileDialog(ComponentKind::SaveDialog) {}
};

} // namespace tonvel::ui
