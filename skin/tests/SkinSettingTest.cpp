#include "skin/SkinSetting.h"
#include "skin/SkinApply.h"
#include "skin/tests/TestProfile.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

using test::CProfileFile;

// A skin file holding every numeric key, so that image keys can be tried one at a time.
CProfileFile Numbers() {
    CProfileFile file;
    file.Set(u"Main", u"BackNotebook", u"392,104,365,292");
    file.Set(u"EQ", u"EQPanel", u"365,292");
    file.Set(u"EQ", u"EQSlider", u"200,150");
    file.Set(u"Effect", u"EffectPanel", u"365,292");
    file.Set(u"Mic", u"MicPanel", u"365,292");
    file.Set(u"Mic", u"MicSlider", u"180,120");
    file.Set(u"Mic", u"MicProgressLength", u"203");
    file.Set(u"Virtual7ch1", u"VirtualPanel", u"365,292");
    file.Set(u"Virtual7ch1", u"VirtualCenter", u"150,150,100");
    return file;
}

struct IMAGE_CASE {
    const char16_t* Value;
    const char16_t* File;
    bool HasLeft, HasTop, HasWidth, HasHeight;
    int32_t Left, Top, Width, Height;
};

TEST(SkinSetting, ImageValuesSetOnlyTheItemsGiven) {
    const IMAGE_CASE cases[] = {
        {u"Logo.png", u"Logo.png", false, false, false, false, 0, 0, 0, 0},
        {u"Logo.png,10,20", u"Logo.png", true, true, false, false, 10, 20, 0, 0},
        {u"Logo.png,,,50", u"Logo.png", false, false, true, false, 0, 0, 50, 0},
        {u"Logo.png,1,2,3,4", u"Logo.png", true, true, true, true, 1, 2, 3, 4},
        {u"Logo.png,$10,x20,0x30,-4", u"Logo.png", true, true, true, true, 16, 32, 48, -4},
        {u"Logo.png,1,2,3,4,99", u"Logo.png", true, true, true, true, 1, 2, 3, 4},
        {u"", u"", false, false, false, false, 0, 0, 0, 0},
        {u",5,6", u"", true, true, false, false, 5, 6, 0, 0}, // no file: the component is hidden
    };
    for (const IMAGE_CASE& c : cases) {
        CProfileFile file = Numbers();
        file.Set(u"Main", u"LogoImage", c.Value);
        CSkinSetting skin;
        ASSERT_TRUE(skin.Load(file.Reader()).Ok());
        const _SKIN_IMAGE_INFO& info = skin.Image(SKIN_IMAGE::Main_LogoImage);
        const auto at = test::Narrow(c.Value);
        EXPECT_EQ(info.FileName, c.File) << at;
        EXPECT_EQ(info.HasLeft, c.HasLeft) << at;
        EXPECT_EQ(info.HasTop, c.HasTop) << at;
        EXPECT_EQ(info.HasWidth, c.HasWidth) << at;
        EXPECT_EQ(info.HasHeight, c.HasHeight) << at;
        EXPECT_EQ(info.Left, c.Left) << at;
        EXPECT_EQ(info.Top, c.Top) << at;
        EXPECT_EQ(info.Width, c.Width) << at;
        EXPECT_EQ(info.Height, c.Height) << at;
        // The same key in the About section is a different entry.
        EXPECT_TRUE(skin.Image(SKIN_IMAGE::About_LogoImage).FileName.empty());
    }
}

TEST(SkinSetting, LongFileNamesAreCutToTheirField) {
    CProfileFile file = Numbers();
    file.Set(u"EQ", u"Back_EQImage", std::u16string(80, u'a') + u".png");
    CSkinSetting skin;
    ASSERT_TRUE(skin.Load(file.Reader()).Ok());
    EXPECT_EQ(skin.Image(SKIN_IMAGE::EQ_Back_EQImage).FileName.size(), SkinFileNameMax);
}

