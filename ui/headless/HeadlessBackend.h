#pragma once
// The headless backend: no windows. Tests inject input (press, move and release at screen points, clicks
// on buttons and menu items, tray double-clicks, timer ticks, posted and registered messages) and read the
// components back. Input goes the way it goes on Windows: into the queue, through the application's message
// hook, then to the form under the cursor (or the one holding the mouse capture).
//
// Pictures are checked with stb_image (sizes, alpha, a full decode); icons by their directory header.

#include "ui/core/Backend.h"
#include "ui/core/Controls.h"
#include "ui/core/NonVisual.h"
#include "ui/headless/MessageQueue.h"

#include <deque>
#include <functional>
#include <map>
#include <vector>

namespace tonvel::ui {

struct MESSAGE_BOX_RECORD {
    std::u16string text;
    std::u16string caption;
    uint32_t flags = 0;
};

class CHeadlessBackend : public IUiBackend {
public:
    CHeadlessBackend();

    // ---- what tests do
    // Mouse at a screen point; MK_* key bits are filled from the buttons held. Each call processes the
    // pending messages afterwards (unless AutoProcess is off).
    void MoveTo(UI_POINT screen, ShiftState shift = 0);
    void Press(UI_POINT screen, MouseButton button = MouseButton::Left, ShiftState shift = 0);
    void Release(UI_POINT screen, MouseButton button = MouseButton::Left, ShiftState shift = 0);
    void DoubleClick(UI_POINT screen);
    // Press and release at a client point of a component.
    void ClickAt(const CComponent& component, UI_POINT client);
    static UI_POINT ScreenPoint(const CComponent& component, UI_POINT client) {
        return component.ClientToScreen(client);
    }
    // A click on a button or radio button as the user makes it: false when it is hidden or disabled.
    bool ClickButton(CComponent& control);
    // A user's choice in a drop-down list.
    bool SelectItem(CComboBox& combo, int32_t index);
    bool ClickMenuItem(CMenuItem& item);
    void TrayDoubleClick(CTrayIcon& tray);
    // The shell refuses the next this many icon adds, as it does while Windows is still starting at log-on.
    int32_t TrayRefusals = 0;
    // Icon adds asked for so far (refused ones too).
    int32_t TrayAddAttempts() const { return m_TrayAddAttempts; }
    // The shell starts again (Explorer restarted): the notification area is empty and every application is
    // told ("TaskbarCreated").
    void RestartShell();
    // Advances the clock: every timer due in that time fires (in time order) through the queue.
    void Advance(uint32_t ms);
    uint64_t Now() const { return m_Now; }
    // The system clock's tick: Windows delivers a timer at the first clock tick at or after its time, so a
    // 20 ms timer on a 15.6 ms clock fires about every 31 ms. 0: timers fire exactly on time.
    uint32_t TimerTickMs = 0;
    // Told of every step of the clock (the milliseconds it moved), before the timers due then fire: the
    // place to move the simulated system's tick count with it.
    std::function<void(uint32_t ms)> OnClockAdvanced;
    bool AutoProcess = true;
    size_t PendingMessages() const { return m_Queue.Size(); }

    // ---- what tests read
    const std::vector<MESSAGE_BOX_RECORD>& MessageBoxes() const { return m_Boxes; }
    void ClearMessageBoxes() { m_Boxes.clear(); }
    // The answer a message box gives (default: OK, Yes for yes/no boxes).
    std::function<int32_t(const MESSAGE_BOX_RECORD&)> MessageBoxAnswer;
    // What a file dialog does (default: cancelled).
    std::function<bool(CFileDialog& dialog, bool save)> FileDialogAnswer;
    struct BROADCAST_RECORD {
        uint32_t message;
        uint64_t wParam;
        int64_t lParam;
    };
    const std::vector<BROADCAST_RECORD>& Broadcasts() const { return m_Broadcasts; }
    // Region bytes last given to a form's window (empty: none).
    const std::vector<uint8_t>& RegionBytes(const CForm& form) const;
    int32_t Invalidations(const CComponent& component) const;
    CForm* CaptureForm() const { return m_CaptureForm; }
    CForm* MovingForm() const { return m_MoveForm; }
    bool TrayShown(const CTrayIcon& tray) const;
    bool ApplicationMinimized() const { return m_AppMinimized; }
    // Forms in window order, bottom to top, visible ones only.
    std::vector<CForm*> VisibleForms() const;

