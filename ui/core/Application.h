#pragma once
// The application object: title, icon, main form, message loop, the message hook, registered messages,
// broadcast, message boxes, picture loading and the framework's error box.

#include "ui/core/Backend.h"
#include "ui/core/Picture.h"
#include "ui/core/UiError.h"
#include "ui/core/UiTypes.h"

#include <functional>
#include <string>
#include <vector>

namespace tonvel {
class IFileSystem;
}

namespace tonvel::ui {

class CForm;
class CComponent;
class CTimer;

class CApplication {
public:
    // files (optional) serves picture loading and folder lists; without it the backend reads the host.
    explicit CApplication(IUiBackend& backend, IFileSystem* files = nullptr);
    ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    IUiBackend& Backend() const { return m_Backend; }
    IFileSystem* Files() const { return m_Files; }

    const std::u16string& Title() const { return m_Title; }
    void SetTitle(std::u16string title);
    const CPicture& Icon() const { return m_Icon; }
    void SetIcon(const CPicture& icon);
    // The first form created is the main form unless another is set; closing it ends the application.
    CForm* MainForm() const { return m_MainForm; }
    void SetMainForm(CForm* form) { m_MainForm = form; }
    bool ShowMainForm = true;       // Run shows the main form first
    bool MainFormOnTaskbar = false; // the main form's own taskbar button instead of the application's
    const std::vector<CForm*>& Forms() const { return m_Forms; }

    // The message loop: shows the main form (when ShowMainForm) and runs until Terminate; then every form
    // gets its OnDestroy.
    void Run();
    // Dispatches the messages that are pending now.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return m_Terminated; }
    void Minimize();
    void Restore();
    bool Minimized() const { return m_Minimized; }

    // The message hook: sees every queued message (mouse, timers, posted messages) before it is dispatched.
    // Setting handled stops the dispatch.
    std::function<void(UI_MSG& msg, bool& handled)> OnMessage;
    // Runs the hook; returns whether the message was handled there (what the backends call).
    bool HookMessage(UI_MSG& msg);

    // RegisterWindowMessageW: the same name gives the same number (0xC000 and up), letter case ignored.
    uint32_t RegisterWindowMessage(const std::u16string& name);
    void PostMessage(CForm* form, uint32_t message, uint64_t wParam = 0, int64_t lParam = 0);
    // Straight into the form's window procedure (no hook, as for SendMessage).
    void SendMessage(CForm& form, uint32_t message, uint64_t wParam = 0, int64_t lParam = 0);
    void Broadcast(uint32_t message, uint64_t wParam = 0, int64_t lParam = 0);

    int32_t MessageBox(const std::u16string& text, const std::u16string& caption, uint32_t flags);
    // The framework's error box: the message with the application title as caption and an error icon.
    void ShowError(const CUiError& error);

    // Reads a file (through the file system when there is one). FileError naming the path on failure.
    int32_t ReadFile(const std::u16string& path, std::vector<uint8_t>& bytes, CUiError* error);
    // Loads a picture by its extension: FileError when the file cannot be read, PictureError when the kind
    // is unknown or the data does not decode. The picture is left alone on failure.
    int32_t LoadPicture(const std::u16string& path, CPicture& picture, CUiError* error);
    // How many picture files LoadPicture has read so far.
    uint32_t PicturesLoaded() const { return m_PicturesLoaded; }

    UI_POINT CursorPos() const { return m_Backend.CursorPos(); }
    UI_SIZE ScreenSize() const { return m_Backend.ScreenSize(); }
    int32_t ScreenDpi() const { return m_Backend.ScreenDpi(); }

    // Mouse capture: the control that gets the mouse until the button is released.
    CComponent* Capture() const { return m_Capture; }
    void SetCapture(CComponent* control);
    void ReleaseCapture();

    // Bookkeeping of the framework.
    void AddForm(CForm& form);
    void RemoveForm(CForm& form);
    void ComponentGone(CComponent& component);
    uint32_t NewTimerId() { return ++m_LastTimerId; }

private:
    IUiBackend& m_Backend;
    IFileSystem* m_Files;
    std::u16string m_Title;
    CPicture m_Icon;
    CForm* m_MainForm = nullptr;
    std::vector<CForm*> m_Forms;
    bool m_Terminated = false;
    bool m_Minimized = false;
    CComponent* m_Capture = nullptr;
    uint32_t m_LastTimerId = 0;
    uint32_t m_PicturesLoaded = 0;
};

} // namespace tonvel::ui
