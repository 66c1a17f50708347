#include "uninstall/app/ProgressWindow.h"

#include "platform/win32/Win32Text.h"

#include <commctrl.h>

namespace tonvel {

namespace {

constexpr wchar_t ClassName[] = L"TonvelUninstallProgress";
constexpr int Width = 420;
constexpr int Height = 130;
constexpr int Margin = 16;

void RegisterClassOnce(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (::GetClassInfoExW(instance, ClassName, &windowClass)) return;
    windowClass.lpfnWndProc = ::DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = ClassName;
    ::RegisterClassExW(&windowClass);
}

void PumpPending() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

} // namespace

void TProgressWindow::Open(HINSTANCE instance, const std::u16string& caption, const std::u16string& text) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    ::InitCommonControlsEx(&controls);
    RegisterClassOnce(instance);
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - Width) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - Height) / 2;
    m_Window = ::CreateWindowExW(0, ClassName, win32::Wide(caption), WS_POPUP | WS_CAPTION | WS_VISIBLE, left, top,
                                 Width, Height, nullptr, nullptr, instance, nullptr);
    if (m_Window == nullptr) return;
    RECT client{};
    ::GetClientRect(m_Window, &client);
    const int width = client.right - 2 * Margin;
    HWND label = ::CreateWindowExW(0, L"STATIC", win32::Wide(text), WS_CHILD | WS_VISIBLE, Margin, Margin, width,
                                   20, m_Window, nullptr, instance, nullptr);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    m_Bar = ::CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, Margin, Margin + 32, width, 20,
                              m_Window, nullptr, instance, nullptr);
    ::SendMessageW(m_Bar, PBM_SETRANGE32, 0, 100);
    ::UpdateWindow(m_Window);
    PumpPending();
}

void TProgressWindow::SetPosition(int32_t percent) {
    if (m_Bar != nullptr) ::SendMessageW(m_Bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    PumpPending();
}

void TProgressWindow::Close() {
    if (m_Window != nullptr) ::DestroyWindow(m_Window);
    m_Window = nullptr;
    m_Bar = nullptr;
}

} // namespace tonvel
