#pragma once
// A headless application with one borderless form at a known place, for the framework's tests.

#include "ui/core/Ui.h"
#include "ui/headless/HeadlessBackend.h"

namespace tonvel::ui::test {

struct UiFixture {
    CHeadlessBackend backend;
    CApplication app{backend};
    CForm form{app};
    UiFixture() {
        form.SetBorder(BorderStyle::None);
        form.SetBounds(100, 50, 400, 300);
        form.Show();
    }
    // A screen point from a client point of a component.
    static UI_POINT At(const CComponent& c, int32_t x, int32_t y) { return c.ClientToScreen({x, y}); }
};

} // namespace tonvel::ui::test
