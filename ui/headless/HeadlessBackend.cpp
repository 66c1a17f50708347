#include "ui/headless/HeadlessBackend.h"

#include "base/text/Utf.h"
#include "ui/core/Application.h"
#include "ui/core/Form.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace tonvel::ui {
namespace {

constexpr uint64_t MkLButton = 0x01;
constexpr uint64_t MkRButton = 0x02;
constexpr uint64_t MkShift = 0x04;
constexpr uint64_t MkControl = 0x08;
constexpr uint64_t MkMButton = 0x10;

uint64_t ButtonBit(MouseButton button) {
    switch (button) {
    case MouseButton::Left:
        return MkLButton;
    case MouseButton::Right:
        return MkRButton;
    default:
        return MkMButton;
    }
}

} // namespace

CHeadlessBackend::CHeadlessBackend() = default;

// ---- injection

void CHeadlessBackend::PostMouse(uint32_t message, UI_POINT screen, ShiftState shift) {
    m_Cursor = screen;
    CForm* form = m_CaptureForm ? m_CaptureForm : FormAt(screen);
    if (!form) return;
    uint64_t keys = m_Buttons;
    if (shift & ShiftShift) keys |= MkShift;
    if (shift & ShiftCtrl) keys |= MkControl;
    UI_MSG msg;
    msg.form = form;
    msg.message = message;
    msg.wParam = keys;
    msg.lParam = LParamFromPoint(form->ScreenToClient(screen));
    msg.cursor = screen;
    m_Queue.Push(msg);
    Pump();
}

void CHeadlessBackend::MoveTo(UI_POINT screen, ShiftState shift) {
    if (m_MoveForm) {
        m_Cursor = screen;
        m_MoveForm->SetBounds(m_MoveOrigin.x + screen.x - m_MoveStart.x,
                              m_MoveOrigin.y + screen.y - m_MoveStart.y, m_MoveForm->Width(),
                              m_MoveForm->Height());
        return;
    }
    PostMouse(UiWmMouseMove, screen, shift);
}

void CHeadlessBackend::Press(UI_POINT screen, MouseButton button, ShiftState shift) {
    m_Buttons |= ButtonBit(button);
    const uint32_t message = button == MouseButton::Left    ? UiWmLButtonDown
                             : button == MouseButton::Right ? UiWmRButtonDown
                                                            : UiWmMButtonDown;
    PostMouse(message, screen, shift);
}

void CHeadlessBackend::Release(UI_POINT screen, MouseButton button, ShiftState shift) {
    m_Buttons &= ~ButtonBit(button);
    if (m_MoveForm) { // the system's move loop takes the release
        MoveTo(screen);
        m_MoveForm = nullptr;
        return;
    }
    const uint32_t message = button == MouseButton::Left    ? UiWmLButtonUp
                             : button == MouseButton::Right ? UiWmRButtonUp
                                                            : UiWmMButtonUp;
    PostMouse(message, screen, shift);
}

void CHeadlessBackend::DoubleClick(UI_POINT screen) {
    Press(screen);
    Release(screen);
    m_Buttons |= MkLButton;
    PostMouse(UiWmLButtonDblClk, screen, 0);
    Release(screen);
}

void CHeadlessBackend::ClickAt(const CComponent& component, UI_POINT client) {
    const UI_POINT screen = component.ClientToScreen(client);
    Press(screen);
    Release(screen);
}

bool CHeadlessBackend::ClickButton(CComponent& control) {
    if (!control.IsShowing() || !control.Enabled()) return false;
    control.Click();
    Pump();
    return true;
}

bool CHeadlessBackend::SelectItem(CComboBox& combo, int32_t index) {
    if (!combo.IsShowing() || !combo.Enabled()) return false;
    if (index < 0 || index >= static_cast<int32_t>(combo.Items().size())) return false;
    combo.Select(index);
    Pump();
    return true;
}

bool CHeadlessBackend::ClickMenuItem(CMenuItem& item) {
    for (const CMenuItem* i = &item; i; i = i->Parent())
        if (!i->Enabled() || !i->Visible()) return false;
    item.Click();
    Pump();
    return true;
}

void CHeadlessBackend::TrayDoubleClick(CTrayIcon& tray) {
    if (!TrayShown(tray)) return;
    tray.DoDblClick();
    Pump();
}

