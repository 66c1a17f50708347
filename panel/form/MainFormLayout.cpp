#include "panel/form/MainFormLayout.h"

#include "panel/form/FeaturePartsOf.h"

namespace tonvel {
namespace {

// Design bounds are where a component sits before the skin and language files place it.
const LAYOUT_ITEM LayoutItems[] = {
    {LAYOUT_KIND::Image, u"MainFormImage", -1, 0, 0, 0, 800, 500, true, true, LAYOUT_EVENTS::Background,
     nullptr},
    {LAYOUT_KIND::Image, u"CloseImage", -1, 0, 736, 16, 22, 22, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"MinimizeImage", -1, 1, 706, 16, 22, 22, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"Menu1Image", -1, 2, 36, 212, 100, 30, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"Menu2Image", -1, 3, 36, 250, 100, 30, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"Menu3Image", -1, 4, 36, 288, 100, 30, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"Menu1Label", -1, 2, 50, 405, 40, 13, true, true, LAYOUT_EVENTS::Label, u"Save"},
    {LAYOUT_KIND::Label, u"Menu2Label", -1, 3, 166, 405, 40, 13, true, true, LAYOUT_EVENTS::Label, u"Load"},
    {LAYOUT_KIND::Label, u"Menu3Label", -1, 4, 282, 405, 40, 13, true, true, LAYOUT_EVENTS::Label, u"About"},
    {LAYOUT_KIND::Image, u"DeviceActiveImage", -1, 0, 36, 96, 24, 24, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Label, u"DeviceActiveLabel", -1, 0, 64, 100, 120, 13, true, true, LAYOUT_EVENTS::None,
     u"DeviceActiveLabel"},
    {LAYOUT_KIND::Image, u"LogoImage", -1, 0, 40, 26, 200, 50, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Label, u"CompanyNameLabel", -1, 0, 28, 440, 80, 13, true, true, LAYOUT_EVENTS::None,
     u"CompanyNameLabel"},
    {LAYOUT_KIND::Label, u"FeaturesLabel", -1, 0, 28, 458, 200, 13, true, true, LAYOUT_EVENTS::None,
     u"FeaturesLabel"},
    {LAYOUT_KIND::Image, u"LEDImage", -1, 51, 36, 330, 40, 20, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"SyncImage", -1, 28, 36, 370, 40, 20, false, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"SyncLabel", -1, 28, 80, 374, 40, 13, false, true, LAYOUT_EVENTS::Label, u"Sync"},
    {LAYOUT_KIND::Label, u"SettingLabel", -1, 0, 112, 184, 80, 13, true, true, LAYOUT_EVENTS::None,
     u"SettingLabel"},
    {LAYOUT_KIND::Label, u"SXLabel", -1, 0, 216, 184, 40, 13, true, true, LAYOUT_EVENTS::None, u"SXLabel"},
    {LAYOUT_KIND::Label, u"PageEQLabel", -1, 23, 404, 80, 60, 17, true, true, LAYOUT_EVENTS::PageTab, u"EQ"},
    {LAYOUT_KIND::Label, u"Page3DLabel", -1, 24, 470, 80, 30, 17, false, false, LAYOUT_EVENTS::PageTab,
     u"3D"},
    {LAYOUT_KIND::Label, u"PageEffectLabel", -1, 25, 510, 80, 60, 17, true, true, LAYOUT_EVENTS::PageTab,
     u"Effect"},
    {LAYOUT_KIND::Label, u"PageMicLabel", -1, 26, 580, 80, 60, 17, true, true, LAYOUT_EVENTS::PageTab,
     u"Mic"},
    {LAYOUT_KIND::Label, u"PageVirtual7p1Label", -1, 27, 650, 80, 80, 17, true, true, LAYOUT_EVENTS::PageTab,
     u"Virtual7.1"},
    {LAYOUT_KIND::Bevel, u"Bevel1", -1, 0, 464, 80, 8, 17, false, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Bevel, u"Bevel2", -1, 0, 500, 80, 8, 17, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Bevel, u"Bevel3", -1, 0, 570, 80, 8, 17, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Bevel, u"Bevel4", -1, 0, 640, 80, 8, 17, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"Back_EQImage", 0, 0, 0, 0, 365, 292, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"EQEQENImage", 0, 7, 12, 10, 90, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"EQEQENLabel", 0, 7, 36, 15, 50, 13, true, true, LAYOUT_EVENTS::Label, u"EQ"},
    {LAYOUT_KIND::Image, u"EQ3DENImage", 0, 8, 116, 10, 90, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"EQ3DENLabel", 0, 8, 140, 15, 50, 13, true, true, LAYOUT_EVENTS::Label, u"3D"},
    {LAYOUT_KIND::Image, u"EQResetImage", 0, 5, 257, 10, 90, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"EQResetLabel", 0, 5, 281, 15, 40, 13, true, true, LAYOUT_EVENTS::Label, u"Reset"},
    {LAYOUT_KIND::Image, u"EQS1Image", 0, 9, 12, 44, 80, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"EQS2Image", 0, 10, 99, 44, 80, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"EQS3Image", 0, 11, 186, 44, 80, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"EQS4Image", 0, 12, 273, 44, 80, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"EQS1Label", 0, 9, 36, 49, 40, 13, true, true, LAYOUT_EVENTS::Label, u"S1"},
    {LAYOUT_KIND::Label, u"EQS2Label", 0, 10, 123, 49, 40, 13, true, true, LAYOUT_EVENTS::Label, u"S2"},
    {LAYOUT_KIND::Label, u"EQS3Label", 0, 11, 210, 49, 40, 13, true, true, LAYOUT_EVENTS::Label, u"S3"},
    {LAYOUT_KIND::Label, u"EQS4Label", 0, 12, 297, 49, 40, 13, true, true, LAYOUT_EVENTS::Label, u"S4"},
    {LAYOUT_KIND::Image, u"EQButtonLineImage1", 0, 0, 12, 76, 340, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQButtonLineImage2", 0, 0, 12, 78, 340, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQButtonLineImage3", 0, 0, 12, 80, 340, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQButtonLineImage4", 0, 0, 12, 82, 340, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQButtonLineImage5", 0, 0, 12, 84, 340, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQGraduationImage", 0, 0, 10, 80, 60, 150, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ60HzBarImage", 0, 129, 82, 80, 6, 150, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"EQ300HzBarImage", 0, 130, 140, 80, 6, 150, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ1200HzBarImage", 0, 131, 198, 80, 6, 150, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ3600HzBarImage", 0, 132, 256, 80, 6, 150, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ12000HzBarImage", 0, 133, 314, 80, 6, 150, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ60HzSliderImage", 0, 29, 71, 140, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ300HzSliderImage", 0, 30, 129, 140, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ1200HzSliderImage", 0, 31, 187, 140, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ3600HzSliderImage", 0, 32, 245, 140, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ12000HzSliderImage", 0, 33, 303, 140, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ60HzValueImage", 0, 0, 66, 60, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ300HzValueImage", 0, 0, 124, 60, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ1200HzValueImage", 0, 0, 182, 60, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ3600HzValueImage", 0, 0, 240, 60, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EQ12000HzValueImage", 0, 0, 298, 60, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Label, u"EQ60HzValueLabel", 0, 29, 76, 62, 20, 13, false, true, LAYOUT_EVENTS::Label, u"0"},
    {LAYOUT_KIND::Label, u"EQ300HzValueLabel", 0, 30, 134, 62, 20, 13, false, true, LAYOUT_EVENTS::Label,
     u"0"},
    {LAYOUT_KIND::Label, u"EQ1200HzValueLabel", 0, 31, 192, 62, 20, 13, false, true, LAYOUT_EVENTS::Label,
     u"0"},
    {LAYOUT_KIND::Label, u"EQ3600HzValueLabel", 0, 32, 250, 62, 20, 13, false, true, LAYOUT_EVENTS::Label,
     u"0"},
    {LAYOUT_KIND::Label, u"EQ12000HzValueLabel", 0, 33, 308, 62, 20, 13, false, true, LAYOUT_EVENTS::Label,
     u"0"},
    {LAYOUT_KIND::Label, u"EQ60HzLabel", 0, 0, 69, 238, 40, 13, true, true, LAYOUT_EVENTS::None, u"60 Hz"},
    {LAYOUT_KIND::Label, u"EQ300HzLabel", 0, 0, 127, 238, 40, 13, true, true, LAYOUT_EVENTS::None, u"300 Hz"},
    {LAYOUT_KIND::Label, u"EQ1200HzLabel", 0, 0, 185, 238, 40, 13, true, true, LAYOUT_EVENTS::None,
     u"1200 Hz"},
    {LAYOUT_KIND::Label, u"EQ3600HzLabel", 0, 0, 243, 238, 40, 13, true, true, LAYOUT_EVENTS::None,
     u"3600 Hz"},
    {LAYOUT_KIND::Label, u"EQ12000HzLabel", 0, 0, 301, 238, 40, 13, true, true, LAYOUT_EVENTS::None,
     u"12000 Hz"},
    {LAYOUT_KIND::Image, u"Back_3DImage", 1, 0, 0, 0, 365, 292, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"D33DENImage", 1, 0, 12, 10, 90, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"D33DENLabel", 1, 0, 36, 15, 50, 13, true, true, LAYOUT_EVENTS::Label, u"3D"},
    {LAYOUT_KIND::Image, u"D3FBMImage", 1, 13, 116, 10, 90, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"D3FBMLabel", 1, 13, 140, 15, 40, 13, true, true, LAYOUT_EVENTS::Label, u"FBM"},
    {LAYOUT_KIND::Image, u"D3ResetImage", 1, 6, 257, 10, 90, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"D3ResetLabel", 1, 6, 281, 15, 40, 13, true, true, LAYOUT_EVENTS::Label, u"Reset"},
    {LAYOUT_KIND::Image, u"D3LChannelImage", 1, 0, 12, 60, 140, 24, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"D3RChannelImage", 1, 0, 212, 60, 140, 24, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3ConnectionImage", 1, 0, 152, 60, 60, 24, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Label, u"D3LChannelLabel", 1, 0, 24, 66, 60, 13, true, true, LAYOUT_EVENTS::None, u"L"},
    {LAYOUT_KIND::Label, u"D3RChannelLabel", 1, 0, 223, 66, 60, 13, true, true, LAYOUT_EVENTS::None, u"R"},
    {LAYOUT_KIND::Label, u"D3ConnectLabel", 1, 0, 157, 66, 40, 13, true, true, LAYOUT_EVENTS::None, u"Link"},
    {LAYOUT_KIND::Image, u"D3AlphaImage", 1, 14, 160, 120, 40, 30, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"D3BetaImage", 1, 15, 160, 180, 40, 30, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"D3ButtonLineImage1", 1, 0, 12, 40, 340, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3ButtonLineImage2", 1, 0, 12, 90, 340, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3LAlphaBarImage", 1, 0, 48, 105, 6, 134, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3LBetaBarImage", 1, 0, 108, 105, 6, 134, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3RAlphaBarImage", 1, 0, 248, 105, 6, 134, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3RBetaBarImage", 1, 0, 308, 105, 6, 134, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3LAlphaSliderImage", 1, 35, 37, 165, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3LBetaSliderImage", 1, 34, 97, 165, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3RAlphaSliderImage", 1, 37, 237, 165, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3RBetaSliderImage", 1, 36, 297, 165, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3LAlphaValueImage", 1, 0, 32, 100, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3LBetaValueImage", 1, 0, 92, 100, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3RAlphaValueImage", 1, 0, 232, 100, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3RBetaValueImage", 1, 0, 292, 100, 38, 18, false, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Label, u"D3LAlphaValueLabel", 1, 35, 40, 102, 20, 13, false, true, LAYOUT_EVENTS::Label,
     u"0"},
    {LAYOUT_KIND::Label, u"D3LBetaValueLabel", 1, 34, 100, 102, 20, 13, false, true, LAYOUT_EVENTS::Label,
     u"0"},
    {LAYOUT_KIND::Label, u"D3RAlphaValueLabel", 1, 37, 240, 102, 20, 13, false, true, LAYOUT_EVENTS::Label,
     u"0"},
    {LAYOUT_KIND::Label, u"D3RBetaValueLabel", 1, 36, 300, 102, 20, 13, false, true, LAYOUT_EVENTS::Label,
     u"0"},
    {LAYOUT_KIND::Image, u"D3LAlphaGraduationImage", 1, 0, 20, 105, 20, 134, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3LBetaGraduationImage", 1, 0, 80, 105, 20, 134, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3RAlphaGraduationImage", 1, 0, 220, 105, 20, 134, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"D3RBetaGraduationImage", 1, 0, 280, 105, 20, 134, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Label, u"D3LAlphaLabel", 1, 0, 44, 250, 10, 13, true, true, LAYOUT_EVENTS::None, u"\u03b1"},
    {LAYOUT_KIND::Label, u"D3LBetaLabel", 1, 0, 104, 250, 10, 13, true, true, LAYOUT_EVENTS::None, u"\u03b2"},
    {LAYOUT_KIND::Label, u"D3RAlphaLabel", 1, 0, 244, 250, 10, 13, true, true, LAYOUT_EVENTS::None,
     u"\u03b1"},
    {LAYOUT_KIND::Label, u"D3RBetaLabel", 1, 0, 304, 250, 10, 13, true, true, LAYOUT_EVENTS::None, u"\u03b2"},
    {LAYOUT_KIND::Image, u"Back_EffectImage", 2, 0, 0, 0, 365, 292, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"EffectPicImage", 2, 0, 170, 40, 180, 210, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonNonImage", 2, 16, 12, 18, 140, 26, true, true, LAYOUT_EVENTS::Image,
     nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonTheaterImage", 2, 17, 12, 70, 140, 26, true, true,
     LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonStoneGalleryImage", 2, 18, 12, 122, 140, 26, true, true,
     LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonLivingroomImage", 2, 19, 12, 174, 140, 26, true, true,
     LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonBathroomImage", 2, 20, 12, 226, 140, 26, true, true,
     LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonLineImage1", 2, 0, 12, 48, 140, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonLineImage2", 2, 0, 12, 100, 140, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonLineImage3", 2, 0, 12, 152, 140, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"EffectButtonLineImage4", 2, 0, 12, 204, 140, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Label, u"EffectNonLabel", 2, 16, 36, 24, 60, 13, true, true, LAYOUT_EVENTS::Label,
     u"Nothing"},
    {LAYOUT_KIND::Label, u"EffectTheaterLabel", 2, 17, 36, 76, 60, 13, true, true, LAYOUT_EVENTS::Label,
     u"Theater"},
    {LAYOUT_KIND::Label, u"EffectBathroomLabel", 2, 18, 36, 128, 60, 13, true, true, LAYOUT_EVENTS::Label,
     u"Bathroom"},
    {LAYOUT_KIND::Label, u"EffectLivingroomLabel", 2, 19, 36, 180, 60, 13, true, true, LAYOUT_EVENTS::Label,
     u"Living room"},
    {LAYOUT_KIND::Label, u"EffectStoneGalleryLabel", 2, 20, 36, 232, 60, 13, true, true, LAYOUT_EVENTS::Label,
     u"Stone gallery"},
    {LAYOUT_KIND::Image, u"Back_MicImage", 3, 0, 0, 0, 365, 292, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"MicBoostImage", 3, 21, 12, 10, 90, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"MicBoostLabel", 3, 21, 36, 15, 50, 13, true, true, LAYOUT_EVENTS::Label, u"Boost"},
    {LAYOUT_KIND::Image, u"MicMuteImage", 3, 22, 116, 10, 90, 24, true, true, LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"MicMuteLabel", 3, 22, 140, 15, 40, 13, true, true, LAYOUT_EVENTS::Label, u"Mute"},
    {LAYOUT_KIND::Image, u"MicButtonLineImage", 3, 0, 12, 40, 340, 2, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"MicPicImage", 3, 0, 20, 60, 120, 200, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"MicProgressImage", 3, 0, 160, 260, 180, 10, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"MicGainImage", 3, 0, 160, 50, 180, 24, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Label, u"MicGainLabel", 3, 0, 174, 56, 40, 13, true, true, LAYOUT_EVENTS::None, u"Gain"},
    {LAYOUT_KIND::Image, u"MicGraduationImage", 3, 0, 200, 80, 20, 150, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"MicBarImage", 3, 138, 248, 80, 6, 150, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"MicSliderImage", 3, 38, 237, 140, 28, 14, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"MicValueImage", 3, 0, 280, 150, 38, 18, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Label, u"MicValueLabel", 3, 38, 290, 154, 20, 13, true, true, LAYOUT_EVENTS::Label, u"0"},
    {LAYOUT_KIND::Image, u"Back_Virtual7p1Image", 4, 0, 0, 0, 365, 292, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"VirtualEnableImage", 4, 47, 12, 14, 110, 26, true, true, LAYOUT_EVENTS::Image,
     nullptr},
    {LAYOUT_KIND::Label, u"VirtualENLabel", 4, 47, 32, 20, 60, 13, true, true, LAYOUT_EVENTS::Label,
     u"Enable"},
    {LAYOUT_KIND::Image, u"VirtualClockwiseImage", 4, 49, 12, 50, 110, 26, true, true, LAYOUT_EVENTS::Image,
     nullptr},
    {LAYOUT_KIND::Label, u"VirtualClockwiseLabel", 4, 49, 32, 56, 60, 13, true, true, LAYOUT_EVENTS::Label,
     u"Clockwise"},
    {LAYOUT_KIND::Image, u"VirtualCounterclockwiseImage", 4, 50, 12, 86, 110, 26, true, true,
     LAYOUT_EVENTS::Image, nullptr},
    {LAYOUT_KIND::Label, u"VirtualCounterclockwiseLabel", 4, 50, 32, 92, 60, 13, true, true,
     LAYOUT_EVENTS::Label, u"Counterclockwise"},
    {LAYOUT_KIND::Image, u"VirtualResetImage", 4, 48, 12, 122, 110, 26, true, true, LAYOUT_EVENTS::Image,
     nullptr},
    {LAYOUT_KIND::Label, u"VirtualResetLabel", 4, 48, 32, 128, 60, 13, true, true, LAYOUT_EVENTS::Label,
     u"Reset"},
    {LAYOUT_KIND::Image, u"VirtualPicImage", 4, 0, 135, 30, 220, 220, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"VirtualCImage", 4, 41, 230, 40, 28, 28, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"VirtualLImage", 4, 39, 170, 70, 28, 28, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"VirtualRImage", 4, 40, 290, 70, 28, 28, true, true, LAYOUT_EVENTS::None, nullptr},
    {LAYOUT_KIND::Image, u"VirtualLSImage", 4, 43, 150, 140, 28, 28, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"VirtualRSImage", 4, 44, 310, 140, 28, 28, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"VirtualLBImage", 4, 45, 180, 210, 28, 28, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"VirtualRBImage", 4, 46, 280, 210, 28, 28, true, true, LAYOUT_EVENTS::None,
     nullptr},
    {LAYOUT_KIND::Image, u"VirtualSUBImage", 4, 42, 230, 130, 28, 28, true, true, LAYOUT_EVENTS::None,
     nullptr},
};

const char16_t* const PageCaptions[PageCount] = {u"EQ", u"3D", u"Effect", u"Mic", u"Virtual7.1"};
const char16_t* const PagePanels[PageCount] = {u"EQPanel", u"D3Panel", u"EffectPanel", u"MicPanel",
                                               u"Virtual7p1Panel"};
const char16_t* const PageNames[PageCount] = {u"EQPage", u"D3Page", u"EffectPage", u"MicPage",
                                              u"Virtual7p1Page"};

} // namespace

const LAYOUT_ITEM* MainFormLayout(size_t& count) {
    count = sizeof(LayoutItems) / sizeof(LayoutItems[0]);
    return LayoutItems;
}

const char16_t* PageCaption(int32_t page) {
    return page >= 0 && page < PageCount ? PageCaptions[page] : u"";
}
const char16_t* PagePanelName(int32_t page) {
    return page >= 0 && page < PageCount ? PagePanels[page] : u"";
}

MAIN_FORM_PARTS CreateMainFormComponents(ui::CForm& form) {
    MAIN_FORM_PARTS parts;
    size_t count = 0;
    const LAYOUT_ITEM* items = MainFormLayout(count);
    // The window's own children below the page container come first; the container lies above the
    // graphic controls anyway (it is a windowed control).
    auto create = [&](ui::CComponent& parent, const LAYOUT_ITEM& item) {
        ui::CComponent* component = nullptr;
        switch (item.Kind) {
        case LAYOUT_KIND::Image: {
            auto* image = parent.Add<ui::CImage>(item.Name);
            image->SetTransparent(true);
            component = image;
            break;
        }
        case LAYOUT_KIND::Label: {
            auto* label = parent.Add<ui::CLabel>(item.Name);
            label->SetTransparent(true);
            ui::UI_FONT font = form.Font();
            label->SetFont(font);
            label->SetCaption(item.Caption ? item.Caption : u"");
            component = label;
            break;
        }
        case LAYOUT_KIND::Bevel: {
            auto* bevel = parent.Add<ui::CBevel>(item.Name);
            bevel->SetShape(ui::BevelShape::RightLine); // the tab separators are lines, not frames
            component = bevel;
            break;
        }
        }
        component->SetTag(item.Tag);
        component->SetBounds(item.Left, item.Top, item.Width, item.Height);
        if (!item.Visible) component->SetVisible(false);
        if (!item.Enabled) component->SetEnabled(false);
        if (item.Name == std::u16string_view(u"MainFormImage"))
            parts.Background = static_cast<ui::CImage*>(component);
    };
    for (size_t i = 0; i < count; ++i)
        if (items[i].Page < 0) create(form, items[i]);

    parts.Notebook = form.Add<ui::CPageControl>(u"BackNotebook");
    parts.Notebook->SetBounds(NotebookLeft, NotebookTop, NotebookWidth, NotebookHeight);
    for (int32_t page = 0; page < PageCount; ++page) {
        ui::CPage* sheet = parts.Notebook->AddPage(PageNames[page], PageCaptions[page]);
        ui::CPanel* panel = sheet->Add<ui::CPanel>(PagePanels[page]);
        panel->SetBounds(0, 0, NotebookWidth, NotebookHeight);
        panel->SetDoubleBuffered(true);
        parts.Panels[page] = panel;
    }
    parts.Notebook->SetActivePageIndex(PageIndex(PANEL_PAGE::Eq));
    for (size_t i = 0; i < count; ++i)
        if (items[i].Page >= 0) create(*parts.Panels[items[i].Page], items[i]);
    parts.Features = FeaturePartsOf(form);
    return parts;
}

} // namespace tonvel
