#pragma once
// Simulated program starts: the programs the shell can open, each running for a set time on the simulated
// clock; every start is recorded as it was asked. Waiting and message pumping advance the clock.

#include "platform/api/Processes.h"

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tonvel::sim {

class CSimSystemInfo;

class CSimProcesses : public IProcesses {
public:
    explicit CSimProcesses(CSimSystemInfo& clock) : m_Clock(clock) {}

    // What a simulated program does when it starts, given its whole command line.
    using PROGRAM_START = std::function<void(const std::u16string& commandLine)>;
    // A program that can be started (by the shell or directly); its process runs for the given time and
    // ends with the exit code. Paths compare without case.
    void AddProgram(const std::u16string& file, uint32_t durationMilliseconds, uint32_t exitCode = 0,
                    PROGRAM_START onStart = {});
    // A program already running from this file (letter case ignored) for the given time (ForeverMs:
    // until EndProcessesOf), as another program started it.
    static constexpr uint32_t ForeverMs = 0xFFFFFFFF;
    void AddRunning(const std::u16string& file, uint32_t durationMilliseconds = ForeverMs);
    // Every process of this program file ends now.
    void EndProcessesOf(const std::u16string& file);
    // Whether a process of this program file still runs.
    bool Runs(const std::u16string& file) const;
    // Every StartProcess command line, also those that started nothing.
    const std::vector<std::u16string>& CommandLines() const { return m_CommandLines; }

    // Every ShellExecuteEx call as it was asked (also those that failed).
    const std::vector<SHELL_EXECUTE_INFO>& Starts() const { return m_Starts; }
    // Processes whose handle has not been closed.
    size_t OpenHandles() const;
    // Whether the process of a start (index into Starts) has ended by now on the simulated clock.
    bool HasEnded(size_t start) const;

    // Run on each PumpMessages call, as a window message of the calling thread would be.
    void SetMessageHandler(std::function<void()> handler) { m_OnMessage = std::move(handler); }
    // How far one PumpMessages call advances the clock at most (0: the whole time asked).
    void SetMessageInterval(uint32_t milliseconds) { m_MessageInterval = milliseconds; }
    size_t PumpCalls() const { return m_PumpCalls; }

    bool RunShellExecuteEx(SHELL_EXECUTE_INFO& info) override;
    uint32_t WaitForProcess(PROCESS_HANDLE process, uint32_t milliseconds) override;
    void PumpMessages(uint32_t maxWaitMilliseconds) override;
    bool CloseProcess(PROCESS_HANDLE process) override;
    PROCESS_HANDLE StartProcess(const std::u16string& commandLine, uint32_t creationFlags) override;
    bool GetExitCode(PROCESS_HANDLE process, uint32_t& code) override;
    std::vector<PROCESS_HANDLE> OpenProcessesOf(const std::u16string& imagePath) override;

private:
    struct SIM_PROGRAM {
        uint32_t duration = 0;
        uint32_t exitCode = 0;
        PROGRAM_START onStart;
    };
    struct SIM_PROCESS {
        uint32_t start;
        uint32_t duration;
        uint32_t exitCode = 0;
        bool open = true;
        std::u16string image; // upper-cased program file (direct starts and running programs)
    };
    uint32_t Remaining(const SIM_PROCESS& process) const;
    SIM_PROCESS* OpenProcess(PROCESS_HANDLE handle) const;
    // The program a command line names: its quoted first item, or the longest known program path the
    // line begins with (followed by a space or the end).
    const SIM_PROGRAM* ProgramOf(const std::u16string& commandLine, std::u16string& image) const;

    CSimSystemInfo& m_Clock;
    std::map<std::u16string, SIM_PROGRAM> m_Programs; // upper-cased path
    std::vector<SHELL_EXECUTE_INFO> m_Starts;
    std::vector<std::u16string> m_CommandLines;
    std::vector<std::unique_ptr<SIM_PROCESS>> m_Processes;       // by shell start, null when none was started
    std::vector<std::unique_ptr<SIM_PROCESS>> m_DirectProcesses; // by StartProcess
    std::function<void()> m_OnMessage;
    uint32_t m_MessageInterval = 0;
    size_t m_PumpCalls = 0;
};

} // namespace tonvel::sim
