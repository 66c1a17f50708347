#pragma once
// The one table of feature steps: what the main window runs at the fixed places of its start-up, page
// switch, device arrival and removal, skin switch, timer and shutdown. The window fills it from its
// features in one place (ComposeFeatureSteps); a step left empty is skipped, so the window runs with any
// subset of features. The orders around the steps are in FeatureSequences.h and in the window.

#include <cstdint>
#include <functional>

namespace tonvel {

struct FEATURE_STEPS {
    // Start-up, after device discovery.
    std::function<void()> InitEqualizer;        // preset store; presets 1..4 shown in turn
    std::function<void()> Init3D;               // 3D off, FBM on, channel defaults
    std::function<void()> InitEffect;           // effect 1 current; buttons show it
    std::function<void()> InitVirtualSpeakers;  // parameters from the icons, driver query, enable 0
    std::function<void()> InitMicrophone;       // flags, level bar, endpoint, capture, refresh
    std::function<void()> ResetVirtualSpeakers; // icons on the circle, parameters sent
    std::function<int32_t()> LoadLastProfile;   // 0 loaded; 1 none there; 2 damaged, set aside

    // Page switch, device arrival and removal.
    std::function<void()> StopLevelMeter;
    std::function<void()> StartLevelMeter;
    std::function<void()> ReapplyEqSwitch;
    std::function<void()> Reapply3DSwitch;
    std::function<void()> SendLedState;          // arrival: the current LED state
    std::function<bool()> LookUpMicEndpoint;     // true when one was found
    std::function<void()> OpenLevelCapture;      // the arrival's microphone refresh
    std::function<void()> RefreshMicrophone;     // the arrival's microphone refresh and the Mic page
    std::function<void()> CloseLevelCapture;     // the arrival's microphone refresh
    std::function<void()> ResetFilterDriver;     // arrival: query, speakers off, general request
    std::function<void()> SendCurrentEffect;     // arrival on the Effect page
    std::function<void()> SendVirtualSpeakers;   // arrival on the Virtual 7.1 page
    std::function<void()> DropMicEndpoint;       // removal, and the end of start-up
    std::function<void()> StopLevelMeterQueuing; // removal

    // Skin switch.
    std::function<void()> PlaceEqThumbs;                 // the thumbs for the current preset
    std::function<void(double ratio)> PlaceSpeakerIcons; // stored angle and distance times the ratio

    // The 20 ms timer.
    std::function<void()> RotateSpeakers;

    // Shutdown.
    std::function<void()> SaveLastProfile;
    std::function<void()> ResetEqualizer;
    std::function<void()> EqualizerSwitchOff;
    std::function<void()> Reset3D;
    std::function<void()> Switch3DOff;
    // The neutral device state, with the device opened: effect 0 and the virtual speakers off.
    std::function<void()> SelectNoEffect;
    std::function<void()> SwitchVirtualSpeakersOff;
};

// Runs a step when it is filled.
inline void RunStep(const std::function<void()>& step) {
    if (step) step();
}

} // namespace tonvel
