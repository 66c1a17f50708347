#pragma once
// The simulated machine: waits return at once, beeps and restart requests are recorded. Any thread may
// call it (the setup's worker waits and beeps while the user-interface thread runs).

#include "platform/api/Machine.h"

#include <mutex>
#include <utility>
#include <vector>

namespace tonvel::sim {

class CSimMachine : public IMachine {
public:
    void Sleep(uint32_t milliseconds) override;
    bool Beep(uint32_t frequency, uint32_t milliseconds) override;
    bool RestartWindows() override;

    // Windows refuses the restart.
    void SetRestartRefused(bool refused);
    // The waits in the order asked (milliseconds); the beeps (frequency, duration); the restart requests.
    std::vector<uint32_t> Sleeps() const;
    std::vector<std::pair<uint32_t, uint32_t>> Beeps() const;
    int32_t Restarts() const;

private:
    mutable std::mutex m_Mutex;
    std::vector<uint32_t> m_Sleeps;
    std::vector<std::pair<uint32_t, uint32_t>> m_Beeps;
    int32_t m_Restarts = 0;
    bool m_RestartRefused = false;
};

} // namespace tonvel::sim
