#pragma once
// One sound feature of the control panel: it owns its state, its buttons and the drags and bar jumps of
// its controls. The window's mouse handling hands it the components it grabbed on the feature's page and
// the buttons whose tag it owns; the window's sequences call its steps through IFeatureSteps.

#include "features/FeatureContext.h"
#include "skin/SkinApply.h"

#include <cstdint>

namespace tonvel {

// What a press on a component of the feature's page does.
enum class GRAB_KIND {
    None, // not one of the feature's controls
    Drag, // a thumb or icon: dragged while the button is down
    Jump  // a bar: its thumb jumps to the cursor
};

class CFeature {
public:
    explicit CFeature(FEATURE_CONTEXT& context) : m_Context(context) {}
    virtual ~CFeature() = default;
    CFeature(const CFeature&) = delete;
    CFeature& operator=(const CFeature&) = delete;

    // The page its controls are on (None: no page of its own).
    virtual PANEL_PAGE Page() const { return PANEL_PAGE::None; }
    virtual GRAB_KIND Grab(const ui::CComponent&) const { return GRAB_KIND::None; }
    // A press on one of its bars, at the cursor's client y.
    virtual void Jump(ui::CComponent&, int32_t) {}
    // A drag's candidate position for a grabbed control.
    virtual void Drag(ui::CComponent&, int32_t, int32_t) {}
    // Its buttons, by tag (after the window's no-device check).
    virtual bool OwnsTag(int32_t) const { return false; }
    virtual void ButtonDown(int32_t, ui::CComponent&) {}
    virtual void ButtonUp(int32_t, ui::CComponent&) {}
    // Its share of the state that picks the Up and Down pictures and label styles.
    virtual void ShowState(SKIN_FEATURE_STATE&) const {}

protected:
    // A switch's picture: the skin's Down entry while it is on, its Up entry while it is off.
    void ShowSwitchPicture(ui::CImage& image, bool on, SKIN_IMAGE down, SKIN_IMAGE up) {
        m_Context.Window.ShowSkinImage(on ? down : up, image);
    }

    FEATURE_CONTEXT& m_Context;
};

} // namespace tonvel
