#pragma once
// The fixed orders in which the device arrival, the device removal and the page switch run the feature
// steps.

#include "features/FeatureSteps.h"
#include "skin/PanelPage.h"

#include <cstdint>
#include <functional>

namespace tonvel {

// Core Audio (Windows Vista and later): the microphone steps then need an endpoint.
inline constexpr int32_t OsGenerationCoreAudio = 6;
// The arrival's settle wait before anything is re-sent.
inline constexpr uint32_t ArrivalSettleMs = 100;

struct ARRIVAL_SITUATION {
    PANEL_PAGE Shown = PANEL_PAGE::None;
    int32_t OsGeneration = OsGenerationCoreAudio;
    std::function<void(uint32_t ms)> Wait; // empty: sleeps
};

// After the presence handle of an arrived device is open: the LED state, the settle wait, the microphone
// refresh, the shown page's switches, the driver reset, the shown page's sends.
void RunArrivalSteps(IFeatureSteps& steps, const ARRIVAL_SITUATION& situation);
// After the presence handle of the removed device is closed.
void RunRemovalSteps(IFeatureSteps& steps);
// After the page has been shown and pending messages processed.
void RunPageSwitchSteps(IFeatureSteps& steps, PANEL_PAGE page);

} // namespace tonvel
