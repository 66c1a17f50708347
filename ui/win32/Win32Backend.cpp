// The Win32 backend: windows of forms and of the application, the message loop with the application's
// hook, timers, capture and moving, screen metrics.

#include "ui/win32/Win32Backend.h"

#include "ui/core/Application.h"
#include "ui/core/Controls.h"
#include "ui/win32/Win32Support.h"

#include <mmsystem.h>

#include <algorithm>

namespace tonvel::ui {
namespace {

using namespace win32ui;

constexpr wchar_t FormClass[] = L"TonvelForm";
constexpr wchar_t AppClass[] = L"TApplication";
// How long a broadcast waits for each other program's window.
constexpr UINT BroadcastTimeoutMs = 200;

struct FORM_DATA {
    HWND hwnd = nullptr;
    HICON icon = nullptr;      // the small icon set on the window (owned by its picture)
    HICON largeIcon = nullptr; // the large one
};

FORM_DATA* DataOf(const CForm& form) {
    return static_cast<FORM_DATA*>(form.BackendData());
}

DWORD StyleOf(const CForm& form) {
    if (form.Border() == BorderStyle::None) return WS_POPUP | WS_CLIPCHILDREN;
    return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
}
DWORD ExStyleOf(const CForm& form) {
    return form.Border() == BorderStyle::None ? 0 : WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
}

bool IsMouseMessage(UINT message) {
    return message >= WM_MOUSEFIRST && message <= WM_MBUTTONUP && message != WM_MOUSEWHEEL;
}

LRESULT CALLBACK AppProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A hidden window (the panel in the tray) keeps its pictures' files but none of their decoded images; the
// next paint decodes what it draws.
void ReleaseDecodedPictures(const CComponent& parent) {
    for (const auto& child : parent.Children()) {
        if (child->Kind() == ComponentKind::Image)
            ReleaseDecoded(static_cast<const CImage&>(*child).Picture());
        ReleaseDecodedPictures(*child);
    }
}

} // namespace

CWin32Backend::CWin32Backend() {
    m_Instance = GetModuleHandleW(nullptr);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0; // unsigned long in the 32-bit build, where uintptr_t is unsigned int
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        m_GdiplusToken = token;
        SetGdiplusRunning(true);
    }

    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.style = CS_DBLCLKS;
    form.lpfnWndProc = &FormProc;
    form.hInstance = m_Instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.lpszClassName = FormClass;
    RegisterClassExW(&form);
    WNDCLASSEXW app{};
    app.cbSize = sizeof app;
    app.lpfnWndProc = &AppProc;
    app.hInstance = m_Instance;
    app.lpszClassName = AppClass;
    RegisterClassExW(&app);
    m_AppWnd = CreateWindowExW(WS_EX_TOOLWINDOW, AppClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               m_Instance, this);
    m_TaskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
}

CWin32Backend::~CWin32Backend() {
    for (auto& [id, tray] : m_Trays) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = m_AppWnd;
        data.uID = id;
        Shell_NotifyIconW(NIM_DELETE, &data);
    }
    for (auto& [id, timer] : m_Timers)
        KillTimer(m_AppWnd, id);
    if (m_AppWnd) {
        SetWindowLongPtrW(m_AppWnd, GWLP_USERDATA, 0);
        DestroyWindow(m_AppWnd);
    }
    for (auto& [colour, brush] : m_Brushes)
        DeleteObject(brush);
    SetGdiplusRunning(false);
    if (m_GdiplusToken) Gdiplus::GdiplusShutdown(m_GdiplusToken);
}

HWND CWin32Backend::FormWindow(const CForm& form) {
    const FORM_DATA* data = DataOf(form);
    return data ? data->hwnd : nullptr;
}

CForm* CWin32Backend::FormOfWindow(HWND hwnd) const {
    for (HWND w = hwnd; w; w = GetParent(w)) {
        for (CForm* form : m_Forms)
            if (FormWindow(*form) == w) return form;
        if (!(GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD)) break;
    }
    return nullptr;
}

// ---- forms

