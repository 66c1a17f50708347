#include "platform/win32/Win32WindowSystem.h"

#include "platform/win32/Win32Text.h"

#include <windows.h>

namespace tonvel::win32 {

CWin32WindowSystem::~CWin32WindowSystem() = default;

uint32_t CWin32WindowSystem::RegisterMessage(const std::u16string& name) {
    return ::RegisterWindowMessageW(Wide(name));
}

bool CWin32WindowSystem::Broadcast(uint32_t message, uint64_t wParam, int64_t lParam, uint32_t timeoutMs) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(HWND_BROADCAST, message, static_cast<WPARAM>(wParam),
                                 static_cast<LPARAM>(lParam), SMTO_NORMAL, timeoutMs, &result) != 0;
}

bool CWin32WindowSystem::MutexExists(const std::u16string& name) {
    HANDLE mutex = ::OpenMutexW(SYNCHRONIZE, FALSE, Wide(name));
    if (!mutex) return false;
    ::CloseHandle(mutex);
    return true;
}

bool CWin32WindowSystem::CreateNamedMutex(const std::u16string& name) {
    // Deliberately kept open: the mutex marks the running instance until the process ends.
    return ::CreateMutexW(nullptr, FALSE, Wide(name)) != nullptr;
}

bool CWin32WindowSystem::BringWindowForward(const std::u16string& className, const std::u16string& caption) {
    HWND window = ::FindWindowW(className.empty() ? nullptr : Wide(className), Wide(caption));
    if (!window) return false;
    if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
    ::BringWindowToTop(window);
    ::SetForegroundWindow(window);
    return true;
}

} // namespace tonvel::win32