void CHeadlessBackend::Advance(uint32_t ms) {
    const uint64_t end = m_Now + ms;
    for (;;) {
        auto next = m_Timers.end();
        for (auto it = m_Timers.begin(); it != m_Timers.end(); ++it)
            if (it->second.due <= end && (next == m_Timers.end() || it->second.due < next->second.due))
                next = it;
        if (next == m_Timers.end()) break;
        MoveClockTo(next->second.due);
        CTimer* timer = next->second.timer;
        next->second.due = DueAfter(m_Now, timer->Interval());
        UI_MSG msg;
        msg.form = timer->Form();
        msg.message = UiWmTimer;
        msg.wParam = timer->Id();
        msg.cursor = m_Cursor;
        m_Queue.Push(msg);
        Pump();
    }
    MoveClockTo(end);
}

uint64_t CHeadlessBackend::DueAfter(uint64_t from, uint32_t interval) const {
    const uint64_t due = from + interval;
    if (TimerTickMs == 0) return due;
    return (due + TimerTickMs - 1) / TimerTickMs * TimerTickMs;
}

void CHeadlessBackend::MoveClockTo(uint64_t time) {
    const uint64_t step = time - m_Now;
    m_Now = time;
    if (step != 0 && OnClockAdvanced) OnClockAdvanced(static_cast<uint32_t>(step));
}

void CHeadlessBackend::Pump() {
    if (AutoProcess && m_App) ProcessMessages(*m_App);
}

CForm* CHeadlessBackend::FormAt(UI_POINT screen) const {
    for (auto it = m_Windows.rbegin(); it != m_Windows.rend(); ++it) {
        CForm* form = *it;
        if (!form->Visible() || form->Minimized()) continue;
        if (form->ContainsWindowPoint({screen.x - form->Left(), screen.y - form->Top()})) return form;
    }
    return nullptr;
}

std::vector<CForm*> CHeadlessBackend::VisibleForms() const {
    std::vector<CForm*> forms;
    for (CForm* form : m_Windows)
        if (form->Visible()) forms.push_back(form);
    return forms;
}

// ---- reading back

const std::vector<uint8_t>& CHeadlessBackend::RegionBytes(const CForm& form) const {
    static const std::vector<uint8_t> none;
    auto it = m_Regions.find(&form);
    return it == m_Regions.end() ? none : it->second;
}

int32_t CHeadlessBackend::Invalidations(const CComponent& component) const {
    auto it = m_Invalidations.find(&component);
    return it == m_Invalidations.end() ? 0 : it->second;
}

bool CHeadlessBackend::TrayShown(const CTrayIcon& tray) const {
    return std::find(m_Trays.begin(), m_Trays.end(), &tray) != m_Trays.end();
}

// ---- forms

void CHeadlessBackend::FormCreated(CForm& form) {
    m_App = &form.App();
    m_Windows.push_back(&form);
}

void CHeadlessBackend::FormDestroyed(CForm& form) {
    m_Windows.erase(std::remove(m_Windows.begin(), m_Windows.end(), &form), m_Windows.end());
    m_Regions.erase(&form);
    if (m_CaptureForm == &form) m_CaptureForm = nullptr;
    if (m_MoveForm == &form) m_MoveForm = nullptr;
    m_Queue.EraseIf([&](const UI_MSG& msg) { return msg.form == &form; });
}

void CHeadlessBackend::FormShow(CForm& form, bool show) {
    if (!show) {
        if (m_CaptureForm == &form) m_CaptureForm = nullptr;
        return;
    }
    m_Windows.erase(std::remove(m_Windows.begin(), m_Windows.end(), &form), m_Windows.end());
    m_Windows.push_back(&form);
    form.Activate(); // a shown window becomes the active one
}

void CHeadlessBackend::FormMinimize(CForm&, bool) {}

void CHeadlessBackend::FormRegionChanged(CForm& form, const std::vector<uint8_t>& bytes) {
    m_Regions[&form] = bytes;
}

void CHeadlessBackend::ComponentChanged(CComponent& component) {
    ++m_Invalidations[&component];
}

void CHeadlessBackend::ComponentRemoved(CComponent& component) {
    m_Invalidations.erase(&component);
    if (component.Kind() == ComponentKind::Timer) StopTimer(static_cast<CTimer&>(component));
    if (component.Kind() == ComponentKind::TrayIcon) TrayRemove(static_cast<CTrayIcon&>(component));
}

UI_RECT CHeadlessBackend::FrameInsets(const CForm&) {
    return DialogFrame;
}