void CWin32Backend::FormCreated(CForm& form) {
    m_App = &form.App();
    auto* data = new FORM_DATA;
    form.SetBackendData(data);
    m_Forms.push_back(&form);
    data->hwnd =
        CreateWindowExW(ExStyleOf(form), FormClass, Wide(form.Caption()), StyleOf(form), form.Left(),
                        form.Top(), form.Width(), form.Height(), nullptr, nullptr, m_Instance, nullptr);
    if (data->hwnd) SetWindowLongPtrW(data->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
}

void CWin32Backend::FormDestroyed(CForm& form) {
    FORM_DATA* data = DataOf(form);
    m_Forms.erase(std::remove(m_Forms.begin(), m_Forms.end(), &form), m_Forms.end());
    if (!data) return;
    if (data->hwnd) {
        SetWindowLongPtrW(data->hwnd, GWLP_USERDATA, 0);
        DestroyWindow(data->hwnd);
    }
    delete data;
    form.SetBackendData(nullptr);
}

void CWin32Backend::FormShow(CForm& form, bool show) {
    HWND hwnd = FormWindow(form);
    if (!hwnd) return;
    if (!show) {
        if (GetCapture() == hwnd) ::ReleaseCapture();
        ShowWindow(hwnd, SW_HIDE);
        ReleaseDecodedPictures(form);
        return;
    }
    SyncControls(form);
    m_Activated = false;
    // A window the application minimised (going to the tray) is restored when its form is not minimised.
    const int command = form.Minimized() ? SW_SHOWMINNOACTIVE : IsIconic(hwnd) ? SW_RESTORE : SW_SHOW;
    ShowWindow(hwnd, command);
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd);
    UpdateWindow(hwnd);
    if (!m_Activated) form.Activate(); // a shown window becomes the active one
}

void CWin32Backend::FormMinimize(CForm& form, bool minimize) {
    HWND hwnd = FormWindow(form);
    if (!hwnd || m_Syncing || !IsWindowVisible(hwnd)) return;
    ShowWindow(hwnd, minimize ? SW_MINIMIZE : SW_RESTORE);
}

