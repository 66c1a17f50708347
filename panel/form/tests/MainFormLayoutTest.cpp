// The main window's component tree as the layout table builds it: tags of the interactive components,
// parents and pages, design-time visibility, and a component for every key that skin and language files name.

#include "panel/form/MainFormLayout.h"
#include "base/text/Utf.h"
#include "panel/form/AboutForm.h"
#include "panel/form/FeaturePartsOf.h"
#include "skin/ComponentTags.h"
#include "skin/Language.h"
#include "skin/SkinSetting.h"
#include "ui/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <set>

namespace tonvel {
namespace {

std::string Narrow(const char16_t* text) {
    return Utf16ToUtf8(text ? text : u"(null)");
}

struct LayoutFixture : ::testing::Test {
    ui::CHeadlessBackend backend;
    ui::CApplication app{backend};
    ui::CForm form{app};
    MAIN_FORM_PARTS parts = CreateMainFormComponents(form);
    TAboutForm about{app};

    // A component of the main window or, for the About box's keys, of the About box.
    ui::CComponent& Get(const char16_t* name) {
        ui::CComponent* component = form.Find(name);
        if (component == nullptr) component = about.Find(name);
        if (component == nullptr) ADD_FAILURE() << "no component " << Narrow(name);
        return component ? *component : form;
    }
};

TEST_F(LayoutFixture, TagsOfTheInteractiveComponents) {
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
    for (const auto& [name, tag] : cases)
        EXPECT_EQ(Get(name).Tag(), tag) << Narrow(name);
}

TEST_F(LayoutFixture, PagesInOrderWithTheirPanelsAndNamesUnique) {
    std::set<std::u16string> names;
    size_t count = 0;
    const LAYOUT_ITEM* items = MainFormLayout(count);
    for (size_t i = 0; i < count; ++i) {
        EXPECT_TRUE(names.insert(items[i].Name).second) << Narrow(items[i].Name);
        ui::CComponent& component = Get(items[i].Name);
        const std::u16string parent = component.Parent() ? component.Parent()->Name() : u"";
        EXPECT_EQ(parent, items[i].Page < 0 ? form.Name() : std::u16string(PagePanelName(items[i].Page)))
            << Narrow(items[i].Name);
    }
    ASSERT_EQ(parts.Notebook, &Get(u"BackNotebook"));
    EXPECT_EQ(parts.Notebook->Left(), 392);
    EXPECT_EQ(parts.Notebook->ActivePageIndex(), PageIndex(PANEL_PAGE::Eq));
    const char16_t* const panels[] = {u"EQPanel", u"D3Panel", u"EffectPanel", u"MicPanel",
                                      u"Virtual7p1Panel"};
    for (int32_t page = 0; page < PageCount; ++page) {
        ASSERT_EQ(parts.Panels[page], &Get(panels[page]));
        EXPECT_EQ(parts.Panels[page]->Width(), 365);
        EXPECT_EQ(parts.Panels[page]->Parent()->Parent(), parts.Notebook)
            << "panel on a page of the container";
    }
    EXPECT_EQ(parts.Background, &Get(u"MainFormImage"));
    EXPECT_EQ(about.Text().Width(), 373);
}

TEST_F(LayoutFixture, HiddenAndDisabledAtDesignTime) {
    for (const char16_t* name : {u"SyncImage", u"SyncLabel", u"Page3DLabel", u"Bevel1", u"EQ60HzValueImage",
                                 u"EQ300HzValueLabel", u"D3LAlphaValueLabel", u"D3RBetaValueImage"})
        EXPECT_FALSE(Get(name).Visible()) << Narrow(name);
    EXPECT_FALSE(Get(u"Page3DLabel").Enabled());
    EXPECT_TRUE(Get(u"Bevel2").Visible());
    for (const char16_t* name : {u"Bevel1", u"Bevel2", u"Bevel3", u"Bevel4"}) {
        ASSERT_EQ(Get(name).Kind(), ui::ComponentKind::Bevel);
        EXPECT_EQ(static_cast<ui::CBevel&>(Get(name)).Shape(), ui::BevelShape::RightLine)
            << Narrow(name) << ": a tab separator is a line at its right edge";
    }
    ASSERT_EQ(Get(u"D3LAlphaLabel").Kind(), ui::ComponentKind::Label);
    EXPECT_EQ(static_cast<ui::CLabel&>(Get(u"D3LAlphaLabel")).Caption(), u"\u03b1");
}

TEST_F(LayoutFixture, EverySkinAndLanguageKeyHasItsComponent) {
    for (int i = 0; i < SkinImageCount; ++i) {
        const SKIN_IMAGE_KEY& key = SkinImageKey(static_cast<SKIN_IMAGE>(i));
        EXPECT_EQ(Get(key.Component).Kind(), ui::ComponentKind::Image) << Narrow(key.Component);
    }
    for (const LABEL_KEY& key : LabelKeys()) {
        if (key.Component == nullptr) continue;
        ui::CComponent& component = Get(key.Component);
        EXPECT_EQ(component.Kind(), ui::ComponentKind::Label) << Narrow(key.Component);
        if (key.Selected == LABEL_SELECTED::PageShown) {
            EXPECT_EQ(component.Tag(), 23 + key.Which);
        }
    }
}

// Every component a feature is handed exists, is of its kind and is handed once: the features use them
// without looking them up or checking them.
TEST_F(LayoutFixture, EveryFeaturePartIsInTheTree) {
    const std::vector<const ui::CComponent*> all = AllFeatureParts(parts.Features);
    EXPECT_EQ(all.size(), 63u);
    std::set<const ui::CComponent*> distinct;
    for (size_t i = 0; i < all.size(); ++i) {
        EXPECT_NE(all[i], nullptr) << "part " << i;
        if (all[i]) {
            EXPECT_EQ(form.Find(all[i]->Name()), all[i]) << Narrow(all[i]->Name().c_str());
        }
        distinct.insert(all[i]);
    }
    EXPECT_EQ(distinct.size(), all.size());
    EXPECT_EQ(parts.Features.Equalizer.Thumbs[0]->Tag(), TagEqThumbFirst);
    EXPECT_EQ(parts.Features.Sound3D.Thumbs[0]->Tag(), Tag3DThumbFirst);
}

} // namespace
} // namespace tonvel
