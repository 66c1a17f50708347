#include "skin/SkinApply.h"

namespace tonvel {

namespace {

SKIN_IMAGE Pick(SKIN_IMAGE up, SKIN_IMAGE down, bool isDown) {
    return isDown ? down : up;
}

SKIN_IMAGE Offset(SKIN_IMAGE first, int32_t steps) {
    return static_cast<SKIN_IMAGE>(static_cast<int>(first) + steps);
}

int32_t ClampEffect(int32_t effect) {
    return effect >= 1 && effect <= 5 ? effect : 1;
}

} // namespace

SKIN_IMAGE AlphaConnectionImage(int32_t state) {
    if (state == 1) return SKIN_IMAGE::D3_D3AlphaDepImage;
    if (state == 2) return SKIN_IMAGE::D3_D3AlphaInvImage;
    return SKIN_IMAGE::D3_D3AlphaIndepImage;
}

SKIN_IMAGE BetaConnectionImage(int32_t state) {
    if (state == 1) return SKIN_IMAGE::D3_D3BetaDepImage;
    if (state == 2) return SKIN_IMAGE::D3_D3BetaInvImage;
    return SKIN_IMAGE::D3_D3BetaIndepImage;
}

const char16_t* EffectButtonComponent(int32_t effect) {
    // Tags 16..20; the components at tags 18 and 20 carry each other's names.
    static const char16_t* const Components[] = {
        u"EffectButtonNonImage", u"EffectButtonTheaterImage", u"EffectButtonStoneGalleryImage",
        u"EffectButtonLivingroomImage", u"EffectButtonBathroomImage"};
    return Components[ClampEffect(effect) - 1];
}

SKIN_IMAGE EffectButtonImage(int32_t effect, bool down) {
    static const SKIN_IMAGE Up[] = {
        SKIN_IMAGE::Effect_EffectButtonNonImageUp, SKIN_IMAGE::Effect_EffectButtonTheaterImageUp,
        SKIN_IMAGE::Effect_EffectButtonBathroomImageUp, SKIN_IMAGE::Effect_EffectButtonLivingroomImageUp,
        SKIN_IMAGE::Effect_EffectButtonStoneGalleryImageUp};
    return Offset(Up[ClampEffect(effect) - 1], down ? 1 : 0);
}

SKIN_IMAGE EffectPictureImage(int32_t effect) {
    return Offset(SKIN_IMAGE::Effect_EffectPicNonImage, ClampEffect(effect) - 1);
}

std::vector<SKIN_PLACEMENT> SkinApplicationPlan(const SKIN_FEATURE_STATE& s) {
    using I = SKIN_IMAGE;
    std::vector<SKIN_PLACEMENT> plan;
    auto put = [&plan](const char16_t* component, SKIN_IMAGE image) {
        plan.push_back({component, image, false});
    };
    auto same = [&put](SKIN_IMAGE image) { put(SkinImageKey(image).Component, image); };

    same(I::Main_MainFormImage);
    same(I::Main_CloseImageUp);
    same(I::Main_MinimizeImageUp);
    same(I::Main_DeviceActiveImage);
    same(I::Main_Menu1ImageUp);
    same(I::Main_Menu2ImageUp);
    same(I::Main_Menu3ImageUp);
    same(Pick(I::Main_LedImageUp, I::Main_LedImageDown, s.LedOn));
    same(I::Main_LogoImage);

    same(I::EQ_Back_EQImage);
    same(Pick(I::EQ_EQEQENImageUp, I::EQ_EQEQENImageDown, s.EqEnabled));
    same(Pick(I::EQ_EQ3DENImageUp, I::EQ_EQ3DENImageDown, s.D3Enabled));
    same(I::EQ_EQResetImageUp);
    for (int32_t n = 1; n <= 4; ++n)
        same(Offset(I::EQ_EQS1ImageUp, 2 * (n - 1) + (s.Preset == n ? 1 : 0)));
    for (int i = static_cast<int>(I::EQ_EQButtonLineImage1);
         i <= static_cast<int>(I::EQ_EQ12000HzSliderImage); ++i)
        same(static_cast<I>(i));

    same(I::D3_Back_3DImage);
    same(Pick(I::D3_D33DENImageUp, I::D3_D33DENImageDown, s.D3Enabled));
    same(Pick(I::D3_D3FBMImageUp, I::D3_D3FBMImageDown, s.FbmOn));
    same(I::D3_D3ResetImageUp);
    same(I::D3_D3LChannelImage);
    same(I::D3_D3RChannelImage);
    same(I::D3_D3ConnectionImage);
    same(AlphaConnectionImage(s.AlphaConnection));
    same(BetaConnectionImage(s.BetaConnection));
    for (int i = static_cast<int>(I::D3_D3ButtonLineImage1); i <= static_cast<int>(I::D3_D3RBetaSliderImage);
         ++i)
        same(static_cast<I>(i));

    same(I::Effect_Back_EffectImage);
    for (int32_t effect = 1; effect <= 5; ++effect)
        put(EffectButtonComponent(effect), EffectButtonImage(effect, s.Effect == effect));
    for (int i = static_cast<int>(I::Effect_EffectButtonLineImage1);
         i <= static_cast<int>(I::Effect_EffectButtonLineImage4); ++i)
        same(static_cast<I>(i));
    same(EffectPictureImage(s.Effect));

    same(I::Mic_Back_MicImage);
    same(Pick(I::Mic_MicBoostImageUp, I::Mic_MicBoostImageDown, s.MicBoost));
    same(Pick(I::Mic_MicMuteImageUp, I::Mic_MicMuteImageDown, s.MicMute));
    same(I::Mic_MicButtonLineImage);
    same(I::Mic_MicPicImage);
    plan.push_back({u"MicProgressImage", I::Mic_MicProgressImage, true});
    for (int i = static_cast<int>(I::Mic_MicGainImage); i <= static_cast<int>(I::Mic_MicValueImage); ++i)
        same(static_cast<I>(i));

    same(I::Virtual7ch1_Back_Virtual7p1Image);
    same(Pick(I::Virtual7ch1_VirtualEnableImageUp, I::Virtual7ch1_VirtualEnableImageDown, s.VirtualEnabled));
    same(Pick(I::Virtual7ch1_VirtualClockwiseUpImage, I::Virtual7ch1_VirtualClockwiseDownImage, s.Clockwise));
    same(Pick(I::Virtual7ch1_VirtualCounterclockwiseUpImage, I::Virtual7ch1_VirtualCounterclockwiseDownImage,
              s.Counterclockwise));
    same(I::Virtual7ch1_VirtualResetUpImage);
    for (int i = static_cast<int>(I::Virtual7ch1_VirtualPicImage);
         i <= static_cast<int>(I::Virtual7ch1_VirtualSUBImage); ++i)
        same(static_cast<I>(i));
    return plan;
}

std::u16string SkinPicturePath(const std::u16string& skinFolder, const std::u16string& subFolder,
                               const _SKIN_IMAGE_INFO& info) {
    return skinFolder + subFolder + info.FileName;
}

} // namespace tonvel
