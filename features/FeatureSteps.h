#pragma once
// The feature steps: what the main window runs at the fixed places of its start-up, page switch, device
// arrival and removal, skin switch, timer and shutdown. Every step has an empty body here, so the window
// runs with any subset of features; CPanelFeatures gives the steps of the panel's features. The orders
// around the steps are in FeatureSequences.h and in the window.

#include "features/Profiles.h"
#include "platform/api/Hid.h"

#include <cstdint>

namespace tonvel {

class IFeatureSteps {
public:
    virtual ~IFeatureSteps() = default;

    // Start-up, after device discovery.
    virtual void InitEqualizer() {}        // preset store; presets 1..4 shown in turn
    virtual void Init3D() {}               // 3D off, FBM on, channel defaults
    virtual void InitEffect() {}           // effect 1 current; buttons show it
    virtual void InitVirtualSpeakers() {}  // parameters from the icons, driver query
    virtual void InitMicrophone() {}       // flags, level bar, endpoint, capture
    virtual void ResetVirtualSpeakers() {} // icons on the circle, parameters sent
    virtual int32_t LoadLastProfile() { return LastProfileMissing; } // or loaded, or damaged and set aside

    // Page switch, device arrival and removal.
    virtual void StopLevelMeter() {}
    virtual void StartLevelMeter() {}
    virtual void ReapplyEqSwitch() {}
    virtual void Reapply3DSwitch() {}
    virtual void SendLedState() {}                     // arrival: the current LED state
    virtual bool LookUpMicEndpoint() { return false; } // true when one was found
    virtual void OpenLevelCapture() {}                 // the arrival's microphone refresh
    virtual void RefreshMicrophone() {}                // the arrival's microphone refresh and the Mic page
    virtual void CloseLevelCapture() {}                // the arrival's microphone refresh
    virtual void ResetFilterDriver() {}                // arrival: query, speakers off, general request
    virtual void SendCurrentEffect() {}                // arrival on the Effect page
    virtual void SendVirtualSpeakers() {}              // arrival on the Virtual 7.1 page
    virtual void DropMicEndpoint() {}                  // removal, and the end of start-up
    virtual void StopLevelMeterQueuing() {}            // removal

    // Skin switch.
    virtual void PlaceEqThumbs() {}                     // the thumbs for the current preset
    virtual void PlaceSpeakerIcons(double /*ratio*/) {} // stored angle and distance times the ratio

    // The 20 ms timer.
    virtual void RotateSpeakers() {}

    // Shutdown.
    virtual void SaveLastProfile() {}
    virtual void ResetEqualizer() {}
    virtual void EqualizerSwitchOff() {}
    virtual void Reset3D() {}
    virtual void Switch3DOff() {}
    // The neutral device state, on the device opened for it (the window closes it after).
    virtual void ReturnDeviceToNeutral(HidHandle /*device*/) {}
};

} // namespace tonvel
