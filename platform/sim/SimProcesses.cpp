#include "platform/sim/SimProcesses.h"

#include "base/text/Utf.h"
#include "platform/sim/SimSystemInfo.h"

#include <algorithm>

namespace tonvel::sim {

void CSimProcesses::AddProgram(const std::u16string& file, uint32_t durationMilliseconds, uint32_t exitCode,
                               PROGRAM_START onStart) {
    m_Programs[AsciiUpper(file)] = SIM_PROGRAM{durationMilliseconds, exitCode, std::move(onStart)};
}

size_t CSimProcesses::OpenHandles() const {
    const auto open = [](const auto& process) { return process && process->open; };
    return static_cast<size_t>(std::count_if(m_Processes.begin(), m_Processes.end(), open) +
                               std::count_if(m_DirectProcesses.begin(), m_DirectProcesses.end(), open));
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
        process = std::make_unique<SIM_PROCESS>(
            SIM_PROCESS{m_Clock.GetTickCount(), program->second.duration, program->second.exitCode, true, {}});
        if (info.mask & SEE_MASK_NOCLOSEPROCESS_FLAG)
            info.process = process.get();
        else
            process->open = false;
    }
    m_Starts.push_back(info);
    m_Processes.push_back(std::move(process));
    return program != m_Programs.end();
}

CSimProcesses::SIM_PROCESS* CSimProcesses::OpenProcess(PROCESS_HANDLE handle) const {
    for (const auto* processes : {&m_Processes, &m_DirectProcesses})
        for (const auto& process : *processes)
            if (process && process.get() == handle && process->open) return process.get();
    return nullptr;
}

uint32_t CSimProcesses::WaitForProcess(PROCESS_HANDLE handle, uint32_t milliseconds) {
    const SIM_PROCESS* process = OpenProcess(handle);
    if (process == nullptr) return WAIT_FAILED_RESULT;
    const uint32_t remaining = Remaining(*process);
    if (remaining == 0) return WAIT_OBJECT_0_RESULT;
    if (milliseconds == WAIT_INFINITE || milliseconds >= remaining) {
        m_Clock.AdvanceTicks(remaining);
        return WAIT_OBJECT_0_RESULT;
    }
    m_Clock.AdvanceTicks(milliseconds);
    return WAIT_TIMEOUT_RESULT;
}

void CSimProcesses::PumpMessages(uint32_t maxWaitMilliseconds) {
    ++m_PumpCalls;
    if (m_OnMessage) m_OnMessage();
    const uint32_t step =
        m_MessageInterval == 0 ? maxWaitMilliseconds : std::min(maxWaitMilliseconds, m_MessageInterval);
    m_Clock.AdvanceTicks(step);
}

bool CSimProcesses::CloseProcess(PROCESS_HANDLE handle) {
    SIM_PROCESS* process = OpenProcess(handle);
    if (process == nullptr) return false;
    process->open = false;
    return true;
}

const CSimProcesses::SIM_PROGRAM* CSimProcesses::ProgramOf(const std::u16string& commandLine,
                                                           std::u16string& image) const {
    const std::u16string upper = AsciiUpper(commandLine);
    if (!upper.empty() && upper[0] == u'"') {
        const size_t close = upper.find(u'"', 1);
        if (close == std::u16string::npos) return nullptr;
        image = upper.substr(1, close - 1);
        const auto found = m_Programs.find(image);
        return found == m_Programs.end() ? nullptr : &found->second;
    }
    const SIM_PROGRAM* best = nullptr;
    size_t bestLength = 0;
    for (const auto& [path, program] : m_Programs) {
        const bool begins = upper.compare(0, path.size(), path) == 0;
        const bool whole = upper.size() == path.size() || (begins && upper[path.size()] == u' ');
        if (begins && whole && path.size() > bestLength) {
            best = &program;
            bestLength = path.size();
            image = path;
        }
    }
    return best;
}

PROCESS_HANDLE CSimProcesses::StartProcess(const std::u16string& commandLine, uint32_t) {
    m_CommandLines.push_back(commandLine);
    std::u16string image;
    const SIM_PROGRAM* program = ProgramOf(commandLine, image);
    if (program == nullptr) return nullptr;
    auto process = std::make_unique<SIM_PROCESS>(
        SIM_PROCESS{m_Clock.GetTickCount(), program->duration, program->exitCode, true, image});
    PROCESS_HANDLE handle = process.get();
    m_DirectProcesses.push_back(std::move(process));
    if (program->onStart) program->onStart(commandLine);
    return handle;
}

bool CSimProcesses::GetExitCode(PROCESS_HANDLE handle, uint32_t& code) {
    const SIM_PROCESS* process = OpenProcess(handle);
    if (process == nullptr) return false;
    code = Remaining(*process) == 0 ? process->exitCode : STILL_ACTIVE_CODE;
    return true;
}

void CSimProcesses::AddRunning(const std::u16string& file, uint32_t durationMilliseconds) {
    m_DirectProcesses.push_back(std::make_unique<SIM_PROCESS>(
        SIM_PROCESS{m_Clock.GetTickCount(), durationMilliseconds, 0, false, AsciiUpper(file)}));
}

void CSimProcesses::EndProcessesOf(const std::u16string& file) {
    for (auto& process : m_DirectProcesses)
        if (process->image == AsciiUpper(file) && Remaining(*process) > 0)
            process->duration = m_Clock.GetTickCount() - process->start;
}

bool CSimProcesses::Runs(const std::u16string& file) const {
    for (const auto& process : m_DirectProcesses)
        if (process->image == AsciiUpper(file) && Remaining(*process) > 0) return true;
    return false;
}

std::vector<PROCESS_HANDLE> CSimProcesses::OpenProcessesOf(const std::u16string& imagePath) {
    std::vector<PROCESS_HANDLE> processes;
    for (auto& process : m_DirectProcesses) {
        if (process->image != AsciiUpper(imagePath) || Remaining(*process) == 0) continue;
        process->open = true;
        processes.push_back(process.get());
    }
    return processes;
}

} // namespace tonvel::sim