void CWin32Backend::FormBoundsChanged(CForm& form) {
    HWND hwnd = FormWindow(form);
    if (!hwnd || m_Syncing) return;
    SetWindowPos(hwnd, nullptr, form.Left(), form.Top(), form.Width(), form.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWin32Backend::FormStyleChanged(CForm& form) {
    HWND hwnd = FormWindow(form);
    if (!hwnd) return;
    const LONG_PTR visible = GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>(StyleOf(form)) | visible);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, static_cast<LONG_PTR>(ExStyleOf(form)));
    SetWindowTextW(hwnd, Wide(form.Caption()));
    UpdateFormIcon(form);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CWin32Backend::UpdateFormIcon(CForm& form) {
    FORM_DATA* data = DataOf(form);
    if (!data || !data->hwnd) return;
    // The caption and taskbar take the small size, Alt+Tab the large one: each its own image of the file.
    HICON smallIcon = PictureIcon(form.Icon(), SmallIconSize());
    HICON largeIcon = PictureIcon(form.Icon(), LargeIconSize());
    if (!smallIcon) smallIcon = m_AppSmallIcon;
    if (!largeIcon) largeIcon = m_AppIcon;
    if (smallIcon == data->icon && largeIcon == data->largeIcon) return;
    data->icon = smallIcon;
    data->largeIcon = largeIcon;
    SendMessageW(data->hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    SendMessageW(data->hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon));
}

void CWin32Backend::FormRegionChanged(CForm& form, const std::vector<uint8_t>& bytes) {
    HWND hwnd = FormWindow(form);
    if (!hwnd) return;
    REGION_DATA parsed;
    HRGN region = nullptr;
    // Bytes that do not parse leave the window unclipped (as ExtCreateRegion failing would).
    if (!bytes.empty() && ParseRegionData(bytes.data(), bytes.size(), parsed))
        region = ExtCreateRegion(nullptr, static_cast<DWORD>(bytes.size()),
                                 reinterpret_cast<const RGNDATA*>(bytes.data()));
    if (!SetWindowRgn(hwnd, region, TRUE) && region) DeleteObject(region);
}

void CWin32Backend::ComponentChanged(CComponent& component) {
    CForm* form = component.Form();
    if (!form) return;
    HWND hwnd = FormWindow(*form);
    if (!hwnd) return;
    if (ControlWindow(component) || component.Kind() == ComponentKind::Button ||
        component.Kind() == ComponentKind::RadioButton || component.Kind() == ComponentKind::ComboBox ||
        component.Kind() == ComponentKind::FolderList || component.Kind() == ComponentKind::ProgressBar)
        SyncControl(component);
    else if (component.IsControl())
        SyncControls(component); // a container moved or was shown: its controls follow
    InvalidateRect(hwnd, nullptr, FALSE);
}

UI_RECT CWin32Backend::FrameInsets(const CForm& form) {
    RECT rect{0, 0, 0, 0};
    AdjustWindowRectEx(&rect, StyleOf(form), FALSE, ExStyleOf(form));
    return {-rect.left, -rect.top, rect.right, rect.bottom};
}

void CWin32Backend::SyncBoundsFromWindow(CForm& form) {
    HWND hwnd = FormWindow(form);
    RECT rect;
    if (!hwnd || IsIconic(hwnd) || !GetWindowRect(hwnd, &rect)) return;
    m_Syncing = true;
    form.SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    m_Syncing = false;
}

// ---- mouse

void CWin32Backend::SetCapture(CForm& form) {
    if (HWND hwnd = FormWindow(form)) ::SetCapture(hwnd);
}

void CWin32Backend::ReleaseCapture() {
    ::ReleaseCapture();
}

void CWin32Backend::BeginMoveByCaption(CForm& form) {
    HWND hwnd = FormWindow(form);
    if (!hwnd) return;
    ::ReleaseCapture();
    POINT cursor;
    GetCursorPos(&cursor);
    // The system's move loop runs until the button is released; the window proc reads the bounds back.
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
    SyncBoundsFromWindow(form);
}

UI_POINT CWin32Backend::CursorPos() {
    POINT p{0, 0};
    GetCursorPos(&p);
    return {p.x, p.y};
}

// ---- messages

void CWin32Backend::Dispatch(CApplication& app, void* message) {
    MSG& msg = *static_cast<MSG*>(message);
    CForm* form = FormOfWindow(msg.hwnd);
    // The hook sees what is queued for the application, its forms and their painted controls; the system's
    // child controls keep their own input.
    const bool ownWindow = !msg.hwnd || msg.hwnd == m_AppWnd || (form && FormWindow(*form) == msg.hwnd);
    if (ownWindow) {
        UI_MSG ui;
        ui.form = form;
        ui.message = msg.message;
        ui.wParam = static_cast<uint64_t>(msg.wParam);
        ui.lParam = static_cast<int64_t>(msg.lParam);
        ui.cursor = {msg.pt.x, msg.pt.y};
        if (msg.hwnd == m_AppWnd && msg.message == WM_TIMER) {
            auto it = m_Timers.find(static_cast<uint32_t>(msg.wParam));
            ui.form = it == m_Timers.end() ? nullptr : it->second->Form();
        }
        if (app.HookMessage(ui)) return;
    }
    // A thread message: the hook was its only reader, except a thread timer's tick, whose procedure
    // DispatchMessage calls.
    if (!msg.hwnd && !(msg.message == WM_TIMER && msg.lParam != 0)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void CWin32Backend::RunUntil(CApplication& app, const std::function<bool()>& running) {
    MSG msg;
    while (running() && !app.Terminated()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            m_QuitSeen = true;
            app.Terminate();
            break;
        }
        Dispatch(app, &msg);
    }
}

void CWin32Backend::RunLoop(CApplication& app) {
    m_App = &app;
    RunUntil(app, [] { return true; });
}

void CWin32Backend::ProcessMessages(CApplication& app) {
    m_App = &app;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            m_QuitSeen = true;
            app.Terminate();
            break;
        }
        Dispatch(app, &msg);
    }
}

void CWin32Backend::RunModal(CApplication& app, CForm& form) {
    m_App = &app;
    // The other windows wait while the modal form is up.
    std::vector<HWND> disabled;
    for (CForm* other : m_Forms) {
        HWND hwnd = FormWindow(*other);
        if (other != &form && hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
            EnableWindow(hwnd, FALSE);
            disabled.push_back(hwnd);
        }
    }
    RunUntil(app, [&form] { return form.Visible(); });
    for (HWND hwnd : disabled)
        if (IsWindow(hwnd)) EnableWindow(hwnd, TRUE);
}

void CWin32Backend::PostMessage(const UI_MSG& msg) {
    if (msg.message == UiWmQuit) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
    }
    HWND target = msg.form ? FormWindow(*msg.form) : m_AppWnd;
    if (!target) return;
    PostMessageW(target, msg.message, static_cast<WPARAM>(msg.wParam), static_cast<LPARAM>(msg.lParam));
}

uint32_t CWin32Backend::RegisterMessage(const std::u16string& name) {
    return RegisterWindowMessageW(Wide(name));
}

