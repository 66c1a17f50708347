#pragma once
// The virtual 7.1 speakers: the eight speaker icons around the listener on the Virtual 7.1 page, the
// enable switch, the rotation switches, Reset, and the gains and directions the filter driver is sent.

#include "features/Feature.h"
#include "features/FeatureParts.h"
#include "features/SpeakerGeometry.h"

namespace tonvel {

class CVirtualSpeakers : public CFeature {
public:
    CVirtualSpeakers(FEATURE_CONTEXT& context, const VIRTUAL_SPEAKERS_PARTS& parts)
        : CFeature(context), m_Parts(parts) {}

    PANEL_PAGE Page() const override { return PANEL_PAGE::Virtual71; }
    GRAB_KIND Grab(const ui::CComponent& component) const override;
    void Drag(ui::CComponent& icon, int32_t left, int32_t top) override;
    bool OwnsTag(int32_t tag) const override;
    void ButtonDown(int32_t tag, ui::CComponent& button) override;
    void ButtonUp(int32_t tag, ui::CComponent& button) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // Start-up: the records from the icons where the skin put them; the driver is asked its state, sent
    // them with enable 0 and the general request.
    void Init();
    // The standard layout, then sent. 1 when the driver request failed, else 0.
    int32_t ResetVirtualSpeakers();
    // The records from the icons' positions, sent with the current enable. The driver's status.
    int32_t SendVirtualSpeakers();
    // One tick of the 20 ms timer: with a rotation switched on and a device connected, every icon goes to
    // its stored direction and distance, the direction moves by the time passed since the last tick (a
    // step each 20 ms: Windows delivers the timer on its clock's ticks, about every 31 ms), and the icons'
    // values are sent.
    void RotateVirtualSpeakers();
    // The rotation's time base starts afresh now: the next tick turns by the time from here. Switching a
    // rotation on does it; so does a tick after a pause (no device, or no tick for longer than
    // 200 ms), so that the speakers never jump by the time they stood still.
    void RestartRotationClock();
    // A skin switch: every icon at its stored direction and its distance times the ratio of the new
    // circle's radius to the old one's.
    void PlaceSpeakerIcons(double ratio);
    // The neutral device state: enable 0, and the standard layout sent with it.
    void SwitchOff();
    // A profile's layout: the enable and the eight icon positions (by speaker index), then sent.
    void Restore(bool enabled, const SPEAKER_POSITIONS& positions);

    bool Enabled() const { return m_Enabled; }
    ROTATION Rotation() const { return m_Rotation; }
    const SPEAKER_RECORDS& Records() const { return m_Records; }
    SPEAKER_POSITIONS Positions();
    // The skin's speaker circle.
    SPEAKER_CIRCLE Circle() const;

private:
    // The eight icons by speaker index (null where the window has none).
    ui::CImage* Icon(size_t index);
    void Place(size_t index, SPEAKER_POSITION position);
    // The values of the icons as they stand, sent without touching the stored records.
    void SendScratch();
    void SwitchRotation(ROTATION rotation);
    // The milliseconds the rotation turns by now, and the time base moved here.
    uint32_t RotationElapsed();
    void ShowSwitches();

    bool m_Enabled = false;
    ROTATION m_Rotation = ROTATION::None;
    // The tick count of the last turn; m_RotationTimed is false until a time base is set.
    bool m_RotationTimed = false;
    uint32_t m_RotationTick = 0;
    SPEAKER_RECORDS m_Records{};
    const VIRTUAL_SPEAKERS_PARTS& m_Parts;
};

} // namespace tonvel
