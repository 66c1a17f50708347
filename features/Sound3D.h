#pragma once
// 3D sound: the 3D switch, FBM, the alpha and beta connection states, Reset and the four channel thumbs on
// the 3D page. It keeps the 3D record and writes the 3D registers; the 3D switch also drives the
// equalizer's 3D bit and, while the equalizer is off, the processing enable. Each device write is one
// transaction; status codes are 0 or the step that failed.

#include "device/RegisterBlocks.h"
#include "features/Equalizer.h"
#include "features/Feature.h"
#include "features/FeatureParts.h"
#include "features/ThumbScale.h"

namespace tonvel {

// A connection between the two thumbs of a kind: none chosen yet (acts as independent), independent,
// dependent (the partner follows), inverse (the partner mirrors).
inline constexpr int32_t ConnectionNone = -1;
inline constexpr int32_t ConnectionIndependent = 0;
inline constexpr int32_t ConnectionDependent = 1;
inline constexpr int32_t ConnectionInverse = 2;

// The record as it starts and as Reset leaves it: FBM on, alpha 10 and beta 3 on both channels.
Sound3DRegisterSet Default3DRecord();

class CSound3D : public CFeature {
public:
    // The thumbs' range of Top on the 3D page.
    static constexpr int32_t ThumbMin = Thumb3DTop;
    static constexpr int32_t ThumbMax = Thumb3DBottom;

    CSound3D(FEATURE_CONTEXT& context, const SOUND3D_PARTS& parts, CEqualizer& equalizer)
        : CFeature(context), m_Parts(parts), m_Equalizer(equalizer) {}

    PANEL_PAGE Page() const override { return PANEL_PAGE::Sound3D; }
    GRAB_KIND Grab(const ui::CComponent& component) const override;
    void Drag(ui::CComponent& thumb, int32_t left, int32_t top) override;
    bool OwnsTag(int32_t tag) const override;
    void ButtonDown(int32_t tag, ui::CComponent& button) override;
    void ButtonUp(int32_t tag, ui::CComponent& button) override;
    void ShowState(SKIN_FEATURE_STATE& state) const override;

    // Start-up: 3D off, FBM on, the default record.
    void Init3D();
    // Register 0x18A bit 6, and when on the whole 3D block. 0; 1 no device; 2/3 read/write of 0x18A
    // failed (on); 4 block write failed; 5/6 read/write of 0x18A failed (off); 7 idle report failed.
    int32_t Apply3DEnable(bool on);
    // Fbm := on; register 0x18A bit 0 follows. 0; 2 no device; 3 read failed; 4 write failed; 5 idle
    // report failed.
    int32_t SetFbm(bool on);
    // The values of one side's thumbs, then (written through) 0x18A bit 0 and both pair registers.
    // 0; 1 no device; 2/3 read/write of 0x18A failed; 4 0x18B failed; 5 0x18C failed; 7 idle report failed.
    int32_t ApplyLeft3D(bool writeThrough);
    int32_t ApplyRight3D(bool writeThrough);
    // The Reset button: the default record, FBM on. 0; 2 no device; 3 block write failed.
    int32_t Reset3D();
    // The thumbs, the FBM picture and the value labels from the record.
    void Show3D();
    // A profile's 3D settings: the channel values, the FBM switch (its register bit follows at the next
    // press of FBM) and the 3D switch, which is sent with the equalizer's 3D bit and, while the equalizer
    // is off, the processing enable; then the pictures, thumbs and value labels.
    void Restore(const Sound3DRegisterSet& channels, bool fbm, bool on);
    // Shutdown: the channels reset with FBM on, then the 3D switch off.
    void ResetForShutdown();
    void SwitchOff();

    bool Enabled() const { return m_Enabled; }
    bool FbmOn() const { return m_FbmOn; }
    int32_t AlphaConnection() const { return m_AlphaConnection; }
    int32_t BetaConnection() const { return m_BetaConnection; }
    const Sound3DRegisterSet& Record() const { return m_Record; }

private:
    int32_t Travel() const;
    int32_t ThumbValue(const ui::CImage& thumb) const;
    int32_t WriteChannels(bool writeThrough);
    void MovePartner(const ui::CComponent& thumb);
    void ShowValueLabels();
    void FlipEnable();
    void FlipFbm();
    void NextConnection(int32_t tag);
    void ShowResetPicture(bool down);

    const SOUND3D_PARTS& m_Parts;
    CEqualizer& m_Equalizer;
    Sound3DRegisterSet m_Record = Default3DRecord();
    bool m_Enabled = false;
    bool m_FbmOn = true;
    int32_t m_AlphaConnection = ConnectionNone;
    int32_t m_BetaConnection = ConnectionNone;
};

} // namespace tonvel