TEST(SkinSetting, ReloadClearsEveryEntry) {
    CProfileFile first = Numbers();
    first.Set(u"Mic", u"MicPicImage", u"Mic.png,1,2");
    CSkinSetting skin;
    ASSERT_TRUE(skin.Load(first.Reader()).Ok());
    ASSERT_TRUE(skin.Load(Numbers().Reader()).Ok());
    EXPECT_TRUE(skin.Image(SKIN_IMAGE::Mic_MicPicImage).FileName.empty());
    EXPECT_FALSE(skin.Image(SKIN_IMAGE::Mic_MicPicImage).HasLeft);
}

TEST(SkinSetting, MicSliderTravelIsTheOneInForce) {
    CSkinSetting skin;
    ASSERT_TRUE(skin.Load(Numbers().Reader()).Ok());
    EXPECT_EQ(skin.Metrics().EqSliderTop, 200);
    EXPECT_EQ(skin.Metrics().MicSliderTop, 180);
    EXPECT_EQ(skin.Metrics().SliderTravel, 120);
    EXPECT_EQ(skin.Metrics().MicProgressLength, 203);
    EXPECT_EQ(skin.m_BackNotebook.Value[0], 392);
    EXPECT_TRUE(skin.m_BackNotebook.Has[3]);
    EXPECT_EQ(skin.m_EqPanel.Value[1], 292);
}

TEST(SkinSetting, SpeakerRadiusKeepsThePreviousOne) {
    CSkinSetting skin;
    EXPECT_EQ(skin.Metrics().SpeakerRadius, 0);
    ASSERT_TRUE(skin.Load(Numbers().Reader()).Ok());
    EXPECT_EQ(skin.Metrics().SpeakerRadius, 100);
    EXPECT_EQ(skin.Metrics().PreviousSpeakerRadius, 0);
    EXPECT_DOUBLE_EQ(skin.Metrics().SpeakerRatio(), 1.0); // undefined ratio: icons stay
    CProfileFile file = Numbers();
    file.Set(u"Virtual7ch1", u"VirtualCenter", u"160,140,150");
    ASSERT_TRUE(skin.Load(file.Reader()).Ok());
    EXPECT_EQ(skin.Metrics().SpeakerCenterX, 160);
    EXPECT_EQ(skin.Metrics().SpeakerCenterY, 140);
    EXPECT_EQ(skin.Metrics().PreviousSpeakerRadius, 100);
    EXPECT_DOUBLE_EQ(skin.Metrics().SpeakerRatio(), 1.5);
    ASSERT_TRUE(skin.Load(Numbers().Reader()).Ok());
    EXPECT_DOUBLE_EQ(skin.Metrics().SpeakerRatio(), 100.0 / 150.0);
}

struct BAD_NUMBER_CASE {
    const char16_t* Section;
    const char16_t* Key;
    const char16_t* Value; // nullptr: the key is missing
    const char16_t* Named;
};

TEST(SkinSetting, BadOrMissingNumbersAreConversionErrors) {
    const BAD_NUMBER_CASE cases[] = {
        {u"Main", u"LogoImage", u"Logo.png,12a", u"12a"},
        {u"EQ", u"EQ60HzSliderImage", u"s.png,1,2,3,four", u"four"},
        {u"Main", u"BackNotebook", u"392,104,,292", u""},
        {u"EQ", u"EQSlider", u"200,1.5", u"1.5"},
        {u"Mic", u"MicProgressLength", u"", u""},
        {u"Virtual7ch1", u"VirtualCenter", u"x", u"x"},
        {u"EQ", u"EQPanel", nullptr, u""},
        {u"Virtual7ch1", u"VirtualPanel", u"12 ,292", u"12 "},
        // The thumbs' positions are divided by the travel in force.
        {u"Mic", u"MicSlider", u"180,0", u"0"},
        {u"Mic", u"MicSlider", u"180,-120", u"-120"},
    };
    for (const BAD_NUMBER_CASE& c : cases) {
        CProfileFile file = Numbers();
        file.Remove(c.Section, c.Key);
        if (c.Value != nullptr) file.Set(c.Section, c.Key, c.Value);
        CSkinSetting skin;
        const PANEL_STATUS status = skin.Load(file.Reader());
        EXPECT_EQ(status.Code, PanelInvalidInteger) << test::Narrow(c.Key);
        EXPECT_EQ(status.Message, u"'" + std::u16string(c.Named) + u"' is not a valid integer value")
            << test::Narrow(c.Key);
    }
}

