#include "panel/model/MainLayout.h"

#include <string>

namespace tonvel {

namespace {

using K = DESIGN_KIND;

const char16_t* const kPanels[PageCount] = {u"EQPanel", u"D3Panel", u"EffectPanel", u"MicPanel",
                                            u"Virtual7p1Panel"};

class CDesignBuilder {
public:
    explicit CDesignBuilder(std::vector<COMPONENT_DESIGN>& out) : m_Out(out) {}

    void Image(const char16_t* name, int32_t tag = 0, bool visible = true) {
        m_Out.push_back({name, K::Image, Parent(), m_Page, tag, 0, 0, 0, 0, visible, true, nullptr});
    }
    void ImageAt(const char16_t* name, int32_t tag, int32_t left, int32_t top, int32_t width,
                 int32_t height) {
        m_Out.push_back(
            {name, K::Image, Parent(), m_Page, tag, left, top, width, height, true, true, nullptr});
    }
    void Label(const char16_t* name, int32_t tag, const char16_t* caption, bool visible = true) {
        m_Out.push_back({name, K::Label, Parent(), m_Page, tag, 0, 0, 0, 0, visible, true, caption});
    }
    void Add(const COMPONENT_DESIGN& design) { m_Out.push_back(design); }
    void OnPage(int32_t page) { m_Page = page; }

private:
    const char16_t* Parent() const { return m_Page < 0 ? u"AudioMainForm" : kPanels[m_Page]; }

