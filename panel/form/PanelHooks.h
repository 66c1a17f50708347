#pragma once
// The feature steps the main window calls at fixed places of its start-up, page switch, mouse handling,
// skin switch and shutdown. The sound features fill them; an empty hook is skipped, so the window runs
// with any subset of features.

#include "ui/core/Ui.h"

#include <functional>

namespace tonvel {

struct PANEL_HOOKS {
    // Start-up.
    std::function<void()> InitEqualizer;        // preset store; presets 1..4 shown in turn
    std::function<void()> Init3D;               // 3D off, FBM on, channel defaults
    std::function<void()> InitEffect;           // effect 1 current; buttons show it
    std::function<void()> InitVirtualSpeakers;  // parameters from the icons, driver query, enable 0
    std::function<void()> InitMicrophone;       // flags, level bar, endpoint, capture, refresh
    std::function<void()> ResetVirtualSpeakers; // icons on the circle, parameters sent
    std::function<void()> LoadLastProfile;      // only called when the file exists
    std::function<void()> DropMicEndpoint;

    // Page switch.
    std::function<void()> StopLevelMeter;
    std::function<void()> StartLevelMeter;
    std::function<void()> ReapplyEqSwitch;
    std::function<void()> Reapply3DSwitch;

    // Window-level mouse handling: the thumb or icon has been moved (or jumped) already.
    std::function<void(ui::CImage& thumb, bool writeThrough)> ApplyEqBand;
    std::function<void(ui::CImage& thumb)> Apply3DChannels;
    std::function<void(ui::CImage& thumb)> SetMicGain;
    // A speaker icon's candidate position: true when accepted (the icon is then moved and the parameters
    // sent). Empty: accepted inside the speaker circle.
    std::function<bool(ui::CImage& icon, int32_t left, int32_t top)> MoveSpeaker;

    // Buttons with a tag, after the window's own checks (no-device warning).
    std::function<void(int32_t tag, ui::CComponent& image)> ImageMouseDown;
    std::function<void(int32_t tag, ui::CComponent& image)> ImageMouseUp;
    std::function<void()> TimerTick; // 20 ms: the rotation of the speakers

    // Skin switch: re-place the EQ thumbs for the current preset.
    std::function<void()> PlaceEqThumbs;
    // Skin switch: move the speaker icons to their stored angle and distance times the radius ratio.
    std::function<void(double ratio)> PlaceSpeakerIcons;

    // Shutdown.
    std::function<void()> SaveLastProfile;
    std::function<void()> ResetEqualizer;
    std::function<void()> EqualizerSwitchOff;
    std::function<void()> Reset3D;
    std::function<void()> Switch3DOff;
    // Step 6 with the device opened: register 0x100, effect 0, virtual speakers off, idle report.
    std::function<void()> NeutralDeviceState;
};

} // namespace tonvel
