#pragma once
// The window system of real Windows: RegisterWindowMessageW, SendMessageTimeoutW to HWND_BROADCAST,
// named mutexes, FindWindowW and bringing a window forward.

#include "platform/api/WindowSystem.h"

#include <vector>

namespace tonvel::win32 {

class CWin32WindowSystem : public IWindowSystem {
public:
    CWin32WindowSystem() = default;
    CWin32WindowSystem(const CWin32WindowSystem&) = delete;
    CWin32WindowSystem& operator=(const CWin32WindowSystem&) = delete;
    ~CWin32WindowSystem() override; // the mutexes close with the process, not here

    uint32_t RegisterMessage(const std::u16string& name) override;
    bool Broadcast(uint32_t message, uint64_t wParam, int64_t lParam, uint32_t timeoutMs) override;
    bool MutexExists(const std::u16string& name) override;
    bool CreateNamedMutex(const std::u16string& name) override;
    bool BringWindowForward(const std::u16string& className, const std::u16string& caption) override;
};

} // namespace tonvel::win32
