#pragma once
// The five-band equalizer with its four presets: the EQ switch, the preset buttons, Reset, the band thumbs
// with their bars on the EQ page and the synchronisation switch. It keeps the working record (always the
// preset shown), the preset store and the thumb offsets, and writes the equalizer registers; each device
// write is one transaction. Status codes: 0 or the step that failed, as the operations below say.

#include "device/RegisterBlocks.h"
#include "features/EqPresetStore.h"
#include "features/Feature.h"
#include "features/FeatureParts.h"

#include <array>
#include <functional>

namespace tonvel {

class CEqualizer : public CFeature {
public:
    static constexpr int32_t BandCount = 5;
    static constexpr int32_t PresetCount = EqPresetCount;

    CEqualizer(FEATURE_CONTEXT& context, const EQUALIZER_PARTS& parts) : CFeature(context), m_Parts(parts) {}

    // The 3D switch, which the EQ switch, the presets, Reset and the synchronisation switch follow.
    struct SOUND3D_LINK {
        std::function<bool()> Enabled; // empty: off
        std::function<void()> Reapply; // the 3D switch sent again
    };
    void Link3D(SOUND3D_LINK link) { m_3D = std::move(link); }

    PANEL_PAGE Page() const override { return PANEL_PAGE::Eq; }
    GRAB_KIND Grab(const ui::CComponent& component) const override;
    void Jump(ui::CComponent& bar, int32_t cursorY) override;
    void Drag(ui::CComponent& thumb, int32_t left, int32_t top) override;
    bool OwnsTag(int32_t tag) const override;
    void ButtonDown(int32_t tag, ui::CComponent& button) override;
    void ButtonUp(int32_t tag, ui::CComponent& button) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // Start-up, after the skin is loaded: the store filled with the default record, every thumb offset
    // half the travel, EQ off; then presets 1 to 4 shown in turn.
    void InitEqualizer();
    // The gain of the band thumb with this tag (29-33), written through to the device when asked.
    // 0; 1 no device; 2 low-byte write failed; 3 reading 0x129 failed; 4 high-nibble write failed;
    // 5 idle report failed.
    int32_t ApplyEqBand(int32_t tag, bool writeThrough);
    // Bypass := not enable; while synchronising, register 0x129 bit 7 follows (its own transaction).
    void ApplyEqBypass(bool enable);
    // Register 0x100 bit 2, and when on the whole equalizer block. 0; 1 no device; 2/3 read/write of 0x100
    // failed (on); 4 block write failed; 5/6 read/write of 0x100 failed (off); 7 idle report failed.
    int32_t ApplyProcessingEnable(bool on);
    // Processing as the switches want it: on while the equalizer or the 3D effect is on. What the page
    // switch, an arrival, the synchronisation switch and a profile send again.
    int32_t ReapplyProcessing() { return ApplyProcessingEnable(m_Enabled || Sound3DEnabled()); }
    // Sound3DOn := on; while synchronising, register 0x129 bit 4 follows (its own transaction).
    void Apply3DFlag(bool on);
    // Packs the working record into preset index 0-3 (the last one marked as such). 0.
    int32_t StorePreset(int32_t index);
    // Preset 1-4 into the working record, written to the device while synchronising and not saving.
    // 0; 1 no device; 2 block write failed; 3 idle report failed.
    int32_t LoadPreset(int32_t preset);
    // Preset index 0-3 into the working record, its thumbs placed, its value labels and the EQ switch
    // picture shown. 0.
    int32_t ShowPreset(int32_t index);
    // The Reset button: the current preset back to the default record. 0; 3 no device; 4 block write
    // failed.
    int32_t ResetEqualizer();
    // The synchronisation switch on the EQ or 3D page; the switches are sent again.
    void FlipSynchronisation();
    // Shutdown: the EQ switch off, bypassed, processing off.
    void SwitchOff();
    // A profile's preset line: the gains go into preset 1-4 and the EQ switch takes the line's state; that
    // preset is loaded and shown with its bypass sent, then the current preset again.
    void RestorePreset(int32_t preset, const std::array<uint16_t, BandCount>& gains, bool enabled);

    // The band thumbs' range of Top from the skin: the highest gain at the smallest Top.
    int32_t ThumbMin() const;
    int32_t ThumbMax() const;
    int32_t Preset() const { return m_Preset; }
    bool Enabled() const { return m_Enabled; }
    const EqRegisterSet& Record() const { return m_Record; }
    const CEqPresetStore& Store() const { return m_Store; }
    int32_t ThumbOffset(int32_t index, int32_t band) const;

private:
    bool Sound3DEnabled() const { return m_3D.Enabled && m_3D.Enabled(); }
    // The working record's bypass and 3D bits as the switches show them (a slot may hold older ones).
    void FollowSwitches();
    int32_t Travel() const;
    // After a band thumb has moved: the band applied, the offset kept, the preset stored and shown.
    void BandMoved(ui::CComponent& thumb);
    int32_t WriteBand(int32_t band, bool writeThrough);
    void PlaceBandThumb(int32_t index, int32_t band);
    void ShowEnablePicture();
    void ShowPresetButtons();
    void SelectPreset(int32_t preset);
    void FlipEnable();
    void ShowResetPicture(bool down);

    const EQUALIZER_PARTS& m_Parts;
    EqRegisterSet m_Record = DefaultEqRecord();
    CEqPresetStore m_Store;
    std::array<std::array<int32_t, BandCount>, PresetCount> m_Offsets{};
    SOUND3D_LINK m_3D;
    bool m_Enabled = false;
    int32_t m_EnableShown = -1; // the EQ switch state whose picture is shown; -1 none yet
    int32_t m_Preset = 1;
};

} // namespace tonvel
