#pragma once
// The setup's install sequence: its numbered steps in their fixed order, run synchronously on the calling
// thread (the wizard's worker). Each step returns 0 or its own result code; the first step that fails and
// whose result counts ends the run with a message that names the step's code. Nothing is rolled back.
// Progress, messages and trace lines go to the caller, which posts them to the wizard's window.

#include "platform/api/Platform.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tonvel {

struct INSTALL_REPORTS {
    std::function<void(int32_t percent)> Progress;
    std::function<void(const std::u16string& text)> Message; // a message box of the worker
    std::function<void(const std::u16string& line)> Trace;   // the debugger output
};

struct INSTALL_STEP {
    std::u16string TraceLine; // written before the step runs
    std::function<int32_t(const Platform& platform, const INSTALL_REPORTS& reports)> Run;
    std::u16string FailureCode; // appended to the failure text; empty: the step's result is ignored
};

class CInstallSequence {
public:
    CInstallSequence(const Platform& platform, INSTALL_REPORTS reports)
        : m_Platform(platform), m_Reports(std::move(reports)) {}

    // Runs the steps in order. 0 when every step that counts succeeded, else the failed step's result; its
    // message is the failure text followed by the step's code.
    int32_t Run(const std::vector<INSTALL_STEP>& steps, const std::u16string& failureText) const;

private:
    const Platform& m_Platform;
    INSTALL_REPORTS m_Reports;
};

} // namespace tonvel
