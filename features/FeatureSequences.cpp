#include "features/FeatureSequences.h"

#include <chrono>
#include <thread>

namespace tonvel {
namespace {

// Without Core Audio the legacy mixer needs no endpoint.
bool MicStepApplies(bool endpointFound, int32_t osGeneration) {
    return endpointFound || osGeneration != OsGenerationCoreAudio;
}

void RunArrivalPageSwitches(IFeatureSteps& steps, const ARRIVAL_SITUATION& situation) {
    switch (situation.Shown) {
    case PANEL_PAGE::Eq:
        steps.ReapplyEqSwitch();
        break;
    case PANEL_PAGE::Sound3D:
        steps.ReapplyEqSwitch();
        steps.Reapply3DSwitch();
        break;
    case PANEL_PAGE::Mic:
        if (MicStepApplies(steps.LookUpMicEndpoint(), situation.OsGeneration)) {
            steps.RefreshMicrophone();
            steps.StartLevelMeter();
        }
        break;
    default:
        break;
    }
}

} // namespace

void RunArrivalSteps(IFeatureSteps& steps, const ARRIVAL_SITUATION& situation) {
    steps.SendLedState();
    if (situation.Wait)
        situation.Wait(ArrivalSettleMs);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ArrivalSettleMs));
    if (MicStepApplies(steps.LookUpMicEndpoint(), situation.OsGeneration)) {
        steps.OpenLevelCapture();
        steps.RefreshMicrophone();
        steps.CloseLevelCapture();
    }
    RunArrivalPageSwitches(steps, situation);
    steps.ResetFilterDriver();
    if (situation.Shown == PANEL_PAGE::Effect)
        steps.SendCurrentEffect();
    else if (situation.Shown == PANEL_PAGE::Virtual71)
        steps.SendVirtualSpeakers();
}

void RunRemovalSteps(IFeatureSteps& steps) {
    steps.DropMicEndpoint();
    steps.StopLevelMeterQueuing();
}

void RunPageSwitchSteps(IFeatureSteps& steps, PANEL_PAGE page) {
    if (page == PANEL_PAGE::Mic) {
        steps.StartLevelMeter();
        return;
    }
    steps.StopLevelMeter();
    if (page == PANEL_PAGE::Eq || page == PANEL_PAGE::Sound3D) steps.ReapplyEqSwitch();
    if (page == PANEL_PAGE::Sound3D) steps.Reapply3DSwitch();
}

} // namespace tonvel