void CWin32Backend::Broadcast(uint32_t message, uint64_t wParam, int64_t lParam) {
    // Every top-level window of every program; ours are served directly below so that each of our forms
    // gets it exactly once even where the system's broadcast does not reach them.
    const uint32_t previous = m_BroadcastMessage;
    m_BroadcastMessage = message;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam),
                        SMTO_ABORTIFHUNG, BroadcastTimeoutMs, &result);
    m_BroadcastMessage = previous;
    const std::vector<CForm*> forms = m_Forms;
    for (CForm* form : forms) {
        if (std::find(m_Forms.begin(), m_Forms.end(), form) == m_Forms.end()) continue;
        UI_MSG msg;
        msg.form = form;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        msg.cursor = CursorPos();
        form->WndProc(msg);
    }
}

void CWin32Backend::Terminate(CApplication&) {
    if (!m_QuitSeen) PostQuitMessage(0);
}

void CWin32Backend::ApplicationChanged(CApplication& app) {
    m_App = &app;
    SetWindowTextW(m_AppWnd, Wide(app.Title()));
    HICON icon = PictureIcon(app.Icon(), LargeIconSize());
    HICON smallIcon = PictureIcon(app.Icon(), SmallIconSize());
    if (icon != m_AppIcon || smallIcon != m_AppSmallIcon) {
        m_AppIcon = icon;
        m_AppSmallIcon = smallIcon;
        SendMessageW(m_AppWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(m_AppWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
        for (CForm* form : m_Forms)
            UpdateFormIcon(*form);
    }
}

void CWin32Backend::ApplicationMinimize(CApplication&, bool minimize) {
    m_Syncing = true;
    for (CForm* form : m_Forms) {
        HWND hwnd = FormWindow(*form);
        if (!hwnd || !IsWindowVisible(hwnd)) continue;
        if (minimize && !IsIconic(hwnd)) ShowWindow(hwnd, SW_MINIMIZE);
        if (!minimize && IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    }
    m_Syncing = false;
}

// ---- timers

void CWin32Backend::StartTimer(CTimer& timer) {
    m_Timers[timer.Id()] = &timer;
    ::SetTimer(m_AppWnd, timer.Id(), timer.Interval(), nullptr);
}

void CWin32Backend::StopTimer(CTimer& timer) {
    if (m_Timers.erase(timer.Id()) != 0) KillTimer(m_AppWnd, timer.Id());
}

void CWin32Backend::DeliverTimer(uint32_t id) {
    auto it = m_Timers.find(id);
    if (it == m_Timers.end()) return;
    CForm* form = it->second->Form();
    if (!form) return;
    UI_MSG msg;
    msg.form = form;
    msg.message = UiWmTimer;
    msg.wParam = id;
    msg.cursor = CursorPos();
    form->WndProc(msg);
}

// ---- screen

UI_SIZE CWin32Backend::ScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int32_t CWin32Backend::ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// ---- window procedures

namespace {

LRESULT CALLBACK AppProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<CWin32Backend*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->AppMessage(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<CForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
    auto* self = dynamic_cast<CWin32Backend*>(&form->App().Backend());
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->FormMessage(*form, hwnd, message, wParam, lParam);
}

} // namespace

namespace {

UI_MSG FormMsg(CForm& form, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    UI_MSG msg;
    msg.form = &form;
    msg.message = message;
    msg.wParam = static_cast<uint64_t>(wParam);
    msg.lParam = static_cast<int64_t>(lParam);
    const DWORD pos = GetMessagePos();
    msg.cursor = {static_cast<int16_t>(LOWORD(pos)), static_cast<int16_t>(HIWORD(pos))};
    return msg;
}

// The colour behind a static or button control: its panel's, else the form's.
Colour ControlBackColour(CForm& form, HWND control) {
    auto* component = reinterpret_cast<CComponent*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    if (!component || !component->Parent()) return form.BackColour();
    const ComponentKind parent = component->Parent()->Kind();
    if (parent == ComponentKind::Panel || parent == ComponentKind::Page)
        return static_cast<CPanel*>(component->Parent())->BackColour();
    return form.BackColour();
}

} // namespace

intptr_t CWin32Backend::FormMessage(CForm& form, HWND hwnd, uint32_t message, uintptr_t wParam,
                                    intptr_t lParam) {
    UI_MSG msg = FormMsg(form, message, wParam, lParam);
    if (IsMouseMessage(message)) {
        form.WndProc(msg);
        return 0;
    }
    switch (message) {
    case WM_PAINT:
        Paint(form, hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_CLOSE:
        form.WndProc(msg);
        return 0;
    case WM_SYSCOMMAND:
        if (FormSysCommand(form, msg)) return 0;
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            m_Activated = true;
            form.Activate();
        }
        break;
    case WM_WINDOWPOSCHANGED:
        if (!m_Syncing) SyncBoundsFromWindow(form);
        break;
    case WM_SIZE:
        FormSized(form, wParam);
        break;
    case WM_COMMAND:
        FormCommand(form, msg, lParam);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        const Colour colour = ControlBackColour(form, reinterpret_cast<HWND>(lParam));
        SetBkColor(reinterpret_cast<HDC>(wParam), ToColorRef(colour));
        return reinterpret_cast<LRESULT>(Brush(colour));
    }
    default:
        if (message == m_BroadcastMessage && message != 0) return 0; // served directly by Broadcast
        // Device changes, the wave-in capture's notifications (MM_WIM_OPEN to MM_WIM_DATA) and the
        // program's own messages go to the form.
        if (message == WM_DEVICECHANGE || (message >= MM_WIM_OPEN && message <= MM_WIM_DATA) ||
            message >= WM_USER) {
            form.WndProc(msg);
            return message == WM_DEVICECHANGE ? TRUE : 0;
        }
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The form's handler may take a system command; moving is the system's own loop (what the framework's
// "move by caption" starts). True when the command was served.
bool CWin32Backend::FormSysCommand(CForm& form, UI_MSG& msg) {
    bool handled = false;
    if (form.OnWindowMessage) form.OnWindowMessage(form, msg, handled);
    if (handled) return true;
    if ((msg.wParam & 0xFFF0) == SC_MINIMIZE) {
        form.Minimize();
        return true;
    }
    return false;
}

// The window was minimised or restored by the system: the form follows.
void CWin32Backend::FormSized(CForm& form, uintptr_t kind) {
    if (m_Syncing) return;
    m_Syncing = true;
    if (kind == SIZE_MINIMIZED && !form.Minimized())
        form.Minimize();
    else if (kind == SIZE_RESTORED && form.Minimized())
        form.Restore();
    m_Syncing = false;
}

// A control's notification goes to its component; any other command to the form.
void CWin32Backend::FormCommand(CForm& form, UI_MSG& msg, intptr_t lParam) {
    if (lParam) {
        auto* control =
            reinterpret_cast<CComponent*>(GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
        if (control && control->Form() == &form) {
            ControlCommand(*control, HIWORD(msg.wParam));
            return;
        }
    }
    form.WndProc(msg);
}

intptr_t CWin32Backend::AppMessage(HWND hwnd, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == WM_TIMER) {
        DeliverTimer(static_cast<uint32_t>(wParam));
        return 0;
    }
    if (message == TrayCallback) {
        auto it = m_Trays.find(static_cast<uint32_t>(wParam));
        if (it != m_Trays.end()) {
            CTrayIcon* tray = it->second;
            if (LOWORD(lParam) == WM_RBUTTONUP)
                ShowTrayMenu(*tray);
            else if (LOWORD(lParam) == WM_LBUTTONDBLCLK)
                tray->DoDblClick();
        }
        return 0;
    }
    if (message == m_TaskbarCreated && message != 0) { // the shell came back: the icons again
        m_TrayAdded.clear();
        const std::map<uint32_t, CTrayIcon*> trays = m_Trays;
        for (auto& [id, tray] : trays)
            tray->ShellRestarted();
        return 0;
    }
    if (message == WM_CLOSE) {
        if (m_App) m_App->Terminate();
        return 0;
    }
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
        // The application window is hidden: whoever brings it forward (a second instance) means the main
        // form, which comes forward in its place.
        HWND form = m_App && m_App->MainForm() ? FormWindow(*m_App->MainForm()) : nullptr;
        if (form && IsWindowVisible(form)) {
            if (IsIconic(form)) ShowWindow(form, SW_RESTORE);
            BringWindowToTop(form);
            SetForegroundWindow(form);
            return 0;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HBRUSH__* CWin32Backend::Brush(Colour colour) {
    auto it = m_Brushes.find(colour);
    if (it != m_Brushes.end()) return it->second;
    HBRUSH brush = CreateSolidBrush(ToColorRef(colour));
    m_Brushes[colour] = brush;
    return brush;
}

} // namespace tonvel::ui
