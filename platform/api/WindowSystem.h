#pragma once
// The window system calls that reach beyond one program: registered window messages, broadcasts to every
// top-level window, named mutexes, and finding another program's window to bring it forward.

#include <cstdint>
#include <string>

namespace tonvel {

class IWindowSystem {
public:
    virtual ~IWindowSystem() = default;

    // RegisterWindowMessageW: the same name (letter case ignored) gives the same number, 0xC000 to 0xFFFF;
    // 0 on failure.
    virtual uint32_t RegisterMessage(const std::u16string& name) = 0;
    // SendMessageTimeoutW(HWND_BROADCAST, message, wParam, lParam, SMTO_NORMAL, timeout): every
    // top-level window gets the message. Returns false when the broadcast failed.
    virtual bool Broadcast(uint32_t message, uint64_t wParam, int64_t lParam, uint32_t timeoutMs) = 0;

    // OpenMutexW(SYNCHRONIZE, FALSE, name): true when a mutex of that name exists (the handle is closed
    // again at once).
    virtual bool MutexExists(const std::u16string& name) = 0;
    // CreateMutexW(nullptr, FALSE, name): the mutex stays open until the process ends. False on failure.
    virtual bool CreateNamedMutex(const std::u16string& name) = 0;

    // FindWindowW(className, caption); when found: restore it if it is minimised (ShowWindow SW_RESTORE),
    // then BringWindowToTop and SetForegroundWindow. False when no such window exists.
    virtual bool BringWindowForward(const std::u16string& className, const std::u16string& caption) = 0;
};

} // namespace tonvel