TEST(SkinSetting, FewerItemsThanTheRowKeepTheEarlierValues) {
    CSkinSetting skin;
    ASSERT_TRUE(skin.Load(Numbers().Reader()).Ok());
    CProfileFile file = Numbers();
    file.Set(u"EQ", u"EQSlider", u"90");
    file.Set(u"Mic", u"MicSlider", u"180");
    ASSERT_TRUE(skin.Load(file.Reader()).Ok());
    EXPECT_EQ(skin.Metrics().EqSliderTop, 90);
    EXPECT_EQ(skin.Metrics().SliderTravel, 120);
}

TEST(SkinSetting, OnlyTheTravelInForceMustBePositive) {
    CProfileFile file = Numbers();
    file.Set(u"EQ", u"EQSlider", u"200,0"); // the mic's travel, read last, is the one in force
    CSkinSetting skin;
    EXPECT_TRUE(skin.Load(file.Reader()).Ok());
    EXPECT_EQ(skin.Metrics().SliderTravel, 120);
    // A first skin that gives no travel at all has none.
    file.Set(u"EQ", u"EQSlider", u"200");
    file.Set(u"Mic", u"MicSlider", u"180");
    CSkinSetting fresh;
    const PANEL_STATUS status = fresh.Load(file.Reader());
    EXPECT_EQ(status.Code, PanelInvalidInteger);
    EXPECT_EQ(status.Message, u"'0' is not a valid integer value");
}

TEST(SkinSetting, SkinNameDropsAcceleratorMarks) {
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"Graphite", u"Graphite"}, {u"&Graphite", u"Graphite"}, {u"Rock & Roll", u"Rock  Roll"},
        {u"A&&B", u"A&B"},          {u"End&", u"End"},           {u"", u""}};
    for (const auto& [caption, name] : cases)
        EXPECT_EQ(SkinNameFromCaption(caption), name);
    EXPECT_EQ(SkinFolderPath(u"C:\\Tonvel\\", u"Skin", u"Azure"), u"C:\\Tonvel\\Skin\\Azure\\");
    EXPECT_EQ(SkinFolderPath(u"C:\\Tonvel\\", u"Skin", u""), u"C:\\Tonvel\\Skin\\\\");
}

const SKIN_PLACEMENT* Find(const std::vector<SKIN_PLACEMENT>& plan, const std::u16string& component) {
    for (const SKIN_PLACEMENT& p : plan)
        if (component == p.Component) return &p;
    return nullptr;
}

