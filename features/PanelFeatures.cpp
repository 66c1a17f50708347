#include "features/PanelFeatures.h"

namespace tonvel {

CPanelFeatures::CPanelFeatures(FEATURE_CONTEXT& context, const FEATURE_PARTS& parts)
    : m_Context(context), m_Equalizer(context, parts.Equalizer),
      m_Sound3D(context, parts.Sound3D, m_Equalizer), m_Effects(context, parts.Effects),
      m_Microphone(context, parts.Microphone), m_VirtualSpeakers(context, parts.VirtualSpeakers),
      m_Led(context, parts.Led),
      m_Profiles(context, parts.Profiles, {m_Equalizer, m_Sound3D, m_Effects, m_VirtualSpeakers, m_Led}),
      m_All{&m_Equalizer, &m_Sound3D, &m_Effects, &m_Microphone, &m_VirtualSpeakers, &m_Led, &m_Profiles} {
    m_Equalizer.Link3D(
        {[this] { return m_Sound3D.Enabled(); }, [this] { m_Sound3D.Apply3DEnable(m_Sound3D.Enabled()); }});
}

CFeature* CPanelFeatures::GrabOwner(PANEL_PAGE page, const ui::CComponent& grabbed, GRAB_KIND& kind) {
    for (CFeature* feature : m_All) {
        if (feature->Page() != page) continue;
        kind = feature->Grab(grabbed);
        if (kind != GRAB_KIND::None) return feature;
    }
    kind = GRAB_KIND::None;
    return nullptr;
}

CFeature* CPanelFeatures::TagOwner(int32_t tag) {
    for (CFeature* feature : m_All)
        if (feature->OwnsTag(tag)) return feature;
    return nullptr;
}

SKIN_FEATURE_STATE CPanelFeatures::State() const {
    SKIN_FEATURE_STATE state;
    for (const CFeature* feature : m_All)
        feature->ShowState(state);
    return state;
}

} // namespace tonvel
