#include "platform/sim/SimProcesses.h"

#include "base/text/Utf.h"
#include "platform/sim/SimSystemInfo.h"

#include <algorithm>

namespace tonvel::sim {

void CSimProcesses::AddProgram(const std::u16string& file, uint32_t durationMilliseconds) {
    m_Programs[AsciiUpper(file)] = durationMilliseconds;
}

size_t CSimProcesses::OpenHandles() const {
    return static_cast<size_t>(std::count_if(m_Processes.begin(), m_Processes.end(),
                                             [](const auto& process) { return process && process->open; }));
}

bool CSimProcesses::HasEnded(size_t start) const {
    return start < m_Processes.size() && m_Processes[start] && Remaining(*m_Processes[start]) == 0;
}

uint32_t CSimProcesses::Remaining(const SIM_PROCESS& process) const {
    const uint32_t elapsed = m_Clock.GetTickCount() - process.start;
    return elapsed >= process.duration ? 0 : process.duration - elapsed;
}

bool CSimProcesses::RunShellExecuteEx(SHELL_EXECUTE_INFO& info) {
    info.process = nullptr;
    const auto program = m_Programs.find(AsciiUpper(info.file));
    std::unique_ptr<SIM_PROCESS> process;
    if (program != m_Programs.end()) {
        process = std::make_unique<SIM_PROCESS>(SIM_PROCESS{m_Clock.GetTickCount(), program->second});
        if (info.mask & SEE_MASK_NOCLOSEPROCESS_FLAG)
            info.process = process.get();
        else
            process->open = false;
    }
    m_Starts.push_back(info);
    m_Processes.push_back(std::move(process));
    return program != m_Programs.end();
}

uint32_t CSimProcesses::WaitForProcess(PROCESS_HANDLE handle, uint32_t milliseconds) {
    for (const auto& process : m_Processes) {
        if (!process || process.get() != handle || !process->open) continue;
        const uint32_t remaining = Remaining(*process);
        if (remaining == 0) return WAIT_OBJECT_0_RESULT;
        if (milliseconds == WAIT_INFINITE || milliseconds >= remaining) {
            m_Clock.AdvanceTicks(remaining);
            return WAIT_OBJECT_0_RESULT;
        }
        m_Clock.AdvanceTicks(milliseconds);
        return WAIT_TIMEOUT_RESULT;
    }
    return WAIT_FAILED_RESULT;
}

void CSimProcesses::PumpMessages(uint32_t maxWaitMilliseconds) {
    ++m_PumpCalls;
    if (m_OnMessage) m_OnMessage();
    const uint32_t step =
        m_MessageInterval == 0 ? maxWaitMilliseconds : std::min(maxWaitMilliseconds, m_MessageInterval);
    m_Clock.AdvanceTicks(step);
}

bool CSimProcesses::CloseProcess(PROCESS_HANDLE handle) {
    for (const auto& process : m_Processes) {
        if (process && process.get() == handle && process->open) {
            process->open = false;
            return true;
        }
    }
    return false;
}

} // namespace tonvel::sim
