#pragma once
// Which picture entry goes on which component when a whole skin is applied, in the order of application:
// the window's own items, then the EQ, 3D, Effect, Mic and Virtual 7.1 pages. The caller puts each entry
// on its component (apply image entry) and applies the window outline last.

#include "skin/SkinSetting.h"

#include <vector>

namespace tonvel {

// The feature state that decides between Up and Down pictures.
struct SKIN_FEATURE_STATE {
    bool LedOn = true;
    bool EqEnabled = false;
    bool D3Enabled = false;
    int32_t Preset = 1; // 1 to 4
    bool FbmOn = true;
    int32_t Effect = 1; // 1 Nothing, 2 Theater, 3 Bathroom, 4 Living room, 5 Stone gallery
    bool MicBoost = false;
    bool MicMute = false;
    bool VirtualEnabled = false;
    bool Clockwise = false;
    bool Counterclockwise = false;
    int32_t AlphaConnection = -1; // -1 none chosen, 0 independent, 1 dependent, 2 inverse
    int32_t BetaConnection = -1;
};

struct SKIN_PLACEMENT {
    const char16_t* Component;
    SKIN_IMAGE Image;
    bool ZeroWidth; // the level bar starts empty: width 0, whatever the entry says
};

std::vector<SKIN_PLACEMENT> SkinApplicationPlan(const SKIN_FEATURE_STATE& state);

// The picture of a 3D connection state: independent for none chosen and 0, dependent for 1, inverse for 2.
SKIN_IMAGE AlphaConnectionImage(int32_t state);
SKIN_IMAGE BetaConnectionImage(int32_t state);

// The effect buttons by effect number 1..5 (the components that carry tags 16..20) and their pictures.
const char16_t* EffectButtonComponent(int32_t effect);
SKIN_IMAGE EffectButtonImage(int32_t effect, bool down);
SKIN_IMAGE EffectPictureImage(int32_t effect);

// The path of an entry's picture: skin folder + sub-folder ("" or "3D\") + file name.
std::u16string SkinPicturePath(const std::u16string& skinFolder, const std::u16string& subFolder,
                               const _SKIN_IMAGE_INFO& info);

} // namespace tonvel
