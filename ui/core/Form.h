#pragma once
// A top-level window. Borderless forms (the panel) are painted from their component tree; dialog-style
// forms (the wizard) use the system's controls for buttons, lists and bars. Left/Top/Width/Height are the
// window's screen bounds; ClientWidth/ClientHeight its client area. Mouse input is dispatched portably:
// the form finds the target control, captures it on a press (so it keeps the moves and the release even
// outside the window) and fires the controls' events; the application's message hook sees all of it first.

#include "ui/core/Component.h"
#include "ui/core/Controls.h"
#include "ui/core/Region.h"

#include <functional>
#include <optional>

namespace tonvel::ui {

class CApplication;

enum class BorderStyle { None, Dialog };
enum class FormPosition { Designed, ScreenCenter, MainFormCenter };
enum class CloseAction { None, Hide, Free, Minimize };

class CForm : public CComponent {
public:
    explicit CForm(CApplication& app);
    ~CForm() override;

    CApplication& App() const { return m_App; }

    BorderStyle Border() const { return m_Border; }
    void SetBorder(BorderStyle border);
    const std::u16string& Caption() const { return m_Caption; }
    void SetCaption(std::u16string caption);
    const CPicture& Icon() const { return m_Icon; }
    void SetIcon(const CPicture& icon);
    Colour BackColour() const { return m_Colour; }
    void SetBackColour(Colour v);
    const UI_FONT& Font() const { return m_Font; }
    void SetFont(const UI_FONT& font) { m_Font = font; }
    bool DoubleBuffered() const { return m_DoubleBuffered; }
    void SetDoubleBuffered(bool v) { m_DoubleBuffered = v; }
    FormPosition Position() const { return m_Position; }
    void SetPosition(FormPosition position) { m_Position = position; }

    // The frame around the client area (left, top, right, bottom thickness); none for borderless forms.
    UI_RECT FrameInsets() const;
    int32_t ClientWidth() const;
    int32_t ClientHeight() const;
    void SetClientSize(int32_t width, int32_t height);
    void SetClientWidth(int32_t width) { SetClientSize(width, ClientHeight()); }
    void SetClientHeight(int32_t height) { SetClientSize(ClientWidth(), height); }
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    // Shows the form (placing it first by Position when shown for the first time); fires OnShow, then
    // OnActivate. Hide hides it.
    void Show();
    void Hide();
    void SetVisible(bool visible) override;
    bool Minimized() const { return m_Minimized; }
    void Minimize();
    void Restore();
    // Runs the form until it is closed; returns ModalResult.
    int32_t ShowModal();
    int32_t ModalResult = 0;
    // Asks the form to close: OnClose decides (default Hide; the main form's close ends the application).
    void Close();
    // The form became the active window: fires OnActivate.
    void Activate();

    // Window region from region-data bytes: true and clipped when they parse, otherwise the form becomes
    // rectangular again and false is returned (no error, as Windows does).
    bool SetRegionData(const std::vector<uint8_t>& bytes);
    void ClearRegion();
    const std::optional<REGION_DATA>& Region() const { return m_Region; }
    // Whether a window point lies in the form (inside the region when it has one).
    bool ContainsWindowPoint(UI_POINT p) const;

    // "Move by caption": releases the mouse capture and lets the user drag the window with the mouse
    // until the button is released (the system command 0xF012).
    void BeginMoveByCaption();

    // The window procedure of the form: every message dispatched to it. OnWindowMessage runs first and may
    // mark it handled; otherwise the framework's handling follows (mouse, timers, WM_CLOSE, the drag move).
    std::function<void(CForm& form, UI_MSG& msg, bool& handled)> OnWindowMessage;
    void WndProc(UI_MSG& msg);

    NotifyEvent OnShow;
    NotifyEvent OnActivate;
    NotifyEvent OnHide;
    std::function<void(CForm& form, CloseAction& action)> OnClose;
    NotifyEvent OnDestroy;

    // Runs OnDestroy once (the application does it for its forms at the end of Run; a form's destructor
    // does it otherwise).
    void Destroy();
    // A component of this form is going away (the framework calls it).
    void Forget(const CComponent& component) {
        if (m_Pressed == &component) m_Pressed = nullptr;
    }

protected:
    void HandleMouse(const UI_MSG& msg);

private:
    void PlaceFirstTime();

    CApplication& m_App;
    BorderStyle m_Border = BorderStyle::Dialog;
    std::u16string m_Caption;
    CPicture m_Icon;
    Colour m_Colour = ColourBtnFace;
    UI_FONT m_Font;
    bool m_DoubleBuffered = false;
    FormPosition m_Position = FormPosition::Designed;
    bool m_Placed = false;
    bool m_Minimized = false;
    bool m_Destroyed = false;
    bool m_Modal = false;
    std::optional<REGION_DATA> m_Region;
    CComponent* m_Pressed = nullptr; // the control that got the last press (for clicks)
};

} // namespace tonvel::ui
