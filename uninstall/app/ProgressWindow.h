#pragma once
// TProgressWindow: the uninstaller's small window while the removal runs: a line of text over a progress
// bar, centred on the screen. The removal runs on the same thread, so each step forward lets the window
// handle its pending messages.

#include <windows.h>

#include <string>

namespace tonvel {

class TProgressWindow {
public:
    TProgressWindow() = default;
    TProgressWindow(const TProgressWindow&) = delete;
    TProgressWindow& operator=(const TProgressWindow&) = delete;
    ~TProgressWindow() { Close(); }

    void Open(HINSTANCE instance, const std::u16string& caption, const std::u16string& text);
    void SetPosition(int32_t percent);
    void Close();

private:
    HWND m_Window = nullptr;
    HWND m_Bar = nullptr;
};

} // namespace tonvel
