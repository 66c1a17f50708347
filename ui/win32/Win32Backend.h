#pragma once
// The Win32 backend of the UI framework: every form is a top-level window. Borderless forms are painted
// from their component tree (double-buffered; pictures through GDI+, text through GDI) and clipped to their
// region; buttons, radio buttons, drop-down lists, folder lists and progress bars are the system's child
// controls. Queued messages go through the application's hook before they are dispatched. A hidden window
// of class "TApplication" with the application's title owns timers and tray icons (other programs find the
// application by it).

#include "ui/core/Backend.h"
#include "ui/core/Controls.h"
#include "ui/core/Form.h"
#include "ui/core/NonVisual.h"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

// The Windows handle types, declared as <windows.h> declares them: this header leaves the A/W macros of
// <windows.h> out of its users (they would rename PostMessage and MessageBox below).
struct HWND__;
struct HINSTANCE__;
struct HBRUSH__;
struct HICON__;

namespace tonvel::ui {

class CWin32Backend : public IUiBackend {
public:
    CWin32Backend();
    ~CWin32Backend() override;
    CWin32Backend(const CWin32Backend&) = delete;
    CWin32Backend& operator=(const CWin32Backend&) = delete;

    // The window of a form, of a child control, and of the application (for tests and the program entries).
    static HWND__* FormWindow(const CForm& form);
    static HWND__* ControlWindow(const CComponent& control);
    HWND__* ApplicationWindow() const { return m_AppWnd; }

    // ---- IUiBackend
    void FormCreated(CForm& form) override;
    void FormDestroyed(CForm& form) override;
    void FormShow(CForm& form, bool show) override;
    void FormMinimize(CForm& form, bool minimize) override;
    void FormBoundsChanged(CForm& form) override;
    void FormStyleChanged(CForm& form) override;
    void FormRegionChanged(CForm& form, const std::vector<uint8_t>& bytes) override;
    void ComponentChanged(CComponent& component) override;
    void ComponentRemoved(CComponent& component) override;
    UI_RECT FrameInsets(const CForm& form) override;
    uintptr_t FormHandle(const CForm& form) override { return reinterpret_cast<uintptr_t>(FormWindow(form)); }
    void SetCapture(CForm& form) override;
    void ReleaseCapture() override;
    void BeginMoveByCaption(CForm& form) override;
    UI_POINT CursorPos() override;
    void PostMessage(const UI_MSG& msg) override;
    void RunLoop(CApplication& app) override;
    void ProcessMessages(CApplication& app) override;
    void RunModal(CApplication& app, CForm& form) override;
    uint32_t RegisterMessage(const std::u16string& name) override;
    void Broadcast(uint32_t message, uint64_t wParam, int64_t lParam) override;
    void Terminate(CApplication& app) override;
    void ApplicationChanged(CApplication& app) override;
    void ApplicationMinimize(CApplication& app, bool minimize) override;
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
    UI_SIZE ScreenSize() override;
    int32_t ScreenDpi() override;
    int32_t ReadFile(const std::u16string& path, std::vector<uint8_t>& bytes) override;

    // ---- what the window procedures call
    intptr_t FormMessage(CForm& form, HWND__* hwnd, uint32_t message, uintptr_t wParam, intptr_t lParam);
    intptr_t AppMessage(HWND__* hwnd, uint32_t message, uintptr_t wParam, intptr_t lParam);

private:
    static constexpr uint32_t TrayCallback = 0x8001; // WM_APP + 1
    // One queued message: the hook first, then the window procedure.
    void Dispatch(CApplication& app, void* msg); // a MSG
    // Takes and dispatches queued messages while `running` holds and the application is not terminated;
    // the end of the queue (WM_QUIT, or an error) terminates it.
    void RunUntil(CApplication& app, const std::function<bool()>& running);
    CForm* FormOfWindow(HWND__* hwnd) const;
    bool FormSysCommand(CForm& form, UI_MSG& msg);
    void FormSized(CForm& form, uintptr_t kind);
    void FormCommand(CForm& form, UI_MSG& msg, intptr_t lParam);
    void DeliverTimer(uint32_t id);
    // Child controls: created on first sight, then kept in step with their component.
    void SyncControls(CComponent& root);
    void SyncControl(CComponent& control);
    void ControlCommand(CComponent& control, uint32_t code);
    void SyncBoundsFromWindow(CForm& form);
    void UpdateFormIcon(CForm& form);
    void Paint(CForm& form, HWND__* hwnd);
    HBRUSH__* Brush(Colour colour);
    void ShowTrayMenu(CTrayIcon& tray);
    bool AddTrayIcon(CTrayIcon& tray);

    HINSTANCE__* m_Instance = nullptr;
    uintptr_t m_GdiplusToken = 0;
    HWND__* m_AppWnd = nullptr;
    CApplication* m_App = nullptr;
    std::vector<CForm*> m_Forms;
    std::map<uint32_t, CTimer*> m_Timers;
    std::map<uint32_t, CTrayIcon*> m_Trays; // by icon id
    std::map<uint32_t, bool> m_TrayAdded;   // by icon id: the shell has taken it
    std::map<Colour, HBRUSH__*> m_Brushes;
    HICON__* m_AppIcon = nullptr;      // the application's icon at the large size
    HICON__* m_AppSmallIcon = nullptr; // and at the small size
    uint32_t m_TaskbarCreated = 0;
    bool m_Syncing = false; // bounds or state read back from a window: not written back to it
    bool m_QuitSeen = false;
    bool m_Activated = false;
    uint32_t m_BroadcastMessage = 0; // the message being broadcast (delivered to our forms directly)
    int32_t m_NextControlId = 100;
};

} // namespace tonvel::ui
