#include "setup/install/InstallSequence.h"

namespace tonvel {

int32_t CInstallSequence::Run(const std::vector<INSTALL_STEP>& steps,
                              const std::u16string& failureText) const {
    for (const INSTALL_STEP& step : steps) {
        if (m_Reports.Trace) m_Reports.Trace(step.TraceLine);
        const int32_t result = step.Run ? step.Run(m_Platform, m_Reports) : 0;
        if (result == 0 || step.FailureCode.empty()) continue;
        if (m_Reports.Message) m_Reports.Message(failureText + step.FailureCode);
        return result;
    }
    return 0;
}

} // namespace tonvel
