#include "platform/sim/SimWindowSystem.h"

#include "base/text/Utf.h"

namespace tonvel::sim {

uint32_t CSimWindowSystem::RegisterMessage(const std::u16string& name) {
    m_Log.push_back(u"RegisterWindowMessage " + name);
    if (name.empty()) return 0;
    for (size_t i = 0; i < m_Registered.size(); ++i)
        if (EqualsNoCaseAscii(m_Registered[i], name)) return static_cast<uint32_t>(0xC000 + i);
    if (m_Registered.size() >= 0x4000) return 0;
    m_Registered.push_back(name);
    return static_cast<uint32_t>(0xC000 + m_Registered.size() - 1);
}

bool CSimWindowSystem::Broadcast(uint32_t message, uint64_t wParam, int64_t lParam, uint32_t) {
    m_Broadcasts.push_back({message, wParam, lParam});
    const std::vector<Receiver> receivers = m_Receivers; // a receiver may add another
    for (const Receiver& receiver : receivers)
        receiver(message, wParam, lParam);
    return true;
}

bool CSimWindowSystem::MutexExists(const std::u16string& name) {
    m_Log.push_back(u"OpenMutex " + name);
    return m_Mutexes.count(name) != 0;
}

bool CSimWindowSystem::CreateNamedMutex(const std::u16string& name) {
    m_Log.push_back(u"CreateMutex " + name);
    m_Mutexes.insert(name);
    return true;
}

bool CSimWindowSystem::BringWindowForward(const std::u16string& className, const std::u16string& caption) {
    m_Log.push_back(u"FindWindow " + className + u"|" + caption);
    for (SIM_TOP_WINDOW& window : m_Windows) {
        if (!EqualsNoCaseAscii(window.ClassName, className) || window.Caption != caption) continue;
        if (window.Minimized) {
            window.Minimized = false;
            ++window.Restored;
            if (window.OnRestore) window.OnRestore();
        }
        ++window.BroughtForward;
        return true;
    }
    return false;
}

CSimWindowSystem::SIM_TOP_WINDOW& CSimWindowSystem::AddWindow(std::u16string className,
                                                              std::u16string caption) {
    SIM_TOP_WINDOW window;
    window.ClassName = std::move(className);
    window.Caption = std::move(caption);
    m_Windows.push_back(std::move(window));
    return m_Windows.back();
}

} // namespace tonvel::sim
