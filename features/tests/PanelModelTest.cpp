// The panel against its rules over long random sequences of what a user and the machine do: clicks on every
// tagged button and label, thumb drags to anywhere (past the ends too), bar jumps, page tabs, the
// synchronisation switch, speaker drags and rotation, Save and Load, exit and the next start, the headset
// pulled and plugged, a removal notice for a headset that stays, and device writes refused. After every
// step one oracle: while the headset is connected and synchronising, its registers, its pins and the filter
// driver hold what the window shows, the Mic page shows what the endpoint holds, the level meter runs only
// on the Mic page with a headset; an exit leaves the neutral state (and writes nothing but what it may to a
// headset whose presence handle is gone); the next start and every Load show what was saved.
//
// RapidCheck shrinks a failing sequence to a shortest one and prints it. TONVEL_MODEL_SEQUENCES sets how
// many sequences run (RC_PARAMS, RapidCheck's own setting, also works: seed, max_size, ...).

#include "features/tests/PanelModel.h"

#include <gtest/gtest.h>
#include <rapidcheck/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

namespace tonvel::test {
namespace {

constexpr int32_t DefaultSequences = 200;
constexpr int32_t DefaultLongestSequence = 50;

rc::detail::TestParams ModelParams() {
    rc::detail::TestParams params = rc::detail::configuration().testParams;
    if (std::getenv("RC_PARAMS") == nullptr) {
        params.maxSuccess = DefaultSequences;
        params.maxSize = DefaultLongestSequence;
    }
    if (const char* sequences = std::getenv("TONVEL_MODEL_SEQUENCES"))
        params.maxSuccess = std::atoi(sequences);
    return params;
}

TEST(PanelModel, WhatTheWindowShowsIsWhatTheHeadsetDoes) {
    const rc::detail::TestParams params = ModelParams();
    const auto started = std::chrono::steady_clock::now();
    ModelSteps() = 0;
    const auto result = rc::detail::checkTestable(
        [] { CheckPanelSequence(); },
        rc::detail::TestMetadata{"PanelModel/WhatTheWindowShowsIsWhatTheHeadsetDoes", "panel model"}, params);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    std::cout << params.maxSuccess << " sequences of up to " << params.maxSize << " steps, " << ModelSteps()
              << " steps in all, " << ms.count() << " ms\n";
    if (!result.template is<rc::detail::SuccessResult>()) {
        std::ostringstream text;
        rc::detail::printResultMessage(result, text);
        FAIL() << text.str();
    }
}

} // namespace
} // namespace tonvel::test