    UI_SIZE Screen{1280, 1024};
    int32_t Dpi = 96;
    UI_RECT DialogFrame{3, 22, 3, 3};

    // ---- IUiBackend
    void FormCreated(CForm& form) override;
    void FormDestroyed(CForm& form) override;
    void FormShow(CForm& form, bool show) override;
    void FormMinimize(CForm& form, bool minimize) override;
    void FormBoundsChanged(CForm&) override {}
    void FormStyleChanged(CForm&) override {}
    void FormRegionChanged(CForm& form, const std::vector<uint8_t>& bytes) override;
    void ComponentChanged(CComponent& component) override;
    void ComponentRemoved(CComponent& component) override;
    UI_RECT FrameInsets(const CForm& form) override;
    void SetCapture(CForm& form) override { m_CaptureForm = &form; }
    void ReleaseCapture() override { m_CaptureForm = nullptr; }
    void BeginMoveByCaption(CForm& form) override;
    UI_POINT CursorPos() override { return m_Cursor; }
    void PostMessage(const UI_MSG& msg) override { m_Queue.Push(msg); }
    void RunLoop(CApplication& app) override;
    void ProcessMessages(CApplication& app) override;
    void RunModal(CApplication& app, CForm& form) override;
    uint32_t RegisterMessage(const std::u16string& name) override;
    void Broadcast(uint32_t message, uint64_t wParam, int64_t lParam) override;
    void Terminate(CApplication&) override {}
    void ApplicationChanged(CApplication&) override {}
    void ApplicationMinimize(CApplication&, bool minimize) override { m_AppMinimized = minimize; }
    void StartTimer(CTimer& timer) override;
    void StopTimer(CTimer& timer) override;
    bool TrayUpdate(CTrayIcon& tray) override;
    void TrayRemove(CTrayIcon& tray) override;
    bool RunFileDialog(CFileDialog& dialog, bool save) override;
    int32_t MessageBox(CForm* owner, const std::u16string& text, const std::u16string& caption,
                       uint32_t flags) override;
    int32_t DecodePicture(const std::vector<uint8_t>& bytes, PictureFormat format, PICTURE_INFO& info,
                          std::shared_ptr<void>& native) override;
    UI_SIZE MeasureText(const UI_FONT& font, const std::u16string& text) override;
    UI_SIZE ScreenSize() override { return Screen; }
    int32_t ScreenDpi() override { return Dpi; }
    int32_t ReadFile(const std::u16string& path, std::vector<uint8_t>& bytes) override;

private:
    void PostMouse(uint32_t message, UI_POINT screen, ShiftState shift);
    CForm* FormAt(UI_POINT screen) const;
    void Pump();
    // When a timer started (or fired) at `from` fires next.
    uint64_t DueAfter(uint64_t from, uint32_t interval) const;
    void MoveClockTo(uint64_t time);

    CApplication* m_App = nullptr;
    CMessageQueue m_Queue;
    UI_POINT m_Cursor;
    uint64_t m_Buttons = 0; // MK_LBUTTON, MK_RBUTTON, MK_MBUTTON held
    CForm* m_CaptureForm = nullptr;
    CForm* m_MoveForm = nullptr;
    UI_POINT m_MoveStart, m_MoveOrigin;
    std::vector<CForm*> m_Windows; // z-order, bottom to top
    std::vector<std::u16string> m_Registered;
    struct TIMER_STATE {
        CTimer* timer;
        uint64_t due;
    };
    std::map<uint32_t, TIMER_STATE> m_Timers;
    uint64_t m_Now = 0;
    std::vector<const CTrayIcon*> m_Trays;
    std::vector<CTrayIcon*> m_TrayOwners; // every icon shown or asked for, until removed
    int32_t m_TrayAddAttempts = 0;
    std::vector<MESSAGE_BOX_RECORD> m_Boxes;
    std::vector<BROADCAST_RECORD> m_Broadcasts;
    std::map<const CForm*, std::vector<uint8_t>> m_Regions;
    std::map<const CComponent*, int32_t> m_Invalidations;
    bool m_AppMinimized = false;
};

} // namespace tonvel::ui
