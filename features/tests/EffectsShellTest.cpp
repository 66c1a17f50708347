// The Effect page through the main window on the simulated Windows: the five buttons, what they show and
// what the filter driver is told, and the other places that tell it.

#include "device/FilterChannel.h"
#include "panel/form/tests/ShellFixture.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

constexpr int32_t ColourDown = 0x0040D8FF; // the English language's on colour
// By tag 16..20: the button component (the names at 18 and 20 are swapped), its label, its picture.
const struct {
    const char16_t* button;
    const char16_t* label;
    const char16_t* picture;
} EffectCases[] = {
    {u"EffectButtonNonImage", u"EffectNonLabel", u"EffectPicNon.png"},
    {u"EffectButtonTheaterImage", u"EffectTheaterLabel", u"EffectPicTheater.png"},
    {u"EffectButtonStoneGalleryImage", u"EffectBathroomLabel", u"EffectPicBathroom.png"},
    {u"EffectButtonLivingroomImage", u"EffectLivingroomLabel", u"EffectPicLivingroom.png"},
    {u"EffectButtonBathroomImage", u"EffectStoneGalleryLabel", u"EffectPicStoneGallery.png"},
};

bool EndsWith(const std::u16string& text, const std::u16string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct EffectShell : Shell {
    // On the Effect page, with the headset plugged in or pulled out since.
    explicit EffectShell(bool device = true) {
        Start();
        ShowPanel();
        Click(*form->Label(u"PageEffectLabel"));
        if (!device) sim.Devices().Unplug(sim.Headset());
        sim.FilterDriver().ClearRequests();
        backend.ClearMessageBoxes();
    }
    void Click(ui::CComponent& c) {
        backend.Press(At(c, 2, 2));
        backend.Release(At(c, 2, 2));
    }
    const std::vector<sim::SIM_DRIVER_REQUEST>& Requests() { return sim.FilterDriver().Requests(); }
    // Only effect `shown` (1..5) is down: its button picture, its label's colour, and its picture.
    void ExpectShown(int32_t shown) {
        for (int32_t i = 1; i <= 5; ++i) {
            const auto& e = EffectCases[i - 1];
            const bool down = i == shown;
            EXPECT_EQ(EndsWith(form->Image(e.button)->Picture().Path(), u"_Down.png"), down) << i;
            EXPECT_EQ(static_cast<int32_t>(form->Label(e.label)->Font().colour) == ColourDown, down) << i;
        }
        EXPECT_TRUE(
            EndsWith(form->Image(u"EffectPicImage")->Picture().Path(), EffectCases[shown - 1].picture));
    }
};

TEST(EffectsShell, EachButtonSendsItsIndexAndIsTheOnlyOneDown) {
    for (int32_t tag = 16; tag <= 20; ++tag) {
        EffectShell t;
        const auto& e = EffectCases[tag - 16];
        // By the button or by its label: both carry the tag.
        t.Click(*t.form->Image(e.button));
        t.Click(*t.form->Label(e.label));
        ASSERT_EQ(t.Requests().size(), 2u) << tag << ": pressing the current effect again sends it again";
        for (const auto& request : t.Requests()) {
            EXPECT_EQ(request.Code, DriverSelectEffectCode);
            EXPECT_EQ(request.Input, (std::vector<uint8_t>{0, 0, 0, 0, uint8_t(tag - 16), 0, 0, 0})) << tag;
        }
        EXPECT_EQ(t.form->Features().Effects().Current(), tag - 15);
        t.ExpectShown(tag - 15);
    }
}

TEST(EffectsShell, StartUpShowsNothingAndSendsNoEffect) {
    EffectShell t;
    EXPECT_EQ(t.form->Features().Effects().Current(), 1);
    t.ExpectShown(1);
    // Switching to the page sends nothing.
    EXPECT_TRUE(t.Requests().empty());
}

// A profile or a bad load can bring any number; it counts as "Nothing" before it is shown, sent or kept.
TEST(EffectsShell, AnEffectOutsideOneToFiveCountsAsNothing) {
    for (const int32_t effect : {0, -1, 6, 1000, INT32_MIN}) {
        EffectShell t;
        t.form->Features().Effects().SelectEffect(3);
        t.sim.FilterDriver().ClearRequests();
        t.form->Features().Effects().SelectEffect(effect);
        EXPECT_EQ(t.form->Features().Effects().Current(), 1) << effect;
        ASSERT_EQ(t.Requests().size(), 1u) << effect;
        EXPECT_EQ(t.Requests()[0].Input[4], 0) << effect;
        t.ExpectShown(1);
        EXPECT_EQ(t.form->Features().State().Effect, 1) << effect;
    }
}

TEST(EffectsShell, WithoutTheDeviceAButtonOnlyWarns) {
    EffectShell t(false);
    t.form->Features().Effects().SelectEffect(1);
    t.sim.FilterDriver().ClearRequests();
    t.Click(*t.form->Image(EffectCases[1].button));
    EXPECT_EQ(t.backend.MessageBoxes().size(), 1u);
    EXPECT_TRUE(t.Requests().empty());
    EXPECT_EQ(t.form->Features().Effects().Current(), 1);
}

TEST(EffectsShell, WithoutTheDriverTheSelectionOnlyChangesTheWindow) {
    EffectShell t;
    t.sim.FilterDriver().SetPresent(false);
    t.Click(*t.form->Image(EffectCases[4].button));
    EXPECT_TRUE(t.Requests().empty());
    EXPECT_EQ(t.sim.FilterDriver().OpenHandleCount(), 0u);
    EXPECT_EQ(t.form->Features().Effects().Current(), 5);
    t.ExpectShown(5);
    EXPECT_TRUE(t.backend.MessageBoxes().empty());
}

// After the arrival's driver reset, the page shown decides what is sent again.
TEST(EffectsShell, AnArrivalSendsTheCurrentEffectOnlyOnTheEffectPage) {
    const struct {
        const char16_t* tab;
        std::vector<uint32_t> codes;
    } cases[] = {
        {u"PageEffectLabel",
         {DriverQueryStateCode, DriverSetVirtualSpeakersCode, DriverGeneralRequestCode,
          DriverSelectEffectCode}},
        {u"PageVirtual7p1Label",
         {DriverQueryStateCode, DriverSetVirtualSpeakersCode, DriverGeneralRequestCode,
          DriverSetVirtualSpeakersCode}},
        {u"PageEQLabel", {DriverQueryStateCode, DriverSetVirtualSpeakersCode, DriverGeneralRequestCode}},
    };
    for (const auto& c : cases) {
        EffectShell t;
        t.Click(*t.form->Image(EffectCases[3].button));
        t.Click(*t.form->Label(c.tab));
        t.sim.Devices().Unplug(t.sim.Headset());
        t.sim.FilterDriver().ClearRequests();
        t.sim.Devices().Plug(t.sim.Headset());
        std::vector<uint32_t> codes;
        for (const auto& request : t.Requests())
            codes.push_back(request.Code);
        EXPECT_EQ(codes, c.codes);
        if (c.codes.back() == DriverSelectEffectCode) {
            EXPECT_EQ(t.Requests().back().Input[4], 3) << "Living room";
        }
    }
}

} // namespace
} // namespace tonvel
