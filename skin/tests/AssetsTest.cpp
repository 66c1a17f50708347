// The product's own data: both skins and both languages load completely with the panel's rules, every
// picture they name exists, outlines match the backgrounds, and thumbs and bars line up with the metrics.
// The files are read as the panel reads them: from the program folder of the simulated Windows, through its
// profile strings (Windows' rules, compared against wine's) and its files.

#include "base/text/Utf.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "platform/sim/SimWindows.h"
#include "skin/Language.h"
#include "skin/ProfileReader.h"
#include "skin/RegionFile.h"
#include "skin/SkinSetting.h"
#include "skin/tests/TestProfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tonvel {
namespace {

using test::Narrow;

const std::string Assets = TONVEL_ASSETS_DIR;
const std::u16string SimProgramFolder = u"C:\\Program Files\\Tonvel\\";

std::string SkinDir(const std::string& skin) {
    return Assets + "/Skin/" + skin + "/";
}

// The shipped files in the simulated program folder, copied once for the whole run.
class CShippedFiles {
public:
    static CShippedFiles& Get() {
        static CShippedFiles files;
        return files;
    }
    // A file of the program folder ("Skin\\Azure\\SkinSetting.ini") as the panel reads it.
    ProfileReader Reader(const std::u16string& file) {
        return MakeProfileReader(m_Sim.Profile(), SimProgramFolder + file);
    }
    std::u16string Value(const std::u16string& file, const std::u16string& section,
                         const std::u16string& key) {
        return Reader(file)(section, key);
    }
    // Whether the file has the key (also with an empty value).
    bool Has(const std::u16string& file, const std::u16string& section, const std::u16string& key) {
        std::u16string value;
        m_Sim.Profile().GetString(section, key, Absent, value, PanelValueBufferSize, SimProgramFolder + file);
        return value != Absent;
    }
    int32_t ReadAll(const std::u16string& file, std::vector<uint8_t>& bytes) {
        return m_Sim.Files().ReadAll(SimProgramFolder + file, bytes);
    }
    IFileSystem& Files() { return m_Sim.Files(); }

private:
    static constexpr char16_t Absent[] = u"\x01absent";

    CShippedFiles() {
        m_Sim.Files().CreateFolders(SimProgramFolder);
        std::filesystem::path host;
        m_Sim.Files().HostPath(SimProgramFolder, host);
        std::filesystem::copy(Assets, host,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

    sim::CSimWindows m_Sim;
};

std::u16string SkinFile(const std::string& skin, const std::u16string& name) {
    return u"Skin\\" + Utf8ToUtf16(skin) + u"\\" + name;
}

std::u16string LanguageFile(const std::string& language) {
    return u"Language\\" + Utf8ToUtf16(language) + u"\\Language.ini";
}

class SkinAssets : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const PANEL_STATUS status = m_Skin.Load(Files().Reader(Setting()));
        ASSERT_TRUE(status.Ok()) << Narrow(status.Message);
    }
    static CShippedFiles& Files() { return CShippedFiles::Get(); }
    std::u16string Setting() const { return SkinFile(GetParam(), u"SkinSetting.ini"); }
    std::string PicturePath(SKIN_IMAGE image) const {
        return SkinDir(GetParam()) + Narrow(m_Skin.Image(image).FileName);
    }
    void Size(SKIN_IMAGE image, int32_t& w, int32_t& h) const {
        ASSERT_TRUE(test::PictureSize(PicturePath(image), w, h)) << PicturePath(image);
    }

