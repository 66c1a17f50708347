#pragma once
// The simulated window system: registered messages numbered from 0xC000, named mutexes that outlive the
// program object that made them (so that a second program instance in the same test finds them), a list
// of top-level windows of other programs, and broadcast receivers. Every call is logged.

#include "platform/api/WindowSystem.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace tonvel::sim {

class CSimWindowSystem : public IWindowSystem {
public:
    struct SIM_TOP_WINDOW {
        std::u16string ClassName;
        std::u16string Caption;
        bool Minimized = false;
        int32_t Restored = 0;            // times restored from minimised
        int32_t BroughtForward = 0;      // times brought to the top and the foreground
        std::function<void()> OnRestore; // what restoring does to the program behind it
    };
    struct BROADCAST_RECORD {
        uint32_t Message;
        uint64_t WParam;
        int64_t LParam;
    };
    using Receiver = std::function<void(uint32_t message, uint64_t wParam, int64_t lParam)>;

    uint32_t RegisterMessage(const std::u16string& name) override;
    bool Broadcast(uint32_t message, uint64_t wParam, int64_t lParam, uint32_t timeoutMs) override;
    bool MutexExists(const std::u16string& name) override;
    bool CreateNamedMutex(const std::u16string& name) override;
    bool BringWindowForward(const std::u16string& className, const std::u16string& caption) override;

    // Test side.
    SIM_TOP_WINDOW& AddWindow(std::u16string className, std::u16string caption);
    std::vector<SIM_TOP_WINDOW>& Windows() { return m_Windows; }
    void AddReceiver(Receiver receiver) { m_Receivers.push_back(std::move(receiver)); }
    const std::vector<BROADCAST_RECORD>& Broadcasts() const { return m_Broadcasts; }
    const std::set<std::u16string>& Mutexes() const { return m_Mutexes; }
    void ReleaseMutex(const std::u16string& name) { m_Mutexes.erase(name); }
    // One line per call: "RegisterWindowMessage WM_X", "OpenMutex T", "CreateMutex T", "FindWindow C|T".
    const std::vector<std::u16string>& Log() const { return m_Log; }

private:
    std::vector<std::u16string> m_Registered;
    std::set<std::u16string> m_Mutexes;
    std::vector<SIM_TOP_WINDOW> m_Windows;
    std::vector<Receiver> m_Receivers;
    std::vector<BROADCAST_RECORD> m_Broadcasts;
    std::vector<std::u16string> m_Log;
};

} // namespace tonvel::sim
