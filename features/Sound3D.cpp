#include "features/Sound3D.h"

#include "features/NameList.h"
#include "features/Thumb.h"
#include "skin/ComponentTags.h"

#include <string>

namespace tonvel {
namespace {

// The thumbs by tag 34-37.
constexpr int32_t LeftBetaKey = 0, LeftAlphaKey = 1, RightBetaKey = 2, RightAlphaKey = 3;
constexpr int32_t PartnerDistance = 2; // left and right thumbs of a kind are two tags apart
constexpr char16_t ConnectionFolder[] = u"3D\\";

bool IsBeta(int32_t index) {
    return index == LeftBetaKey || index == RightBetaKey;
}

std::u16string DecimalText(int32_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace

Sound3DRegisterSet Default3DRecord() {
    Sound3DRegisterSet record;
    record.Reserved = 0;
    record.Fbm = 1;
    record.LeftAlpha = 10;
    record.LeftBeta = 3;
    record.RightAlpha = 10;
    record.RightBeta = 3;
    return record;
}

int32_t CSound3D::Travel() const {
    return m_Context.Skin.Metrics().SliderTravel;
}

int32_t CSound3D::ThumbValue(const ui::CImage& thumb) const {
    return Sound3DThumbToValue(thumb.Top(), Travel());
}

GRAB_KIND CSound3D::Grab(const ui::CComponent& component) const {
    return IsOneOf(component, m_Parts.Thumbs) ? GRAB_KIND::Drag : GRAB_KIND::None;
}

void CSound3D::Drag(ui::CComponent& thumb, int32_t, int32_t top) {
    PlaceThumb(thumb, top, ThumbMin, ThumbMax);
    MovePartner(thumb);
    ApplyLeft3D(m_Context.Synchronising());
    ApplyRight3D(m_Context.Synchronising());
    ShowValueLabels();
}

// A dependent partner takes the same Top, an inverse one the Top mirrored in the middle of the range.
void CSound3D::MovePartner(const ui::CComponent& thumb) {
    const int32_t index = thumb.Tag() - Tag3DThumbFirst;
    if (index < 0 || index >= static_cast<int32_t>(m_Parts.Thumbs.size())) return;
    const int32_t connection = IsBeta(index) ? m_BetaConnection : m_AlphaConnection;
    if (connection != ConnectionDependent && connection != ConnectionInverse) return;
    ui::CImage* partner = m_Parts.Thumbs[static_cast<size_t>((index + PartnerDistance) % 4)];
    partner->SetTop(connection == ConnectionDependent ? thumb.Top() : ThumbMin + ThumbMax - thumb.Top());
}

void CSound3D::ShowValueLabels() {
    for (size_t i = 0; i < m_Parts.Thumbs.size(); ++i)
        m_Parts.ValueLabels[i]->SetCaption(DecimalText(ThumbValue(*m_Parts.Thumbs[i])));
}

int32_t CSound3D::ApplyLeft3D(bool writeThrough) {
    m_Record.LeftBeta = static_cast<uint8_t>(ThumbValue(*m_Parts.Thumbs[LeftBetaKey]));
    m_Record.LeftAlpha = static_cast<uint8_t>(ThumbValue(*m_Parts.Thumbs[LeftAlphaKey]));
    return WriteChannels(writeThrough);
}

int32_t CSound3D::ApplyRight3D(bool writeThrough) {
    m_Record.RightBeta = static_cast<uint8_t>(ThumbValue(*m_Parts.Thumbs[RightBetaKey]));
    m_Record.RightAlpha = static_cast<uint8_t>(ThumbValue(*m_Parts.Thumbs[RightAlphaKey]));
    return WriteChannels(writeThrough);
}

void CSound3D::Show3D() {
    const int32_t values[] = {m_Record.LeftBeta, m_Record.LeftAlpha, m_Record.RightBeta, m_Record.RightAlpha};
    for (size_t i = 0; i < m_Parts.Thumbs.size(); ++i)
        m_Parts.Thumbs[i]->SetTop(Sound3DValueToTop(values[i], Travel()));
    ShowSwitchPicture(*m_Parts.Fbm, m_FbmOn, SKIN_IMAGE::D3_D3FBMImageDown, SKIN_IMAGE::D3_D3FBMImageUp);
    ShowValueLabels();
}

// The thumbs show the defaults the record holds: the first 3D write sends what they show.
void CSound3D::Init3D() {
    m_Enabled = false;
    m_FbmOn = true;
    m_Record = Default3DRecord();
    Show3D();
}

bool CSound3D::OwnsTag(int32_t tag) const {
    return tag == Tag3DReset || tag == Tag3DEnable || tag == TagFbm || tag == TagAlphaConnection ||
           tag == TagBetaConnection;
}

void CSound3D::ButtonDown(int32_t tag, ui::CComponent&) {
    if (tag == Tag3DReset)
        ShowResetPicture(true);
    else if (tag == Tag3DEnable)
        FlipEnable();
    else if (tag == TagFbm)
        FlipFbm();
    else if (tag == TagAlphaConnection || tag == TagBetaConnection)
        NextConnection(tag);
}

void CSound3D::ButtonUp(int32_t tag, ui::CComponent&) {
    if (tag != Tag3DReset) return;
    ShowResetPicture(false);
    Reset3D();
}

void CSound3D::ShowResetPicture(bool down) {
    ui::CImage* image = m_Parts.Reset;
    const SKIN_IMAGE entry = down ? SKIN_IMAGE::D3_D3ResetImageDown : SKIN_IMAGE::D3_D3ResetImageUp;
    if (down && m_Context.Skin.Image(entry).FileName.empty()) return;
    m_Context.Window.ShowSkinImage(entry, *image);
}

// The 3D effect needs processing on as well; while the equalizer is on, processing already is.
void CSound3D::FlipEnable() {
    m_Enabled = !m_Enabled;
    ShowSwitchPicture(*m_Parts.EqPageSwitch, m_Enabled, SKIN_IMAGE::EQ_EQ3DENImageDown,
                      SKIN_IMAGE::EQ_EQ3DENImageUp);
    ShowSwitchPicture(*m_Parts.Sound3DPageSwitch, m_Enabled, SKIN_IMAGE::D3_D33DENImageDown,
                      SKIN_IMAGE::D3_D33DENImageUp);
    m_Context.Window.RestyleLabels();
    if (!m_Equalizer.Enabled()) m_Equalizer.ApplyProcessingEnable(m_Enabled);
    Apply3DEnable(m_Enabled);
    m_Equalizer.Apply3DFlag(m_Enabled);
}

// Written whatever the synchronisation flag.
void CSound3D::FlipFbm() {
    m_FbmOn = !m_FbmOn;
    ShowSwitchPicture(*m_Parts.Fbm, m_FbmOn, SKIN_IMAGE::D3_D3FBMImageDown, SKIN_IMAGE::D3_D3FBMImageUp);
    SetFbm(m_FbmOn);
}

// Independent, dependent, inverse, and round again; usable without a device, nothing is sent.
void CSound3D::NextConnection(int32_t tag) {
    const bool alpha = tag == TagAlphaConnection;
    int32_t& state = alpha ? m_AlphaConnection : m_BetaConnection;
    state = state >= ConnectionInverse ? ConnectionIndependent : state + 1;
    if (ui::CImage* image = alpha ? m_Parts.AlphaConnection : m_Parts.BetaConnection)
        m_Context.Window.ShowSkinImageFrom(alpha ? AlphaConnectionImage(state) : BetaConnectionImage(state),
                                           ConnectionFolder, *image);
}

void CSound3D::Restore(const Sound3DRegisterSet& channels, bool fbm, bool on) {
    m_Record.LeftAlpha = channels.LeftAlpha;
    m_Record.LeftBeta = channels.LeftBeta;
    m_Record.RightAlpha = channels.RightAlpha;
    m_Record.RightBeta = channels.RightBeta;
    m_FbmOn = fbm;
    m_Record.Fbm = fbm ? 1 : 0; // the next 3D write sends it
    m_Enabled = on;
    m_Equalizer.Apply3DFlag(m_Enabled);
    if (!m_Equalizer.Enabled()) m_Equalizer.ApplyProcessingEnable(m_Enabled);
    Apply3DEnable(m_Enabled);
    ShowSwitchPicture(*m_Parts.EqPageSwitch, m_Enabled, SKIN_IMAGE::EQ_EQ3DENImageDown,
                      SKIN_IMAGE::EQ_EQ3DENImageUp);
    ShowSwitchPicture(*m_Parts.Sound3DPageSwitch, m_Enabled, SKIN_IMAGE::D3_D33DENImageDown,
                      SKIN_IMAGE::D3_D33DENImageUp);
    Show3D();
}

void CSound3D::ResetForShutdown() {
    Reset3D();
    SetFbm(true);
}

void CSound3D::SwitchOff() {
    m_Enabled = false;
    m_Equalizer.Apply3DFlag(false);
    Apply3DEnable(false);
}

void CSound3D::ShowState(SKIN_FEATURE_STATE& state) const {
    state.D3Enabled = m_Enabled;
    state.FbmOn = m_FbmOn;
    state.AlphaConnection = m_AlphaConnection;
    state.BetaConnection = m_BetaConnection;
}

} // namespace tonvel
