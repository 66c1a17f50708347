#include "features/VirtualSpeakers.h"

#include "features/NameList.h"
#include "platform/api/SystemInfo.h"
#include "skin/ComponentTags.h"

namespace tonvel {
namespace {

// The order Reset puts them in: C, LS, L, LB, RB, R, SUB, RS.
constexpr std::array<size_t, SpeakerCount> ResetOrder = {2, 4, 0, 6, 7, 1, 3, 5};
// A gap between two ticks longer than this is a pause (the timer stood still), not a turn.
constexpr uint32_t RotationPauseMs = 200;

size_t IconIndex(const VIRTUAL_SPEAKERS_PARTS& parts, const ui::CComponent& icon) {
    for (size_t i = 0; i < SpeakerCount; ++i)
        if (parts.Icons[i] == &icon) return i;
    return SpeakerCount;
}

} // namespace

SPEAKER_CIRCLE CVirtualSpeakers::Circle() const {
    const _SKIN_METRICS& m = m_Context.Skin.Metrics();
    return {m.SpeakerCenterX, m.SpeakerCenterY, m.SpeakerRadius};
}

ui::CImage* CVirtualSpeakers::Icon(size_t index) {
    return m_Parts.Icons[index];
}

SPEAKER_POSITIONS CVirtualSpeakers::Positions() {
    SPEAKER_POSITIONS positions;
    for (size_t i = 0; i < SpeakerCount; ++i)
        if (const ui::CImage* icon = Icon(i)) positions[i] = {icon->Left(), icon->Top()};
    return positions;
}

void CVirtualSpeakers::Place(size_t index, SPEAKER_POSITION position) {
    if (ui::CImage* icon = Icon(index))
        icon->SetBounds(position.Left, position.Top, icon->Width(), icon->Height());
}

// Only the eight icons move; the page's pictures and buttons stay where the skin put them.
GRAB_KIND CVirtualSpeakers::Grab(const ui::CComponent& component) const {
    const bool icon = component.Kind() == ui::ComponentKind::Image && IsOneOf(component, m_Parts.Icons);
    return icon ? GRAB_KIND::Drag : GRAB_KIND::None;
}

void CVirtualSpeakers::Drag(ui::CComponent& icon, int32_t left, int32_t top) {
    const size_t index = IconIndex(m_Parts, icon);
    if (index == SpeakerCount) return;
    SPEAKER_AREA area;
    if (const ui::CImage* listener = m_Parts.Listener)
        area = {listener->Left(), listener->Top(), listener->Width(), listener->Height()};
    SPEAKER_POSITION position{icon.Left(), icon.Top()};
    if (!DraggedPosition(Circle(), area, icon.Width(), icon.Height(), {left, top}, position)) return;
    Place(index, position);
    SendVirtualSpeakers();
}

bool CVirtualSpeakers::OwnsTag(int32_t tag) const {
    return TagIn(tag, TagVirtualEnable, TagCounterclockwise);
}

void CVirtualSpeakers::ButtonDown(int32_t tag, ui::CComponent&) {
    if (tag == TagVirtualEnable) {
        m_Enabled = !m_Enabled;
        ShowSwitches();
        SendScratch();
    } else if (tag == TagClockwise) {
        SwitchRotation(ROTATION::Clockwise);
    } else if (tag == TagCounterclockwise) {
        SwitchRotation(ROTATION::Counterclockwise);
    }
}

// Reset acts on the click, the release on its picture or its label.
void CVirtualSpeakers::ButtonUp(int32_t tag, ui::CComponent&) {
    if (tag == TagVirtualReset) ResetVirtualSpeakers();
}

// A rotation button switches its own rotation on or off; switching one on switches the other off.
void CVirtualSpeakers::SwitchRotation(ROTATION rotation) {
    m_Rotation = m_Rotation == rotation ? ROTATION::None : rotation;
    RestartRotationClock();
    ShowSwitches();
}

void CVirtualSpeakers::RestartRotationClock() {
    m_RotationTimed = true;
    m_RotationTick = m_Context.Plat.system->GetTickCount();
}

// The milliseconds since the last turn (the tick count wraps after 49.7 days: the difference does not).
uint32_t CVirtualSpeakers::RotationElapsed() {
    const uint32_t now = m_Context.Plat.system->GetTickCount();
    const uint32_t elapsed = m_RotationTimed ? now - m_RotationTick : 0;
    m_RotationTimed = true;
    m_RotationTick = now;
    return elapsed > RotationPauseMs ? 0 : elapsed;
}

void CVirtualSpeakers::ShowSwitches() {
    IFeatureWindow& window = m_Context.Window;
    using I = SKIN_IMAGE;
    if (ui::CImage* enable = m_Parts.Enable)
        window.ShowSkinImage(
            m_Enabled ? I::Virtual7ch1_VirtualEnableImageDown : I::Virtual7ch1_VirtualEnableImageUp, *enable);
    if (ui::CImage* cw = m_Parts.Clockwise)
        window.ShowSkinImage(m_Rotation == ROTATION::Clockwise ? I::Virtual7ch1_VirtualClockwiseDownImage
                                                               : I::Virtual7ch1_VirtualClockwiseUpImage,
                             *cw);
    if (ui::CImage* ccw = m_Parts.Counterclockwise)
        window.ShowSkinImage(m_Rotation == ROTATION::Counterclockwise
                                 ? I::Virtual7ch1_VirtualCounterclockwiseDownImage
                                 : I::Virtual7ch1_VirtualCounterclockwiseUpImage,
                             *ccw);
    window.RestyleLabels();
}

void CVirtualSpeakers::Init() {
    VirtualSpeakerParameters block{};
    ComputeVirtualSpeakers(Circle(), Positions(), m_Records, block);
    IControlDevice& driver = *m_Context.Plat.controlDevice;
    uint32_t state = 0;
    DriverQueryState(driver, state);
    DriverSetVirtualSpeakers(driver, 0, block);
    uint32_t value = 0;
    DriverGeneralRequest(driver, 0, value);
}

int32_t CVirtualSpeakers::ResetVirtualSpeakers() {
    const SPEAKER_POSITIONS layout = StandardSpeakerLayout(Circle());
    for (const size_t index : ResetOrder)
        Place(index, layout[index]);
    return SendVirtualSpeakers() == 0 ? 0 : 1;
}

int32_t CVirtualSpeakers::SendVirtualSpeakers() {
    VirtualSpeakerParameters block{};
    ComputeVirtualSpeakers(Circle(), Positions(), m_Records, block);
    return DriverSetVirtualSpeakers(*m_Context.Plat.controlDevice, m_Enabled ? 1 : 0, block);
}

void CVirtualSpeakers::SendScratch() {
    SPEAKER_RECORDS scratch{};
    VirtualSpeakerParameters block{};
    ComputeVirtualSpeakers(Circle(), Positions(), scratch, block);
    DriverSetVirtualSpeakers(*m_Context.Plat.controlDevice, m_Enabled ? 1 : 0, block);
}

// The stored records are not taken from the moved icons: the rotation keeps every speaker on its own
// circle, whatever the truncation of the positions.
void CVirtualSpeakers::RotateVirtualSpeakers() {
    if (m_Rotation == ROTATION::None || !m_Context.DeviceConnected()) {
        m_RotationTimed = false; // a pause: the next turn starts afresh
        return;
    }
    const uint32_t elapsed = RotationElapsed();
    const SPEAKER_CIRCLE circle = Circle();
    for (size_t i = 0; i < SpeakerCount; ++i) {
        SPEAKER_RECORD& record = m_Records[i];
        Place(i, PositionOnCircle(circle, record.Direction, record.Distance));
        record.Direction = RotatedDirectionAfter(record.Direction, m_Rotation, elapsed);
    }
    SendScratch();
}

// The records are taken from the moved icons, so that switching back to the first skin puts the icons
// back where they were (with the old records they would end up at the old distance times the inverse
// ratio) and a rotation goes on around the new circle.
void CVirtualSpeakers::PlaceSpeakerIcons(double ratio) {
    const SPEAKER_CIRCLE circle = Circle();
    for (size_t i = 0; i < SpeakerCount; ++i)
        Place(i, PositionOnCircle(circle, m_Records[i].Direction, m_Records[i].Distance * ratio));
    VirtualSpeakerParameters block{};
    ComputeVirtualSpeakers(circle, Positions(), m_Records, block);
}

void CVirtualSpeakers::SwitchOff() {
    m_Enabled = false;
    ResetVirtualSpeakers();
}

void CVirtualSpeakers::Restore(bool enabled, const SPEAKER_POSITIONS& positions) {
    m_Enabled = enabled;
    for (size_t i = 0; i < SpeakerCount; ++i)
        Place(i, positions[i]);
    ShowSwitches();
    SendVirtualSpeakers();
}

void CVirtualSpeakers::ShowState(SKIN_FEATURE_STATE& state) const {
    state.VirtualEnabled = m_Enabled;
    state.Clockwise = m_Rotation == ROTATION::Clockwise;
    state.Counterclockwise = m_Rotation == ROTATION::Counterclockwise;
}

} // namespace tonvel
