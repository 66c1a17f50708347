// Hit-testing: the control at a client point through nested panels and pages, z-order, hidden and disabled
// controls, windowed versus graphic children.

#include "ui/tests/UiTestSupport.h"

#include "base/text/Utf.h"

#include <gtest/gtest.h>

namespace tonvel::ui::test {
namespace {

struct HitTree : UiFixture {
    CPageControl* book;
    CPage* page0;
    CPage* page1;
    CPanel* panel;
    CPanel* inner;
    CImage* back;
    CImage* thumb;
    CLabel* label;
    CImage* deep;
    CImage* onPage1;
    HitTree() {
        book = form.Add<CPageControl>(u"Book");
        book->SetBounds(10, 10, 300, 200);
        page0 = book->AddPage(u"Page0", u"EQ");
        page1 = book->AddPage(u"Page1", u"3D");
        panel = page0->Add<CPanel>(u"Panel");
        panel->SetBounds(0, 0, 300, 200);
        back = panel->Add<CImage>(u"Back");
        back->SetBounds(0, 0, 300, 200);
        thumb = panel->Add<CImage>(u"Thumb");
        thumb->SetBounds(20, 20, 10, 30);
        label = panel->Add<CLabel>(u"Label");
        label->SetAutoSize(false);
        label->SetBounds(25, 40, 50, 12); // overlaps the thumb's lower part, above it in z-order
        inner = panel->Add<CPanel>(u"Inner");
        inner->SetBounds(100, 100, 80, 60);
        deep = inner->Add<CImage>(u"Deep");
        deep->SetBounds(5, 5, 20, 20);
        onPage1 = page1->Add<CImage>(u"OnPage1");
        onPage1->SetBounds(0, 0, 300, 200);
    }
};

TEST(HitTest, GraphicChildrenTopmostFirst) {
    HitTree t;
    struct CASE {
        UI_POINT point;
        const char* expected;
    } cases[] = {
        {{21, 21}, "Thumb"}, {{26, 45}, "Label"},  {{22, 45}, "Thumb"},
        {{200, 10}, "Back"}, {{105, 105}, "Back"}, // the inner panel is a window: not counted without
                                                   // allowWindowed
    };
    for (const CASE& c : cases) {
        CComponent* hit = t.panel->ControlAtPos(c.point, true);
        ASSERT_NE(hit, nullptr) << c.expected;
        EXPECT_EQ(hit->Name(), AsciiToUtf16(c.expected)) << c.point.x << "," << c.point.y;
    }
    EXPECT_EQ(t.panel->ControlAtPos({300, 5}, true), nullptr); // right edge is outside
}

TEST(HitTest, ZOrderChangesTheHit) {
    HitTree t;
    EXPECT_EQ(t.panel->ControlAtPos({26, 45}, true), t.label);
    t.thumb->BringToFront();
    EXPECT_EQ(t.panel->ControlAtPos({26, 45}, true), t.thumb);
    t.thumb->SendToBack();
    EXPECT_EQ(t.panel->ControlAtPos({21, 21}, true), t.back);
    EXPECT_EQ(t.thumb->ZIndex(), 0);
}

TEST(HitTest, HiddenNeverDisabledOnRequest) {
    HitTree t;
    t.label->SetEnabled(false);
    EXPECT_EQ(t.panel->ControlAtPos({26, 45}, true), t.label);
    EXPECT_EQ(t.panel->ControlAtPos({26, 45}, false), t.thumb);
    t.label->SetVisible(false);
    EXPECT_EQ(t.panel->ControlAtPos({26, 45}, true), t.thumb);
    t.back->SetVisible(false);
    EXPECT_EQ(t.panel->ControlAtPos({200, 10}, true), nullptr);
}

TEST(HitTest, AllLevelsThroughPagesAndPanels) {
    HitTree t;
    // From the form: book -> page 0 -> panel -> inner -> deep.
    const UI_POINT inForm{10 + 100 + 5 + 1, 10 + 100 + 5 + 1};
    EXPECT_EQ(t.form.ControlAtPos(inForm, true, true, true), t.deep);
    EXPECT_EQ(t.form.ControlAtPos(inForm, true, true, false), t.book);
    EXPECT_EQ(t.form.ControlAtPos(inForm, true, false, true), nullptr);
    // A point in the inner panel but off the image gives the panel itself.
    EXPECT_EQ(t.form.ControlAtPos({10 + 170, 10 + 150}, true, true, true), t.inner);
    // Switching the page hides page 0's tree.
    t.book->SetActivePageIndex(1);
    EXPECT_EQ(t.form.ControlAtPos(inForm, true, true, true), t.onPage1);
    EXPECT_FALSE(t.deep->IsShowing());
    EXPECT_TRUE(t.onPage1->IsShowing());
}

TEST(HitTest, DisabledContainerIsSkippedOnlyWithoutAllowDisabled) {
    HitTree t;
    t.inner->SetEnabled(false);
    const UI_POINT inPanel{106, 106};
    EXPECT_EQ(t.panel->ControlAtPos(inPanel, true, true, true), t.deep);
    EXPECT_EQ(t.panel->ControlAtPos(inPanel, false, true, true), t.back);
    // The mouse target skips the disabled inner panel: the press goes to the background picture.
    EXPECT_EQ(t.panel->MouseTarget(inPanel), t.back);
}

TEST(HitTest, ClientCoordinatesAcrossLevels) {
    HitTree t;
    // Form at (100, 50), borderless: screen = form + book + panel + inner + point.
    EXPECT_EQ(t.deep->ClientToScreen({0, 0}), (UI_POINT{100 + 10 + 100 + 5, 50 + 10 + 100 + 5}));
    EXPECT_EQ(t.panel->ScreenToClient({100 + 10 + 7, 50 + 10 + 9}), (UI_POINT{7, 9}));
    EXPECT_EQ(t.deep->ClientToClient({1, 2}, *t.panel), (UI_POINT{106, 107}));
}

TEST(HitTest, NonVisualComponentsAreNotControls) {
    HitTree t;
    CTimer* timer = t.panel->Add<CTimer>(u"Timer");
    timer->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(t.panel->ControlAtPos({200, 10}, true), t.back);
    EXPECT_EQ(t.form.Find(u"Deep"), t.deep);
}

} // namespace
} // namespace tonvel::ui::test
