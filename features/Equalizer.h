#pragma once
// The five-band equalizer with its four presets: the EQ switch, the preset buttons, Reset, and the band
// thumbs with their bars on the EQ page.

#include "features/Feature.h"

namespace tonvel {

class CEqualizer : public CFeature {
public:
    static constexpr int32_t BandCount = 5;
    static constexpr int32_t PresetCount = 4;

    explicit CEqualizer(FEATURE_CONTEXT& context) : CFeature(context) {}

    PANEL_PAGE Page() const override { return PANEL_PAGE::Eq; }
    GRAB_KIND Grab(const ui::CComponent& component) const override;
    void Jump(ui::CComponent& bar, int32_t cursorY) override;
    void Drag(ui::CComponent& thumb, int32_t left, int32_t top) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // The band thumbs' range of Top from the skin: the highest gain at the smallest Top.
    int32_t ThumbMin() const;
    int32_t ThumbMax() const;
    int32_t Preset() const { return m_Preset; }
    bool Enabled() const { return m_Enabled; }

private:
    // A band thumb has moved: its gain goes to the device, written through when synchronising.
    void ApplyBand(ui::CComponent& thumb, bool writeThrough);

    bool m_Enabled = false;
    int32_t m_Preset = 1;
};

} // namespace tonvel