TEST(SkinApply, UpAndDownFollowTheFeatureState) {
    SKIN_FEATURE_STATE state;
    state.LedOn = false;
    state.EqEnabled = true;
    state.Preset = 3;
    state.Effect = 3;
    state.MicMute = true;
    state.Clockwise = true;
    state.AlphaConnection = 2;
    state.BetaConnection = -1;
    const std::vector<SKIN_PLACEMENT> plan = SkinApplicationPlan(state);
    const std::pair<const char16_t*, SKIN_IMAGE> expected[] = {
        {u"LEDImage", SKIN_IMAGE::Main_LedImageUp},
        {u"CloseImage", SKIN_IMAGE::Main_CloseImageUp},
        {u"EQEQENImage", SKIN_IMAGE::EQ_EQEQENImageDown},
        {u"EQ3DENImage", SKIN_IMAGE::EQ_EQ3DENImageUp},
        {u"EQS1Image", SKIN_IMAGE::EQ_EQS1ImageUp},
        {u"EQS3Image", SKIN_IMAGE::EQ_EQS3ImageDown},
        {u"D3FBMImage", SKIN_IMAGE::D3_D3FBMImageDown},
        {u"D3AlphaImage", SKIN_IMAGE::D3_D3AlphaInvImage},
        {u"D3BetaImage", SKIN_IMAGE::D3_D3BetaIndepImage},
        // effect 3 (Bathroom) is the button with tag 18, the component named after the stone gallery
        {u"EffectButtonStoneGalleryImage", SKIN_IMAGE::Effect_EffectButtonBathroomImageDown},
        {u"EffectButtonBathroomImage", SKIN_IMAGE::Effect_EffectButtonStoneGalleryImageUp},
        {u"EffectPicImage", SKIN_IMAGE::Effect_EffectPicBathroomImage},
        {u"MicMuteImage", SKIN_IMAGE::Mic_MicMuteImageDown},
        {u"MicBoostImage", SKIN_IMAGE::Mic_MicBoostImageUp},
        {u"VirtualClockwiseImage", SKIN_IMAGE::Virtual7ch1_VirtualClockwiseDownImage},
        {u"VirtualCounterclockwiseImage", SKIN_IMAGE::Virtual7ch1_VirtualCounterclockwiseUpImage},
        {u"VirtualResetImage", SKIN_IMAGE::Virtual7ch1_VirtualResetUpImage},
    };
    for (const auto& [component, image] : expected) {
        const SKIN_PLACEMENT* p = Find(plan, component);
        ASSERT_NE(p, nullptr) << test::Narrow(component);
        EXPECT_EQ(p->Image, image) << test::Narrow(component);
    }
    EXPECT_TRUE(Find(plan, u"MicProgressImage")->ZeroWidth);
    EXPECT_FALSE(Find(plan, u"MicBarImage")->ZeroWidth);
    EXPECT_EQ(Find(plan, u"LOGOQ7Image"), nullptr); // the About logo is put on when the box opens
}

TEST(SkinApply, EveryWindowComponentOnceInPageOrder) {
    const std::vector<SKIN_PLACEMENT> plan = SkinApplicationPlan({});
    EXPECT_EQ(plan.size(), 92u); // 9 window items, 24 + 23 + 11 + 11 + 14 on the pages
    EXPECT_EQ(std::u16string(plan.front().Component), u"MainFormImage");
    EXPECT_EQ(std::u16string(plan[8].Component), u"LogoImage");
    EXPECT_EQ(std::u16string(plan[9].Component), u"Back_EQImage");
    EXPECT_EQ(std::u16string(plan.back().Component), u"VirtualSUBImage");
    for (size_t i = 0; i < plan.size(); ++i)
        for (size_t j = i + 1; j < plan.size(); ++j)
            EXPECT_NE(std::u16string(plan[i].Component), std::u16string(plan[j].Component));
}

TEST(SkinApply, ConnectionPicturesFollowTheClickCycle) {
    const std::pair<int32_t, SKIN_IMAGE> alpha[] = {{-1, SKIN_IMAGE::D3_D3AlphaIndepImage},
                                                    {0, SKIN_IMAGE::D3_D3AlphaIndepImage},
                                                    {1, SKIN_IMAGE::D3_D3AlphaDepImage},
                                                    {2, SKIN_IMAGE::D3_D3AlphaInvImage}};
    for (const auto& [state, image] : alpha)
        EXPECT_EQ(AlphaConnectionImage(state), image) << state;
    EXPECT_EQ(BetaConnectionImage(1), SKIN_IMAGE::D3_D3BetaDepImage);
    _SKIN_IMAGE_INFO info;
    info.FileName = u"D3AlphaDep.png";
    EXPECT_EQ(SkinPicturePath(u"C:\\T\\Skin\\A\\", u"3D\\", info), u"C:\\T\\Skin\\A\\3D\\D3AlphaDep.png");
}

} // namespace
} // namespace tonvel