void CHeadlessBackend::BeginMoveByCaption(CForm& form) {
    m_MoveForm = &form;
    m_MoveStart = m_Cursor;
    m_MoveOrigin = {form.Left(), form.Top()};
    if (!(m_Buttons & MkLButton)) m_MoveForm = nullptr; // nothing to drag with
}

// ---- messages

void CHeadlessBackend::ProcessMessages(CApplication& app) {
    UI_MSG msg;
    while (m_Queue.Pop(msg)) {
        if (msg.message == UiWmQuit) {
            app.Terminate();
            continue;
        }
        if (app.HookMessage(msg)) continue;
        if (msg.form) msg.form->WndProc(msg);
    }
}

void CHeadlessBackend::RunLoop(CApplication& app) {
    while (!app.Terminated() && !m_Queue.Empty())
        ProcessMessages(app);
}

void CHeadlessBackend::RunModal(CApplication& app, CForm& form) {
    // No user here: what is queued now runs; the form stays open only as long as that takes.
    while (form.Visible() && !m_Queue.Empty())
        ProcessMessages(app);
}

uint32_t CHeadlessBackend::RegisterMessage(const std::u16string& name) {
    const std::u16string key = AsciiUpper(name);
    auto it = std::find(m_Registered.begin(), m_Registered.end(), key);
    if (it == m_Registered.end()) it = m_Registered.insert(m_Registered.end(), key);
    return 0xC000 + static_cast<uint32_t>(it - m_Registered.begin());
}

void CHeadlessBackend::Broadcast(uint32_t message, uint64_t wParam, int64_t lParam) {
    m_Broadcasts.push_back({message, wParam, lParam});
    // Sent, as SendMessageTimeout to HWND_BROADCAST does: straight into each top-level window.
    const std::vector<CForm*> forms = m_Windows;
    for (CForm* form : forms) {
        UI_MSG msg;
        msg.form = form;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        msg.cursor = m_Cursor;
        form->WndProc(msg);
    }
}

// ---- timers, tray, dialogs

void CHeadlessBackend::StartTimer(CTimer& timer) {
    m_Timers[timer.Id()] = {&timer, DueAfter(m_Now, timer.Interval())};
}

void CHeadlessBackend::StopTimer(CTimer& timer) {
    m_Timers.erase(timer.Id());
}

bool CHeadlessBackend::TrayUpdate(CTrayIcon& tray) {
    if (std::find(m_TrayOwners.begin(), m_TrayOwners.end(), &tray) == m_TrayOwners.end())
        m_TrayOwners.push_back(&tray);
    if (TrayShown(tray)) return true;
    ++m_TrayAddAttempts;
    if (TrayRefusals > 0) {
        --TrayRefusals;
        return false;
    }
    m_Trays.push_back(&tray);
    return true;
}

void CHeadlessBackend::TrayRemove(CTrayIcon& tray) {
    std::erase(m_Trays, &tray);
    std::erase(m_TrayOwners, &tray);
}

void CHeadlessBackend::RestartShell() {
    m_Trays.clear();
    const std::vector<CTrayIcon*> owners = m_TrayOwners;
    for (CTrayIcon* tray : owners)
        tray->ShellRestarted();
    Pump();
}

bool CHeadlessBackend::RunFileDialog(CFileDialog& dialog, bool save) {
    return FileDialogAnswer ? FileDialogAnswer(dialog, save) : false;
}

int32_t CHeadlessBackend::MessageBox(CForm*, const std::u16string& text, const std::u16string& caption,
                                     uint32_t flags) {
    m_Boxes.push_back({text, caption, flags});
    if (MessageBoxAnswer) return MessageBoxAnswer(m_Boxes.back());
    return (flags & 0x0F) == UiMbYesNo ? UiIdYes : UiIdOk;
}

// ---- text and files

UI_SIZE CHeadlessBackend::MeasureText(const UI_FONT& font, const std::u16string& text) {
    // A fixed-pitch stand-in for the real font: half the font's pixel height per character.
    const int32_t height = font.height != 0 ? std::abs(font.height) : (font.size * Dpi + 36) / 72;
    const int32_t advance = std::max(1, (height + 1) / 2);
    return {static_cast<int32_t>(text.size()) * advance, height + height / 4};
}

int32_t CHeadlessBackend::ReadFile(const std::u16string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(Utf16ToUtf8(path), std::ios::binary);
    if (!in) return 2; // ERROR_FILE_NOT_FOUND
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return 0;
}

} // namespace tonvel::ui
