#include "features/FeatureSequences.h"

#include <chrono>
#include <thread>

namespace tonvel {
namespace {

bool LookUp(const FEATURE_STEPS& steps) {
    return steps.LookUpMicEndpoint ? steps.LookUpMicEndpoint() : false;
}

// Without Core Audio the legacy mixer needs no endpoint.
bool MicStepApplies(bool endpointFound, int32_t osGeneration) {
    return endpointFound || osGeneration != OsGenerationCoreAudio;
}

void RunArrivalPageSwitches(const FEATURE_STEPS& steps, const ARRIVAL_SITUATION& situation) {
    switch (situation.Shown) {
    case PANEL_PAGE::Eq:
        RunStep(steps.ReapplyEqSwitch);
        break;
    case PANEL_PAGE::Sound3D:
        RunStep(steps.ReapplyEqSwitch);
        RunStep(steps.Reapply3DSwitch);
        break;
    case PANEL_PAGE::Mic:
        if (MicStepApplies(LookUp(steps), situation.OsGeneration)) {
            RunStep(steps.RefreshMicrophone);
            RunStep(steps.StartLevelMeter);
        }
        break;
    default:
        break;
    }
}

} // namespace

void RunArrivalSteps(const FEATURE_STEPS& steps, const ARRIVAL_SITUATION& situation) {
    RunStep(steps.SendLedState);
    if (situation.Wait)
        situation.Wait(ArrivalSettleMs);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ArrivalSettleMs));
    if (MicStepApplies(LookUp(steps), situation.OsGeneration)) {
        RunStep(steps.OpenLevelCapture);
        RunStep(steps.RefreshMicrophone);
        RunStep(steps.CloseLevelCapture);
    }
    RunArrivalPageSwitches(steps, situation);
    RunStep(steps.ResetFilterDriver);
    if (situation.Shown == PANEL_PAGE::Effect)
        RunStep(steps.SendCurrentEffect);
    else if (situation.Shown == PANEL_PAGE::Virtual71)
        RunStep(steps.SendVirtualSpeakers);
}

void RunRemovalSteps(const FEATURE_STEPS& steps) {
    RunStep(steps.DropMicEndpoint);
    RunStep(steps.StopLevelMeterQueuing);
}

void RunPageSwitchSteps(const FEATURE_STEPS& steps, PANEL_PAGE page) {
    if (page == PANEL_PAGE::Mic) {
        RunStep(steps.StartLevelMeter);
        return;
    }
    RunStep(steps.StopLevelMeter);
    if (page == PANEL_PAGE::Eq || page == PANEL_PAGE::Sound3D) RunStep(steps.ReapplyEqSwitch);
    if (page == PANEL_PAGE::Sound3D) RunStep(steps.Reapply3DSwitch);
}

} // namespace tonvel
