#pragma once
// What a backend does for the portable framework: windows, painting, the message queue, timers, the tray,
// dialogs, message boxes, picture decoding and text measuring. Two implementations: ui/headless (no
// windows; tests drive it) and ui/win32 (real windows). Only the framework calls these.

#include "ui/core/Picture.h"
#include "ui/core/UiError.h"
#include "ui/core/UiTypes.h"

#include <string>
#include <vector>

namespace tonvel::ui {

class CApplication;
class CComponent;
class CForm;
class CTimer;
class CTrayIcon;
class CFileDialog;
struct UI_FONT;

class IUiBackend {
public:
    virtual ~IUiBackend() = default;

    // Forms and controls.
    virtual void FormCreated(CForm& form) = 0;
    virtual void FormDestroyed(CForm& form) = 0;
    virtual void FormShow(CForm& form, bool show) = 0;
    virtual void FormMinimize(CForm& form, bool minimize) = 0;
    virtual void FormBoundsChanged(CForm& form) = 0;
    virtual void FormStyleChanged(CForm& form) = 0; // caption, icon, border
    // The region bytes as they were given (valid or not): the backend clips the window or unclips it.
    virtual void FormRegionChanged(CForm& form, const std::vector<uint8_t>& bytes) = 0;
    // Something visible on a component changed.
    virtual void ComponentChanged(CComponent& component) = 0;
    virtual void ComponentRemoved(CComponent& component) = 0;
    // The frame of a form of that style (border and caption thickness).
    virtual UI_RECT FrameInsets(const CForm& form) = 0;
    // The system's handle of the form's window, for system calls that notify a window (0: none).
    virtual uintptr_t FormHandle(const CForm&) { return 0; }

    // Mouse.
    virtual void SetCapture(CForm& form) = 0;
    virtual void ReleaseCapture() = 0;
    virtual void BeginMoveByCaption(CForm& form) = 0;
    virtual UI_POINT CursorPos() = 0;

    // Messages. Posted messages go through the application's hook before they are dispatched.
    virtual void PostMessage(const UI_MSG& msg) = 0;
    virtual void RunLoop(CApplication& app) = 0;               // until terminated
    virtual void ProcessMessages(CApplication& app) = 0;       // what is pending now
    virtual void RunModal(CApplication& app, CForm& form) = 0; // until the form is hidden
    virtual uint32_t RegisterMessage(const std::u16string& name) = 0;
    // Sends a message to every top-level window (other programs' too, where there are any).
    virtual void Broadcast(uint32_t message, uint64_t wParam, int64_t lParam) = 0;
    virtual void Terminate(CApplication& app) = 0;
    virtual void ApplicationChanged(CApplication& app) = 0; // title, icon
    virtual void ApplicationMinimize(CApplication& app, bool minimize) = 0;

    // Timers.
    virtual void StartTimer(CTimer& timer) = 0;
    virtual void StopTimer(CTimer& timer) = 0;

    // Tray, dialogs and boxes.
    // Adds the icon to the notification area or changes it there: false when the shell refused (as it does
    // while Windows is still starting at log-on).
    virtual bool TrayUpdate(CTrayIcon& tray) = 0;
    virtual void TrayRemove(CTrayIcon& tray) = 0;
    virtual bool RunFileDialog(CFileDialog& dialog, bool save) = 0;
    virtual int32_t MessageBox(CForm* owner, const std::u16string& text, const std::u16string& caption,
                               uint32_t flags) = 0;

    // Pictures and text.
    virtual int32_t DecodePicture(const std::vector<uint8_t>& bytes, PictureFormat format, PICTURE_INFO& info,
                                  std::shared_ptr<void>& native) = 0;
    virtual UI_SIZE MeasureText(const UI_FONT& font, const std::u16string& text) = 0;
    virtual UI_SIZE ScreenSize() = 0;
    virtual int32_t ScreenDpi() = 0;
    // A file's bytes straight from the host, for an application without a file system.
    virtual int32_t ReadFile(const std::u16string& path, std::vector<uint8_t>& bytes) = 0;
};

} // namespace tonvel::ui
