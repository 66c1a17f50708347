#pragma once
// Install steps that only post their progress and succeed, for the tests of what runs around the steps:
// what the steps install is tested with each step.

#include "setup/install/InstallSequence.h"
#include "setup/install/InstallSteps.h"

#include <cstdint>
#include <vector>

namespace tonvel {

inline INSTALL_STEP_FUNCTION Posting(std::vector<int32_t> percents) {
    return [percents](const INSTALL_CONTEXT& context) {
        for (const int32_t percent : percents)
            context.Progress(percent);
        return InstallOk;
    };
}

// Steps 2 to 6 and 8 as stand-ins that post what the real ones post.
inline void UsePostingSteps(INSTALL_STEPS& steps) {
    steps.Service = Posting({30, 40, 50, 60});
    steps.App = Posting({70});
    steps.Uninstall = Posting({80});
    steps.Config = Posting({90});
    steps.Manual = Posting({});
    steps.KB3033929 = Posting({});
}

} // namespace tonvel
