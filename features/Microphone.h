#pragma once
// The microphone: boost, mute, the gain thumb with its bar and the level meter on the Mic page. Volume,
// mute and boost go through Windows audio (CMicControl); the level meter records the headset's own capture
// device and its buffers come back to the window as MM_WIM_DATA messages (OnLevelData).

#include "device/MicControl.h"
#include "features/Feature.h"
#include "features/FeatureParts.h"
#include "features/LevelMeter.h"

namespace tonvel {

class CMicrophone : public CFeature {
public:
    CMicrophone(FEATURE_CONTEXT& context, const MICROPHONE_PARTS& parts);

    PANEL_PAGE Page() const override { return PANEL_PAGE::Mic; }
    GRAB_KIND Grab(const ui::CComponent& component) const override;
    void Jump(ui::CComponent& bar, int32_t cursorY) override;
    void Drag(ui::CComponent& thumb, int32_t left, int32_t top) override;
    bool OwnsTag(int32_t tag) const override;
    void ButtonDown(int32_t tag, ui::CComponent& button) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // Start-up: boost and mute off, the level bar empty; then, with an endpoint (or without Core Audio), the
    // microphone state read around an opened and closed capture.
    void Init();
    // The endpoint lookup of start-up and arrival; true when one was found.
    bool LookUpEndpoint();
    void DropEndpoint() { m_Control.DropEndpoint(); }
    // Reads gain, then boost and mute, and shows them.
    void Refresh();

    // The level meter: 0, or 1 when the capture cannot be opened. A start while it runs does nothing.
    int32_t StartLevelMeter();
    void StopLevelMeter();
    bool LevelMeterRunning() const { return m_Meter.Running(); }
    // The arrival's and start-up's capture around the refresh: opened unless the meter runs already, and
    // closed again only when it was opened here.
    void OpenLevelCapture();
    void CloseLevelCapture();
    // MM_WIM_DATA with the filled buffer's header.
    void OnLevelData(int64_t header);

    // The gain thumb's range of Top from the skin.
    int32_t ThumbMin() const;
    int32_t ThumbMax() const;
    // The gain MicValueLabel shows.
    int32_t Gain() const { return m_Gain; }
    bool Boost() const { return m_Boost; }
    bool Mute() const { return m_Mute; }
    uint32_t Level() const { return m_Level; }
    CMicControl& Control() { return m_Control; }

private:
    // The gain thumb has moved: the gain goes to the microphone and is read back.
    void SetGain(ui::CComponent& thumb);
    void ReadGain();
    void ShowGain();
    void ShowButtons();

    const MICROPHONE_PARTS& m_Parts;
    CMicControl m_Control;
    CLevelMeter m_Meter;
    bool m_CaptureOpenedForRefresh = false;
    bool m_Boost = false;
    bool m_Mute = false;
    int32_t m_Gain = 0;
    uint32_t m_Level = 0;
};

} // namespace tonvel
