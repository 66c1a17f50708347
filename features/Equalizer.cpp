#include "features/Equalizer.h"

#include "features/NameList.h"
#include "features/Thumb.h"
#include "panel/model/ComponentTags.h"

namespace tonvel {
namespace {

constexpr NAME_LIST<CEqualizer::BandCount> kThumbs = {u"EQ60HzSliderImage", u"EQ300HzSliderImage",
                                                      u"EQ1200HzSliderImage", u"EQ3600HzSliderImage",
                                                      u"EQ12000HzSliderImage"};
constexpr NAME_LIST<CEqualizer::BandCount> kBars = {
    u"EQ60HzBarImage", u"EQ300HzBarImage", u"EQ1200HzBarImage", u"EQ3600HzBarImage", u"EQ12000HzBarImage"};

} // namespace

int32_t CEqualizer::ThumbMin() const {
    return m_Context.Skin.Metrics().EqSliderTop;
}

int32_t CEqualizer::ThumbMax() const {
    return m_Context.Skin.Metrics().EqSliderTop + m_Context.Skin.Metrics().SliderTravel;
}

GRAB_KIND CEqualizer::Grab(const ui::CComponent& component) const {
    if (IsOneOf(component.Name(), kThumbs)) return GRAB_KIND::Drag;
    if (IsOneOf(component.Name(), kBars)) return GRAB_KIND::Jump;
    return GRAB_KIND::None;
}

void CEqualizer::Jump(ui::CComponent& bar, int32_t cursorY) {
    const int32_t thumbTag = bar.Tag() - TagBarOffset;
    for (std::u16string_view name : kThumbs) {
        ui::CImage* thumb = m_Context.Window.Image(name);
        if (!thumb || thumb->Tag() != thumbTag) continue;
        JumpThumb(*thumb, cursorY, ThumbMin(), ThumbMax());
        ApplyBand(*thumb, m_Context.Synchronising());
        return;
    }
}

void CEqualizer::Drag(ui::CComponent& thumb, int32_t, int32_t top) {
    PlaceThumb(thumb, top, ThumbMin(), ThumbMax());
    ApplyBand(thumb, m_Context.Synchronising());
}

void CEqualizer::ApplyBand(ui::CComponent&, bool) {}

void CEqualizer::ShowState(SKIN_FEATURE_STATE& state) const {
    state.EqEnabled = m_Enabled;
    state.Preset = m_Preset;
}

} // namespace tonvel
