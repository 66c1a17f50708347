#pragma once
// The component tree. Every component has a name, a tag, bounds in its parent's client coordinates,
// Visible and Enabled, a parent, and children in z-order (first = bottom, last = top). A parent owns its
// children: create them with Add<T>(name). Changing a property tells the form's backend, which repaints.
//
// Hit-testing is portable: ControlAtPos finds the control at a client point the way the Windows VCL does
// (hidden controls never, disabled controls on request, windowed children on request, nested containers on
// request, topmost first).

#include "ui/core/UiTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tonvel::ui {

class CForm;
class CApplication;

enum class ComponentKind {
    Form,
    Image,
    Label,
    Panel,
    PageControl,
    Page,
    Button,
    RadioButton,
    ComboBox,
    FolderList,
    ProgressBar,
    Bevel,
    Timer,
    TrayIcon,
    OpenDialog,
    SaveDialog,
};

using NotifyEvent = std::function<void(class CComponent& sender)>;
using MouseEvent =
    std::function<void(class CComponent& sender, MouseButton button, ShiftState shift, UI_POINT client)>;
using MouseMoveEvent = std::function<void(class CComponent& sender, ShiftState shift, UI_POINT client)>;

class CComponent {
public:
    explicit CComponent(ComponentKind kind);
    virtual ~CComponent();
    CComponent(const CComponent&) = delete;
    CComponent& operator=(const CComponent&) = delete;

    ComponentKind Kind() const { return m_Kind; }
    // A control takes part in layout and hit-testing; timers, tray icons and dialogs do not.
    bool IsControl() const;
    // Windowed controls (panels, page containers, pages, buttons, lists, bars) lie above the graphic ones
    // (images, labels, bevels) of the same parent, as Windows child windows do.
    bool IsWindowed() const;

    const std::u16string& Name() const { return m_Name; }
    void SetName(std::u16string name) { m_Name = std::move(name); }
    int32_t Tag() const { return m_Tag; }
    void SetTag(int32_t tag) { m_Tag = tag; }

    int32_t Left() const { return m_Left; }
    int32_t Top() const { return m_Top; }
    int32_t Width() const { return m_Width; }
    int32_t Height() const { return m_Height; }
    void SetLeft(int32_t v) { SetBounds(v, m_Top, m_Width, m_Height); }
    void SetTop(int32_t v) { SetBounds(m_Left, v, m_Width, m_Height); }
    virtual void SetWidth(int32_t v) { SetBounds(m_Left, m_Top, v, m_Height); }
    virtual void SetHeight(int32_t v) { SetBounds(m_Left, m_Top, m_Width, v); }
    virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    // Bounds in the parent's client coordinates.
    UI_RECT BoundsRect() const { return {m_Left, m_Top, m_Left + m_Width, m_Top + m_Height}; }

    bool Visible() const { return m_Visible; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return m_Enabled; }
    void SetEnabled(bool enabled);
    // Visible itself and every ancestor visible (a page is visible only while it is the active one).
    bool IsShowing() const;

    CComponent* Parent() const { return m_Parent; }
    const std::vector<std::unique_ptr<CComponent>>& Children() const { return m_Children; }
    CForm* Form() const;               // the form at the root, or none
    CApplication* Application() const; // the form's application, or none

    // Creates a child owned by this component, on top of the z-order.
    template <class T, class... Args> T* Add(std::u16string name, Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = child.get();
        raw->SetName(std::move(name));
        Adopt(std::move(child));
        return raw;
    }
    // Destroys a child (and its subtree).
    void Remove(CComponent* child);
    // z-order among the siblings.
    void BringToFront();
    void SendToBack();
    int32_t ZIndex() const;
    // The first component with that name in this subtree (this one included), depth first.
    CComponent* Find(std::u16string_view name);

    // Coordinates: a point in this component's client area to and from the screen.
    UI_POINT ClientOrigin() const;
    UI_POINT ClientToScreen(UI_POINT p) const;
    UI_POINT ScreenToClient(UI_POINT p) const;
    // Client point of this component into the client coordinates of another one (same form).
    UI_POINT ClientToClient(UI_POINT p, const CComponent& to) const;

    // The child control at a client point, topmost first. Hidden controls never count; disabled ones only
    // with allowDisabled. With allowWindowed, windowed children are searched too (before graphic children,
    // as they lie above them) and with allLevels the search goes down into them, giving the deepest control.
    // Without allowWindowed only the graphic controls directly on this component count.
    CComponent* ControlAtPos(UI_POINT client, bool allowDisabled, bool allowWindowed = false,
                             bool allLevels = false) const;
    // The control that receives mouse input at a client point: the deepest visible and enabled control,
    // or this component itself.
    CComponent* MouseTarget(UI_POINT client);

    // Events.
    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEvent OnMouseDown;
    MouseMoveEvent OnMouseMove;
    MouseEvent OnMouseUp;

    // What the form calls when a mouse event reaches this component (fires the events above).
    virtual void DoMouseDown(MouseButton button, ShiftState shift, UI_POINT client);
    virtual void DoMouseMove(ShiftState shift, UI_POINT client);
    virtual void DoMouseUp(MouseButton button, ShiftState shift, UI_POINT client);
    // A click as the user makes it: only on an enabled control; runs OnClick.
    virtual void Click();

    // Backend data: the backend keeps what it needs for this component here (a window handle, a font).
    void* BackendData() const { return m_BackendData; }
    void SetBackendData(void* data) { m_BackendData = data; }

protected:
    // Tells the backend that something visible changed.
    void Changed();
    virtual void Adopted() {}
    // Destroys every child now (a form does it before its own members go).
    void DestroyChildren();

    // The form this component is, while it is one: set by the form's constructor and cleared when its
    // destructor ends, so no lookup ever casts a component that is not (or no longer) a form.
    CForm* m_FormSelf = nullptr;

private:
    void Adopt(std::unique_ptr<CComponent> child);

    ComponentKind m_Kind;
    std::u16string m_Name;
    int32_t m_Tag = 0;
    int32_t m_Left = 0, m_Top = 0, m_Width = 0, m_Height = 0;
    bool m_Visible = true;
    bool m_Enabled = true;
    CComponent* m_Parent = nullptr;
    std::vector<std::unique_ptr<CComponent>> m_Children;
    void* m_BackendData = nullptr;

    friend class CForm;
};

} // namespace tonvel::ui
