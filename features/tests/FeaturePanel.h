#pragma once
// The main window with the virtual headset (or without it), shown, for the equalizer and 3D tests: clicks
// and drags with the headless UI's real press, move and release, and the register traffic since the last
// look.

#include "features/tests/RegisterTraffic.h"
#include "panel/form/tests/ShellFixture.h"

#include <gtest/gtest.h>

namespace tonvel::test {

struct FEATURE_PANEL {
    Shell t;

    explicit FEATURE_PANEL(bool device = true) : t(device) {
        EXPECT_TRUE(t.Start().Ok());
        t.ShowPanel();
        t.sim.Headset().ClearReports();
    }
    CEqualizer& Eq() { return t.form->Features().Equalizer(); }
    CSound3D& Sound3D() { return t.form->Features().Sound3D(); }
    sim::CSimHeadset& Headset() { return t.sim.Headset(); }
    ui::CImage& Image(const char16_t* name) { return *t.form->Image(name); }
    // Press on the component (right of the 3D graduations that overlap the thumbs' left ends), move by
    // `dy` in steps of `step`, release.
    void Drag(ui::CComponent& c, int32_t dy, int32_t step = 0) {
        const ui::UI_POINT from = t.At(c, c.Width() - 4, c.Height() / 2);
        t.backend.Press(from);
        if (step != 0)
            for (int32_t y = step; y * step < dy * step; y += step)
                t.backend.MoveTo({from.x, from.y + y});
        t.backend.MoveTo({from.x, from.y + dy});
        t.backend.Release({from.x, from.y + dy});
    }
    void Click(const char16_t* name) {
        const ui::UI_POINT at = t.At(Image(name), 3, 3);
        t.backend.Press(at);
        t.backend.Release(at);
    }
    TRAFFIC Traffic() {
        TRAFFIC lines = RegisterTraffic(Headset());
        Headset().ClearReports();
        return lines;
    }
};

} // namespace tonvel::test