    CSkinSetting m_Skin;
};

TEST_P(SkinAssets, EveryKeyNamesAPictureThatExists) {
    for (int i = 0; i < SkinImageCount; ++i) {
        const SKIN_IMAGE image = static_cast<SKIN_IMAGE>(i);
        const SKIN_IMAGE_KEY& key = SkinImageKey(image);
        const std::u16string section = std::u16string(key.Section) == u"D3" ? u"3D" : key.Section;
        EXPECT_TRUE(Files().Has(Setting(), section, key.Key)) << Narrow(key.Key);
        ASSERT_FALSE(m_Skin.Image(image).FileName.empty()) << Narrow(key.Key);
        int32_t w = 0, h = 0;
        EXPECT_TRUE(test::PictureSize(PicturePath(image), w, h)) << Narrow(key.Key);
        EXPECT_GT(w, 0);
        EXPECT_GT(h, 0);
    }
    for (const SKIN_IMAGE image :
         {SKIN_IMAGE::D3_D3AlphaIndepImage, SKIN_IMAGE::D3_D3AlphaDepImage, SKIN_IMAGE::D3_D3AlphaInvImage,
          SKIN_IMAGE::D3_D3BetaIndepImage, SKIN_IMAGE::D3_D3BetaDepImage, SKIN_IMAGE::D3_D3BetaInvImage})
        EXPECT_TRUE(test::HostFileExists(SkinDir(GetParam()) + "3D/" + Narrow(m_Skin.Image(image).FileName)));
}

TEST_P(SkinAssets, LabelOverridesLoad) {
    CLanguage language;
    EXPECT_TRUE(language.ReadOverrides(Files().Reader(Setting())).Ok());
    for (const char16_t* key : LabelOverrideKeys()) {
        EXPECT_TRUE(Files().Has(Setting(), u"MainLable", key)) << Narrow(key);
        EXPECT_TRUE(language.Style(key)->HasLeft) << Narrow(key);
    }
}

TEST_P(SkinAssets, OutlineMatchesTheBackground) {
    std::vector<uint8_t> bytes;
    ASSERT_EQ(Files().ReadAll(SkinFile(GetParam(), u"MainForm_Frame.rgn"), bytes), FileOk);
    const REGION_OUTLINE outline = ReadRegionOutline(bytes);
    ASSERT_TRUE(outline.HasRegion);
    int32_t w = 0, h = 0;
    Size(SKIN_IMAGE::Main_MainFormImage, w, h);
    EXPECT_EQ(outline.Width, w);
    EXPECT_EQ(outline.Height, h);
    const std::vector<REGION_RECT> rects = RegionRectangles(outline.Data);
    ASSERT_FALSE(rects.empty());
    bool topLeftCorner = false, centre = false;
    for (const REGION_RECT& r : rects) {
        EXPECT_GE(r.Left, 0);
        EXPECT_GE(r.Top, 0);
        EXPECT_LE(r.Right, w);
        EXPECT_LE(r.Bottom, h);
        topLeftCorner |= r.Left <= 0 && r.Top <= 0 && r.Right > 0 && r.Bottom > 0;
        centre |= r.Left <= w / 2 && r.Right > w / 2 && r.Top <= h / 2 && r.Bottom > h / 2;
    }
    EXPECT_FALSE(topLeftCorner); // the corners are cut off
    EXPECT_TRUE(centre);
    // The page container fits inside the window.
    EXPECT_LE(m_Skin.m_BackNotebook.Value[0] + m_Skin.m_BackNotebook.Value[2], w);
    EXPECT_LE(m_Skin.m_BackNotebook.Value[1] + m_Skin.m_BackNotebook.Value[3], h);
}

TEST_P(SkinAssets, ThumbsTravelAlongTheirBars) {
    const _SKIN_METRICS& m = m_Skin.Metrics();
    EXPECT_EQ(m.SliderTravel, 120); // the 3D thumbs run over 105..225 with the shared travel
    struct SLIDER {
        SKIN_IMAGE Bar;
        SKIN_IMAGE Thumb;
        int32_t RangeTop;
    };
    const SLIDER sliders[] = {
        {SKIN_IMAGE::EQ_EQ60HzBarImage, SKIN_IMAGE::EQ_EQ60HzSliderImage, m.EqSliderTop},
        {SKIN_IMAGE::EQ_EQ300HzBarImage, SKIN_IMAGE::EQ_EQ300HzSliderImage, m.EqSliderTop},
        {SKIN_IMAGE::EQ_EQ1200HzBarImage, SKIN_IMAGE::EQ_EQ1200HzSliderImage, m.EqSliderTop},
        {SKIN_IMAGE::EQ_EQ3600HzBarImage, SKIN_IMAGE::EQ_EQ3600HzSliderImage, m.EqSliderTop},
        {SKIN_IMAGE::EQ_EQ12000HzBarImage, SKIN_IMAGE::EQ_EQ12000HzSliderImage, m.EqSliderTop},
        {SKIN_IMAGE::D3_D3LAlphaBarImage, SKIN_IMAGE::D3_D3LAlphaSliderImage, 105},
        {SKIN_IMAGE::D3_D3LBetaBarImage, SKIN_IMAGE::D3_D3LBetaSliderImage, 105},
        {SKIN_IMAGE::D3_D3RAlphaBarImage, SKIN_IMAGE::D3_D3RAlphaSliderImage, 105},
        {SKIN_IMAGE::D3_D3RBetaBarImage, SKIN_IMAGE::D3_D3RBetaSliderImage, 105},
        {SKIN_IMAGE::Mic_MicBarImage, SKIN_IMAGE::Mic_MicSliderImage, m.MicSliderTop},
    };
    for (const SLIDER& s : sliders) {
        const _SKIN_IMAGE_INFO& bar = m_Skin.Image(s.Bar);
        const _SKIN_IMAGE_INFO& thumb = m_Skin.Image(s.Thumb);
        const std::string name = Narrow(SkinImageKey(s.Thumb).Key);
        ASSERT_TRUE(bar.HasLeft && bar.HasTop && thumb.HasLeft && thumb.HasTop) << name;
        int32_t barW = 0, barH = 0, thumbW = 0, thumbH = 0;
        Size(s.Bar, barW, barH);
        Size(s.Thumb, thumbW, thumbH);
        // the bar spans the thumb from the top of its range to the bottom
        EXPECT_EQ(bar.Top, s.RangeTop) << name;
        EXPECT_EQ(barH, m.SliderTravel + thumbH) << name;
        // centred on each other, and the thumb starts inside its range
        EXPECT_LE(std::abs((bar.Left + barW / 2) - (thumb.Left + thumbW / 2)), 1) << name;
        EXPECT_GE(thumb.Top, s.RangeTop) << name;
        EXPECT_LE(thumb.Top, s.RangeTop + m.SliderTravel) << name;
    }
    // the level bar has room for its full length on the page
    const _SKIN_IMAGE_INFO& progress = m_Skin.Image(SKIN_IMAGE::Mic_MicProgressImage);
    EXPECT_LE(progress.Left + m.MicProgressLength, m_Skin.m_MicPanel.Value[0]);
    EXPECT_TRUE(progress.HasHeight);
}

TEST_P(SkinAssets, SpeakersStayInsideThePicture) {
    const _SKIN_METRICS& m = m_Skin.Metrics();
    const _SKIN_IMAGE_INFO& pic = m_Skin.Image(SKIN_IMAGE::Virtual7ch1_VirtualPicImage);
    int32_t picW = 0, picH = 0, iconW = 0, iconH = 0;
    Size(SKIN_IMAGE::Virtual7ch1_VirtualPicImage, picW, picH);
    Size(SKIN_IMAGE::Virtual7ch1_VirtualCImage, iconW, iconH);
    // the standard layout puts the icons at (radius / 2) * 1.6 from the centre; all of them must be placeable
    const int32_t r = static_cast<int32_t>((m.SpeakerRadius / 2) * 1.6);
    EXPECT_GT(m.SpeakerCenterX - r, pic.Left + 10);
    EXPECT_LE(m.SpeakerCenterX + r + iconW, pic.Left + picW - 10);
    EXPECT_GE(m.SpeakerCenterY - r, pic.Top + 10);
    EXPECT_LE(m.SpeakerCenterY + r + iconH, pic.Top + picH - 10);
}

INSTANTIATE_TEST_SUITE_P(Skins, SkinAssets, testing::Values("Graphite", "Azure"));

TEST(SkinAssetsAll, TheTwoSkinsDiffer) {
    CShippedFiles& files = CShippedFiles::Get();
    const std::u16string graphite = SkinFile("Graphite", u"SkinSetting.ini");
    const std::u16string azure = SkinFile("Azure", u"SkinSetting.ini");
    EXPECT_NE(files.Value(graphite, u"Main", u"Menu1ImageUp"), files.Value(azure, u"Main", u"Menu1ImageUp"));
    EXPECT_NE(files.Value(graphite, u"Virtual7ch1", u"VirtualCenter"),
              files.Value(azure, u"Virtual7ch1", u"VirtualCenter"));
    std::vector<uint8_t> ra, rb;
    ASSERT_EQ(files.ReadAll(SkinFile("Graphite", u"MainForm_Frame.rgn"), ra), FileOk);
    ASSERT_EQ(files.ReadAll(SkinFile("Azure", u"MainForm_Frame.rgn"), rb), FileOk);
    EXPECT_NE(ra, rb);
}

const char16_t* const SetupKeys[] = {
    u"LabelBackBtn",          u"LabelNextBtn",  u"LabelFinishBtn", u"LabelCancelBtn", u"LabelSelectLang",
    u"LabelVersion",          u"LabelAudioExt", u"LabelInstall",   u"LabelReboot",    u"LabelRebootRadioBtn",
    u"LabelNoRebootRadioBtn", u"LabelTitle",    u"LabelWarning1",  u"LabelWarning2",  u"LabelWarning3",
    u"LabelWarning4",         u"LabelWarning5", u"LabelWarning6"};

class LanguageAssets : public testing::TestWithParam<const char*> {};

TEST_P(LanguageAssets, EveryKeyLoads) {
    CShippedFiles& files = CShippedFiles::Get();
    const std::u16string file = LanguageFile(GetParam());
    CLanguage language;
    const PANEL_STATUS status = language.Load(files.Reader(file));
    ASSERT_TRUE(status.Ok()) << Narrow(status.Message);
    for (const char16_t* key : {u"ColorUp", u"ColorDown", u"Font", u"FontSize"})
        EXPECT_TRUE(files.Has(file, u"GlobalFont", key)) << Narrow(key);
    EXPECT_NE(language.GlobalFont().FontSize, GlobalNotSet);
    for (size_t i = 0; i < LabelKeyCount; ++i) {
        const LABEL_KEY& key = LabelKeys()[i];
        EXPECT_TRUE(files.Has(file, key.Section, key.Key)) << Narrow(key.Key);
        const std::u16string k = key.Key;
        // The 3D tab cannot be clicked and the synchronisation switch is hidden, so they stay without text.
        const bool shown = k != u"LabelPage3D" && k != u"LabelSync";
        EXPECT_EQ(LabelTextShown(language.Style(i).Text), shown) << Narrow(key.Key);
    }
    EXPECT_FALSE(NoDeviceWarning(language, u"Tonvel").Text.empty());
    // The setup splits its values at every comma, without quotes, so its texts hold none.
    for (const char16_t* key : SetupKeys) {
        EXPECT_TRUE(files.Has(file, u"Setup", key)) << Narrow(key);
        EXPECT_EQ(files.Value(file, u"Setup", key).find(u','), std::u16string::npos) << Narrow(key);
        EXPECT_FALSE(files.Value(file, u"Setup", key).empty()) << Narrow(key);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageAssets, testing::Values("English", "Deutsch"));

TEST(ConfigAsset, HoldsEverySectionTheProgramsRead) {
    CShippedFiles& files = CShippedFiles::Get();
    const std::u16string cfg = u"AudioConfig.cfg";
    const std::pair<const char16_t*, const char16_t*> keys[] = {
        {u"Language", u"LanguageFolderName"},
        {u"Language", u"DefaultLanguage"},
        {u"Skin", u"SkinFolderName"},
        {u"Skin", u"DefaultSkin"},
        {u"Install", u"InstallAppTitle"},
        {u"Install", u"InstallIconFileName"},
        {u"Install", u"InstallFolderName"},
        {u"Install", u"ShortcutFolderName"},
        {u"Install", u"AppShortcutName"},
        {u"Install", u"APPFileName"},
        {u"Install", u"UserManualShortcutName"},
        {u"Install", u"BackgroundWidth"},
        {u"Install", u"BackgroundHeight"},
        {u"Install", u"InstallBackgroundFileName"},
        {u"Uninstall", u"UninstallShortcutName"},
        {u"Uninstall", u"Publisher"},
        {u"Uninstall", u"UninstallDisplayName"},
        {u"Uninstall", u"UninstallFileName"},
        {u"TrayIconHint", u"HintName"},
        {u"LastINI", u"Path"},
        {u"MultiLanguageFolderMap", u"English"},
        {u"MultiLanguageFolderMap", u"Deutsch"},
    };
    for (const auto& [section, key] : keys)
        EXPECT_TRUE(files.Has(cfg, section, key)) << Narrow(key);
    EXPECT_TRUE(
        test::HostFileExists(Assets + "/" + Narrow(files.Value(cfg, u"Install", u"InstallIconFileName"))));
    EXPECT_TRUE(test::HostFileExists(Assets + "/" +
                                     Narrow(files.Value(cfg, u"Install", u"InstallBackgroundFileName"))));
    EXPECT_TRUE(
        test::HostFileExists(SkinDir(Narrow(files.Value(cfg, u"Skin", u"DefaultSkin"))) + "SkinSetting.ini"));
    // The device-ID sections as their loader reads them.
    for (const char16_t* section : {u"USB_VID_PID", u"HID_VID_PID"}) {
        CDeviceIdMgr group;
        ASSERT_EQ(group.Load(files.Files(), SimProgramFolder + cfg, section), DeviceIdLoaded);
        ASSERT_FALSE(group.RawValues().empty());
        for (const std::u16string& value : group.RawValues()) {
            EXPECT_NE(value.find(u','), std::u16string::npos);
            EXPECT_EQ(value.find(u"PENDING"), std::u16string::npos) << "token not made yet";
        }
    }
}

TEST(ConfigAsset, DeviceIdTokensAreProven) {
    // The shipped file, in the program folder of a simulated machine.
    IFileSystem& fileSystem = CShippedFiles::Get().Files();
    const std::u16string path = SimProgramFolder + u"AudioConfig.cfg";
    for (const char16_t* section : {u"USB_VID_PID", u"HID_VID_PID"}) {
        CDeviceIdMgr group;
        ASSERT_EQ(group.Load(fileSystem, path, section), DeviceIdLoaded) << Narrow(section);
        EXPECT_EQ(group.DeviceMap().size(), group.RawValues().size()) << "every entry is accepted";
    }
    CDeviceIdMgr usb;
    ASSERT_EQ(usb.Load(fileSystem, path, u"USB_VID_PID"), DeviceIdLoaded);
    EXPECT_TRUE(usb.Match(u"USB\\VID_7F1C&PID_721B&REV_0100&MI_03"));
    EXPECT_TRUE(usb.Match(u"usb\\vid_7f1c&pid_72a5&rev_0100&mi_03"));
    // The panel's start-up search lists the audio interfaces (MI_00): they are in the group too.
    EXPECT_TRUE(usb.Match(u"USB\\VID_7F1C&PID_721B&REV_0100&MI_00"));
    EXPECT_FALSE(usb.Match(u"USB\\VID_7F1C&PID_721B&REV_0100&MI_01"));
    EXPECT_FALSE(usb.Match(u"USB\\VID_0600&PID_721B&REV_0100&MI_00"));
}

} // namespace
} // namespace tonvel
