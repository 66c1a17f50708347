#include "panel/model/MainLayout.h"
#include "panel/model/Language.h"
#include "panel/model/SkinSetting.h"
#include "panel/tests/TestProfile.h"

#include <gtest/gtest.h>

#include <set>

namespace tonvel {
namespace {

using test::Narrow;

TEST(MainLayout, TagsOfTheInteractiveComponents) {
    const std::pair<const char16_t*, int32_t> cases[] = {
        {u"CloseImage", 0},
        {u"MinimizeImage", 1},
        {u"Menu1Label", 2},
        {u"Menu3Image", 4},
        {u"EQResetLabel", 5},
        {u"D3ResetImage", 6},
        {u"EQEQENImage", 7},
        {u"EQ3DENLabel", 8},
        {u"EQS4Label", 12},
        {u"D3FBMImage", 13},
        {u"D3AlphaImage", 14},
        {u"D3BetaImage", 15},
        {u"D33DENImage", 0},
        {u"EffectButtonNonImage", 16},
        {u"EffectButtonStoneGalleryImage", 18},
        {u"EffectBathroomLabel", 18},
        {u"EffectButtonBathroomImage", 20},
        {u"EffectStoneGalleryLabel", 20},
        {u"MicMuteLabel", 22},
        {u"PageEQLabel", 23},
        {u"PageVirtual7p1Label", 27},
        {u"SyncLabel", 28},
        {u"EQ60HzSliderImage", 29},
        {u"EQ12000HzValueLabel", 33},
        {u"D3LBetaSliderImage", 34},
        {u"D3LAlphaSliderImage", 35},
        {u"D3RBetaValueLabel", 36},
        {u"D3RAlphaSliderImage", 37},
        {u"MicValueLabel", 38},
        {u"VirtualLImage", 39},
        {u"VirtualSUBImage", 42},
        {u"VirtualRBImage", 46},
        {u"VirtualENLabel", 47},
        {u"VirtualResetImage", 48},
        {u"VirtualCounterclockwiseLabel", 50},
        {u"LEDImage", 51},
        {u"EQ60HzBarImage", 129},
        {u"EQ12000HzBarImage", 133},
        {u"MicBarImage", 138},
    };
    for (const auto& [name, tag] : cases) {
        const COMPONENT_DESIGN* design = FindDesign(name);
        ASSERT_NE(design, nullptr) << Narrow(name);
        EXPECT_EQ(design->Tag, tag) << Narrow(name);
    }
}

TEST(MainLayout, PagesInOrderAndNamesUnique) {
    std::set<std::u16string> names;
    for (const COMPONENT_DESIGN& d : MainWindowDesign()) {
        EXPECT_TRUE(names.insert(d.Name).second) << Narrow(d.Name);
        if (d.Parent != nullptr) {
            EXPECT_TRUE(names.count(d.Parent)) << Narrow(d.Name) << ": parent comes first";
        }
        if (d.Page >= 0 && d.Kind != DESIGN_KIND::Panel) {
            EXPECT_EQ(std::u16string(d.Parent), PagePanel(d.Page)) << Narrow(d.Name);
        }
    }
    const char16_t* const panels[] = {u"EQPanel", u"D3Panel", u"EffectPanel", u"MicPanel",
                                      u"Virtual7p1Panel"};
    for (int32_t page = 0; page < PageCount; ++page) {
        const COMPONENT_DESIGN* panel = FindDesign(panels[page]);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->Page, page);
        EXPECT_EQ(std::u16string(panel->Parent), u"BackNotebook");
        EXPECT_EQ(panel->Width, 365);
    }
    const COMPONENT_DESIGN* form = FindDesign(u"AudioMainForm");
    EXPECT_EQ(form->Width, 806);
    EXPECT_EQ(form->Height, 522);
    EXPECT_EQ(FindDesign(u"BackNotebook")->Left, 392);
    EXPECT_EQ(FindDesign(u"AboutLabel")->Width, 373);
}

TEST(MainLayout, HiddenAtDesignTime) {
    for (const char16_t* name : {u"SyncImage", u"SyncLabel", u"Page3DLabel", u"Bevel1", u"EQ60HzValueImage",
                                 u"EQ300HzValueLabel", u"D3LAlphaValueLabel", u"D3RBetaValueImage"})
        EXPECT_FALSE(FindDesign(name)->Visible) << Narrow(name);
    EXPECT_FALSE(FindDesign(u"Page3DLabel")->Enabled);
    EXPECT_TRUE(FindDesign(u"Bevel2")->Visible);
    EXPECT_EQ(std::u16string(FindDesign(u"D3LAlphaLabel")->Caption), u"\u03b1");
}

TEST(MainLayout, EverySkinAndLanguageKeyHasItsComponent) {
    for (int i = 0; i < SkinImageCount; ++i) {
        const SKIN_IMAGE_KEY& key = SkinImageKey(static_cast<SKIN_IMAGE>(i));
        const COMPONENT_DESIGN* design = FindDesign(key.Component);
        ASSERT_NE(design, nullptr) << Narrow(key.Component);
        EXPECT_EQ(design->Kind, DESIGN_KIND::Image) << Narrow(key.Component);
    }
    for (const LABEL_KEY& key : LabelKeys()) {
        if (key.Component == nullptr) continue;
        const COMPONENT_DESIGN* design = FindDesign(key.Component);
        ASSERT_NE(design, nullptr) << Narrow(key.Component);
        EXPECT_EQ(design->Kind, DESIGN_KIND::Label) << Narrow(key.Component);
        if (key.Selected == LABEL_SELECTED::PageShown) {
            EXPECT_EQ(design->Tag, 23 + key.Which);
        }
    }
}

} // namespace
} // namespace tonvel
