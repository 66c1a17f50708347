#include "platform/sim/SimMachine.h"

namespace tonvel::sim {

void CSimMachine::Sleep(uint32_t milliseconds) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Sleeps.push_back(milliseconds);
}

bool CSimMachine::Beep(uint32_t frequency, uint32_t milliseconds) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Beeps.emplace_back(frequency, milliseconds);
    return true;
}

bool CSimMachine::RestartWindows() {
    std::lock_guard<std::mutex> lock(m_Mutex);
    ++m_Restarts;
    return !m_RestartRefused;
}

void CSimMachine::SetRestartRefused(bool refused) {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_RestartRefused = refused;
}

std::vector<uint32_t> CSimMachine::Sleeps() const {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Sleeps;
}

std::vector<std::pair<uint32_t, uint32_t>> CSimMachine::Beeps() const {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Beeps;
}

int32_t CSimMachine::Restarts() const {
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Restarts;
}

} // namespace tonvel::sim
