#pragma once
// The setup's install sequence, run synchronously on the calling thread (the wizard's worker): make sure no
// older copy of the product is active (exit broadcast, helper service, old filter, filter channel probe;
// a panel that does not end stops it there), then the eight numbered steps in their fixed order. The first
// counted step that fails ends the run with the failure text followed by the step's code. Nothing is rolled
// back.

#include "setup/install/InstallContext.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tonvel {

inline constexpr uint32_t DeviceSettleMs = 1000; // before step 7 restarts the devices
inline constexpr uint32_t DoneBeepHz = 500;
inline constexpr uint32_t DoneBeepMs = 100;
inline constexpr char16_t InstallMessageCaption[] = u"Install";
inline constexpr size_t InstallMessageUnits = 256; // the failure message buffer

// Install status: 1 after the whole sequence ran without error.
inline constexpr int32_t InstallNotDone = 0;
inline constexpr int32_t InstallDone = 1;

using INSTALL_STEP_FUNCTION = std::function<int32_t(const INSTALL_CONTEXT& context)>;

// The functions the sequence calls; DefaultInstallSteps gives the product's own.
struct INSTALL_STEPS {
    std::function<int32_t(const INSTALL_CONTEXT& context, int32_t request)> ControlService; // the helper
    std::function<void(const INSTALL_CONTEXT& context)> DetachFilter;
    INSTALL_STEP_FUNCTION FilterDriver;   // step 1
    INSTALL_STEP_FUNCTION Service;        // step 2
    INSTALL_STEP_FUNCTION App;            // step 3
    INSTALL_STEP_FUNCTION Uninstall;      // step 4
    INSTALL_STEP_FUNCTION Config;         // step 5
    INSTALL_STEP_FUNCTION Manual;         // step 6
    INSTALL_STEP_FUNCTION RestartDevices; // step 7
    INSTALL_STEP_FUNCTION KB3033929;      // step 8
};

INSTALL_STEPS DefaultInstallSteps();

class CInstallSequence {
public:
    CInstallSequence(const INSTALL_CONTEXT& context, INSTALL_STEPS steps)
        : m_Context(context), m_Steps(std::move(steps)) {}

    // The whole installation (TMainForm::Install); returns the install status.
    int32_t Run() const;

private:
    bool Prepare() const;
    bool RunCounted(int32_t number, const INSTALL_STEP_FUNCTION& step, std::u16string_view code) const;
    void CheckChannelAfterRestart() const;
    bool FilterChannelOpens() const;

    const INSTALL_CONTEXT& m_Context;
    INSTALL_STEPS m_Steps;
};

} // namespace tonvel