    std::vector<COMPONENT_DESIGN>& m_Out;
    int32_t m_Page = -1;
};

std::vector<COMPONENT_DESIGN> BuildMainWindow() {
    std::vector<COMPONENT_DESIGN> d;
    CDesignBuilder b(d);
    b.Add({u"AudioMainForm", K::Form, nullptr, -1, 0, 0, 0, MainClientWidth, MainClientHeight, true, true,
           u""});
    b.ImageAt(u"MainFormImage", 0, 0, 0, 800, 500);
    b.Image(u"CloseImage", 0);
    b.Image(u"MinimizeImage", 1);
    b.Image(u"Menu1Image", 2);
    b.Image(u"Menu2Image", 3);
    b.Image(u"Menu3Image", 4);
    b.Label(u"Menu1Label", 2, u"Save");
    b.Label(u"Menu2Label", 3, u"Load");
    b.Label(u"Menu3Label", 4, u"About");
    b.Image(u"DeviceActiveImage");
    b.Label(u"DeviceActiveLabel", 0, u"Unactive");
    b.Image(u"LogoImage");
    b.Label(u"CompanyNameLabel", 0, u"Company");
    b.Label(u"FeaturesLabel", 0, u"Features");
    b.Image(u"LEDImage", 51);
    b.Image(u"SyncImage", 28, false);
    b.Label(u"SyncLabel", 28, u"Sync", false);
    b.Label(u"SettingLabel", 0, u"Setting");
    b.Label(u"SXLabel", 0, u"S1");
    b.Label(u"PageEQLabel", 23, u"EQ");
    d.push_back({u"Page3DLabel", K::Label, u"AudioMainForm", -1, 24, 0, 0, 0, 0, false, false, u"3D"});
    b.Label(u"PageEffectLabel", 25, u"Effect");
    b.Label(u"PageMicLabel", 26, u"Mic");
    b.Label(u"PageVirtual7p1Label", 27, u"Virtual7.1");
    d.push_back({u"Bevel1", K::Bevel, u"AudioMainForm", -1, 0, 0, 0, 8, 17, false, true, nullptr});
    for (const char16_t* bevel : {u"Bevel2", u"Bevel3", u"Bevel4"})
        d.push_back({bevel, K::Bevel, u"AudioMainForm", -1, 0, 0, 0, 8, 17, true, true, nullptr});
    d.push_back(
        {u"BackNotebook", K::Notebook, u"AudioMainForm", -1, 0, 392, 104, 365, 292, true, true, nullptr});
    const char16_t* const captions[PageCount] = {u"EQ", u"3D", u"Effect", u"Mic", u"Virtual7.1"};
    for (int32_t page = 0; page < PageCount; ++page)
        d.push_back(
            {kPanels[page], K::Panel, u"BackNotebook", page, 0, 0, 0, 365, 292, true, true, captions[page]});

    b.OnPage(0);
    b.Image(u"Back_EQImage");
    b.Image(u"EQEQENImage", 7);
    b.Label(u"EQEQENLabel", 7, u"EQ-EN");
    b.Image(u"EQ3DENImage", 8);
    b.Label(u"EQ3DENLabel", 8, u"3D-EN");
    b.Image(u"EQResetImage", 5);
    b.Label(u"EQResetLabel", 5, u"Reset");
    const char16_t* const presetImages[] = {u"EQS1Image", u"EQS2Image", u"EQS3Image", u"EQS4Image"};
    const char16_t* const presetLabels[] = {u"EQS1Label", u"EQS2Label", u"EQS3Label", u"EQS4Label"};
    const char16_t* const presetCaptions[] = {u"S1", u"S2", u"S3", u"S4"};
    for (int i = 0; i < 4; ++i)
        b.Image(presetImages[i], 9 + i);
    for (int i = 0; i < 4; ++i)
        b.Label(presetLabels[i], 9 + i, presetCaptions[i]);
    for (const char16_t* line : {u"EQButtonLineImage1", u"EQButtonLineImage2", u"EQButtonLineImage3",
                                 u"EQButtonLineImage4", u"EQButtonLineImage5"})
        b.Image(line);
    b.Image(u"EQGraduationImage");
    const char16_t* const bars[] = {u"EQ60HzBarImage", u"EQ300HzBarImage", u"EQ1200HzBarImage",
                                    u"EQ3600HzBarImage", u"EQ12000HzBarImage"};
    const char16_t* const thumbs[] = {u"EQ60HzSliderImage", u"EQ300HzSliderImage", u"EQ1200HzSliderImage",
                                      u"EQ3600HzSliderImage", u"EQ12000HzSliderImage"};
    const char16_t* const valueImages[] = {u"EQ60HzValueImage", u"EQ300HzValueImage", u"EQ1200HzValueImage",
                                           u"EQ3600HzValueImage", u"EQ12000HzValueImage"};
    const char16_t* const valueLabels[] = {u"EQ60HzValueLabel", u"EQ300HzValueLabel", u"EQ1200HzValueLabel",
                                           u"EQ3600HzValueLabel", u"EQ12000HzValueLabel"};
    const char16_t* const bandLabels[] = {u"EQ60HzLabel", u"EQ300HzLabel", u"EQ1200HzLabel", u"EQ3600HzLabel",
                                          u"EQ12000HzLabel"};
    const char16_t* const bandCaptions[] = {u"60Hz", u"300Hz", u"1200Hz", u"3600Hz", u"12000Hz"};
    for (int i = 0; i < 5; ++i)
        b.Image(bars[i], 129 + i);
    for (int i = 0; i < 5; ++i)
        b.Image(thumbs[i], 29 + i);
    for (int i = 0; i < 5; ++i)
        b.Image(valueImages[i], 0, false);
    for (int i = 0; i < 5; ++i)
        b.Label(valueLabels[i], 29 + i, u"0", false);
    for (int i = 0; i < 5; ++i)
        b.Label(bandLabels[i], 0, bandCaptions[i]);

    b.OnPage(1);
    b.Image(u"Back_3DImage");
    b.Image(u"D33DENImage", 0);
    b.Label(u"D33DENLabel", 0, u"3D-EN");
    b.Image(u"D3FBMImage", 13);
    b.Label(u"D3FBMLabel", 13, u"FBM");
    b.Image(u"D3ResetImage", 6);
    b.Label(u"D3ResetLabel", 6, u"Reset");
    b.Image(u"D3LChannelImage");
    b.Image(u"D3RChannelImage");
    b.Image(u"D3ConnectionImage");
    b.Label(u"D3LChannelLabel", 0, u"L");
    b.Label(u"D3RChannelLabel", 0, u"R");
    b.Label(u"D3ConnectLabel", 0, u"Connection");
    b.Image(u"D3AlphaImage", 14);
    b.Image(u"D3BetaImage", 15);
    b.Image(u"D3ButtonLineImage1");
    b.Image(u"D3ButtonLineImage2");
    struct THUMB {
        const char16_t* Bar;
        const char16_t* Slider;
        const char16_t* ValueImage;
        const char16_t* ValueLabel;
        const char16_t* Graduation;
        const char16_t* Caption;
        const char16_t* Text;
        int32_t Tag;
    };
    const THUMB d3[] = {
        {u"D3LAlphaBarImage", u"D3LAlphaSliderImage", u"D3LAlphaValueImage", u"D3LAlphaValueLabel",
         u"D3LAlphaGraduationImage", u"D3LAlphaLabel", u"\u03b1", 35},
        {u"D3LBetaBarImage", u"D3LBetaSliderImage", u"D3LBetaValueImage", u"D3LBetaValueLabel",
         u"D3LBetaGraduationImage", u"D3LBetaLabel", u"\u03b2", 34},
        {u"D3RAlphaBarImage", u"D3RAlphaSliderImage", u"D3RAlphaValueImage", u"D3RAlphaValueLabel",
         u"D3RAlphaGraduationImage", u"D3RAlphaLabel", u"\u03b1", 37},
        {u"D3RBetaBarImage", u"D3RBetaSliderImage", u"D3RBetaValueImage", u"D3RBetaValueLabel",
         u"D3RBetaGraduationImage", u"D3RBetaLabel", u"\u03b2", 36},
    };
    for (const THUMB& t : d3)
        b.Image(t.Bar);
    for (const THUMB& t : d3)
        b.Image(t.Slider, t.Tag);
    for (const THUMB& t : d3)
        b.Image(t.ValueImage, 0, false);
    for (const THUMB& t : d3)
        b.Label(t.ValueLabel, t.Tag, u"0", false);
    for (const THUMB& t : d3)
        b.Image(t.Graduation);
    for (const THUMB& t : d3)
        b.Label(t.Caption, 0, t.Text);

    b.OnPage(2);
    b.Image(u"Back_EffectImage");
    b.Image(u"EffectPicImage");
    // Rows by tag: effect 1 at the top; tags 18 and 20 carry each other's names.
    const char16_t* const effectImages[] = {u"EffectButtonNonImage", u"EffectButtonTheaterImage",
                                            u"EffectButtonStoneGalleryImage", u"EffectButtonLivingroomImage",
                                            u"EffectButtonBathroomImage"};
    for (int i = 0; i < 5; ++i)
        b.ImageAt(effectImages[i], 16 + i, 12, 16 + 52 * i, 124, 30);
    for (const char16_t* line : {u"EffectButtonLineImage1", u"EffectButtonLineImage2",
                                 u"EffectButtonLineImage3", u"EffectButtonLineImage4"})
        b.Image(line);
    b.Label(u"EffectNonLabel", 16, u"Nothing");
    b.Label(u"EffectTheaterLabel", 17, u"Theater");
    b.Label(u"EffectBathroomLabel", 18, u"Bathroom");
    b.Label(u"EffectLivingroomLabel", 19, u"Living room");
    b.Label(u"EffectStoneGalleryLabel", 20, u"StoneGallery");

    b.OnPage(3);
    b.Image(u"Back_MicImage");
    b.Image(u"MicBoostImage", 21);
    b.Label(u"MicBoostLabel", 21, u"Boost");
    b.Image(u"MicMuteImage", 22);
    b.Label(u"MicMuteLabel", 22, u"Mute");
    b.Image(u"MicButtonLineImage");
    b.Image(u"MicPicImage");
    b.Image(u"MicProgressImage");
    b.Image(u"MicGainImage");
    b.Label(u"MicGainLabel", 0, u"Gain");
    b.Image(u"MicGraduationImage");
    b.Image(u"MicBarImage", 138);
    b.Image(u"MicSliderImage", 38);
    b.Image(u"MicValueImage");
    b.Label(u"MicValueLabel", 38, u"0");

    b.OnPage(4);
    b.Image(u"Back_Virtual7p1Image");
    b.Image(u"VirtualEnableImage", 47);
    b.Label(u"VirtualENLabel", 47, u"Enable");
    b.Image(u"VirtualClockwiseImage", 49);
    b.Label(u"VirtualClockwiseLabel", 49, u"Clockwise");
    b.Image(u"VirtualCounterclockwiseImage", 50);
    b.Label(u"VirtualCounterclockwiseLabel", 50, u"Counterclockwise");
    b.Image(u"VirtualResetImage", 48);
    b.Label(u"VirtualResetLabel", 48, u"Reset");
    b.Image(u"VirtualPicImage");
    const std::pair<const char16_t*, int32_t> speakers[] = {
        {u"VirtualCImage", 41},  {u"VirtualLImage", 39},  {u"VirtualRImage", 40},  {u"VirtualLSImage", 43},
        {u"VirtualRSImage", 44}, {u"VirtualLBImage", 45}, {u"VirtualRBImage", 46}, {u"VirtualSUBImage", 42}};
    for (const auto& [name, tag] : speakers)
        b.Image(name, tag);
    return d;
}

std::vector<COMPONENT_DESIGN> BuildAboutBox() {
    return {
        {u"AboutForm", K::Form, nullptr, -1, 0, 0, 0, 479, 89, true, true, u"About"},
        {u"AboutLabel", K::Label, u"AboutForm", -1, 0, 88, 20, 373, 61, true, true, u""},
        {u"LOGOQ7Image", K::Image, u"AboutForm", -1, 0, 16, 20, 57, 49, true, true, nullptr},
    };
}

} // namespace

const std::vector<COMPONENT_DESIGN>& MainWindowDesign() {
    static const std::vector<COMPONENT_DESIGN> design = BuildMainWindow();
    return design;
}

const std::vector<COMPONENT_DESIGN>& AboutBoxDesign() {
    static const std::vector<COMPONENT_DESIGN> design = BuildAboutBox();
    return design;
}

const char16_t* PagePanel(int32_t page) {
    return page >= 0 && page < PageCount ? kPanels[page] : nullptr;
}

const COMPONENT_DESIGN* FindDesign(const char16_t* name) {
    const std::u16string wanted = name;
    for (const auto* list : {&MainWindowDesign(), &AboutBoxDesign()})
        for (const COMPONENT_DESIGN& design : *list)
            if (wanted == design.Name) return &design;
    return nullptr;
}

} // namespace tonvel
