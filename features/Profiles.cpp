#include "features/Profiles.h"

#include "features/ProfilePlaces.h"
#include "platform/api/Hid.h"
#include "skin/ComponentTags.h"
#include "skin/PanelStatus.h"

#include <algorithm>

namespace tonvel {
namespace {

constexpr char16_t LastSavedSection[] = u"LastINI";
constexpr char16_t LastSavedKey[] = u"Path";
constexpr char16_t ProfileExtension[] = u".ini";

std::u16string FileNameOf(const std::u16string& path) {
    const size_t slash = path.find_last_of(u'\\');
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

} // namespace

CProfiles::CProfiles(FEATURE_CONTEXT& context, const PROFILES_PARTS& parts, PROFILE_FEATURES features)
    : CFeature(context), m_Parts(parts), m_Features(features) {}

bool CProfiles::OwnsTag(int32_t tag) const {
    return tag == TagSaveProfile || tag == TagLoadProfile;
}

void CProfiles::ButtonDown(int32_t tag, ui::CComponent&) {
    ShowMenuPicture(tag, true);
}

void CProfiles::ButtonUp(int32_t tag, ui::CComponent&) {
    ShowMenuPicture(tag, false);
    if (tag == TagSaveProfile)
        SaveProfileAs();
    else
        LoadProfileFrom();
}

// A pressed menu button shows its Down picture only when the skin names one.
void CProfiles::ShowMenuPicture(int32_t tag, bool down) {
    const bool save = tag == TagSaveProfile;
    ui::CImage* image = save ? m_Parts.SaveButton : m_Parts.LoadButton;
    const SKIN_IMAGE entry = save ? (down ? SKIN_IMAGE::Main_Menu1ImageDown : SKIN_IMAGE::Main_Menu1ImageUp)
                                  : (down ? SKIN_IMAGE::Main_Menu2ImageDown : SKIN_IMAGE::Main_Menu2ImageUp);
    if (down && m_Context.Skin.Image(entry).FileName.empty()) return;
    m_Context.Window.ShowSkinImage(entry, *image);
}

// The presets as the store holds them (loading a preset while saving writes nothing to the device), then
// the other features' settings.
PROFILE_VALUES CProfiles::Collect() {
    CEqualizer& eq = m_Features.Equalizer;
    PROFILE_VALUES values;
    m_Context.Flags.Saving = true;
    for (int32_t preset = 1; preset <= ProfilePresetCount; ++preset) {
        eq.LoadPreset(preset);
        values.Presets[static_cast<size_t>(preset - 1)] = {eq.Record().Gain, eq.Enabled()};
    }
    eq.LoadPreset(eq.Preset());
    m_Context.Flags.Saving = false;
    const Sound3DRegisterSet& d3 = m_Features.Sound3D.Record();
    values.LeftAlpha = d3.LeftAlpha;
    values.LeftBeta = d3.LeftBeta;
    values.RightAlpha = d3.RightAlpha;
    values.RightBeta = d3.RightBeta;
    values.Fbm = m_Features.Sound3D.FbmOn();
    values.Sound3DOn = m_Features.Sound3D.Enabled();
    values.Effect = m_Features.Effects.Current();
    values.VirtualEnabled = m_Features.VirtualSpeakers.Enabled();
    values.Positions = m_Features.VirtualSpeakers.Positions();
    values.HasLed = true;
    values.LedOn = m_Features.Led.On();
    return values;
}

int32_t CProfiles::WriteProfile(const std::u16string& path) {
    return WriteProfileFile(*m_Context.Plat.profile, *m_Context.Plat.files, path, Collect());
}

// Before anything is read the switches held so far are sent again; then each part that was read whole.
void CProfiles::Apply(const PROFILE_READ& read) {
    CEqualizer& eq = m_Features.Equalizer;
    if (!m_Context.DeviceConnected()) m_Context.Device.SetSynchronisation(0);
    eq.ReapplyProcessing();
    m_Features.Sound3D.Apply3DEnable(m_Features.Sound3D.Enabled());
    ApplyPresets(read);
    const PROFILE_VALUES& v = read.Values;
    if (read.Parts >= ProfilePartSound3D) {
        Sound3DRegisterSet channels;
        channels.LeftAlpha = v.LeftAlpha;
        channels.LeftBeta = v.LeftBeta;
        channels.RightAlpha = v.RightAlpha;
        channels.RightBeta = v.RightBeta;
        m_Features.Sound3D.Restore(channels, v.Fbm, v.Sound3DOn);
    }
    if (read.Parts >= ProfilePartEffect) m_Features.Effects.SelectEffect(v.Effect);
    if (read.Parts >= ProfilePartVirtual) m_Features.VirtualSpeakers.Restore(v.VirtualEnabled, v.Positions);
    if (read.Parts >= ProfilePartLed && v.HasLed) m_Features.Led.SetState(v.LedOn);
    m_Context.Window.RestyleLabels(); // the switches' label colours
}

void CProfiles::ApplyPresets(const PROFILE_READ& read) {
    CEqualizer& eq = m_Features.Equalizer;
    const int32_t lines = std::min(read.Parts, ProfilePresetCount);
    for (int32_t preset = 1; preset <= lines; ++preset) {
        const PROFILE_PRESET& line = read.Values.Presets[static_cast<size_t>(preset - 1)];
        eq.RestorePreset(preset, line.Gains, line.EqEnabled);
    }
    if (read.Parts >= ProfilePresetCount) eq.ReapplyProcessing();
}

int32_t CProfiles::ReadProfile(const std::u16string& path) {
    const PROFILE_READ read = ReadProfileFile(*m_Context.Plat.profile, path);
    Apply(read);
    if (read.Complete()) return 0;
    ShowConvertError(read.BadText);
    return 1;
}

// The device opened only to see that it is there.
bool CProfiles::DevicePresent() {
    const HidHandle handle = m_Context.Device.OpenDevice();
    if (handle == NoHidHandle) return false;
    m_Context.Plat.hid->Close(handle);
    return true;
}

void CProfiles::ShowSaveError(const std::u16string& path) {
    ui::CUiError error;
    error.code = ui::UiFileError;
    error.message = u"Cannot create file \"" + path + u"\"";
    m_Context.App.ShowError(error);
}

void CProfiles::ShowConvertError(const std::u16string& text) {
    ui::CUiError error;
    error.code = ui::UiConvertError;
    error.message = InvalidIntegerStatus(text).Message;
    m_Context.App.ShowError(error);
}

// USERPROFILE\<data folder>, created; empty when there is no such place (the dialog then opens where the
// system chooses).
std::u16string CProfiles::DefaultFolder() const {
    PROFILE_PLACE place;
    if (!DefaultProfileFolder(*m_Context.Plat.environment, m_Setup.DataFolderName, place)) return {};
    m_Context.Plat.files->CreateFolder(place.Folder);
    return place.Folder;
}

// The user's own remembered profile, else one the program's configuration names.
std::u16string CProfiles::LastSavedProfile() const {
    IProfileStrings& profile = *m_Context.Plat.profile;
    std::u16string path;
    PROFILE_PLACE user;
    if (UserConfigPlace(*m_Context.Plat.environment, m_Setup.DataFolderName, user))
        profile.GetString(LastSavedSection, LastSavedKey, u"", path, ProfileBufferSize, user.File);
    if (path.empty() && !m_Setup.ProgramConfigFile.empty())
        profile.GetString(LastSavedSection, LastSavedKey, u"", path, ProfileBufferSize,
                          m_Setup.ProgramConfigFile);
    if (path.size() >= ProfileBufferSize - 1) path.clear(); // cut by the buffer: no folder to trust
    return path;
}

// In the user's configuration file: the program's own folder is not the user's to write.
void CProfiles::RememberSavedProfile(const std::u16string& path) {
    PROFILE_PLACE user;
    if (!UserConfigPlace(*m_Context.Plat.environment, m_Setup.DataFolderName, user)) return;
    m_Context.Plat.files->CreateFolder(user.Folder);
    m_Context.Plat.profile->WriteString(LastSavedSection, LastSavedKey, path, user.File);
}

int32_t CProfiles::SaveProfileAs() {
    if (!DevicePresent()) return ProfileNoDevice;
    ui::CSaveDialog* dialog = m_Setup.SaveDialog;
    if (!dialog) return ProfileCancelled;
    dialog->InitialDir = DefaultFolder();
    if (!dialog->Execute()) return ProfileCancelled;
    if (FileNameOf(dialog->FileName).find(ProfileExtension) == std::u16string::npos)
        dialog->FileName += ProfileExtension;
    if (WriteProfile(dialog->FileName) != ProfileSaved) {
        ShowSaveError(dialog->FileName);
        return ProfileNotSaved;
    }
    RememberSavedProfile(dialog->FileName);
    return ProfileSaved;
}

int32_t CProfiles::LoadProfileFrom() {
    if (!DevicePresent()) return 1;
    ui::COpenDialog* dialog = m_Setup.OpenDialog;
    if (!dialog) return 1;
    const std::u16string last = LastSavedProfile();
    const size_t slash = last.find_last_of(u'\\');
    dialog->InitialDir = slash != std::u16string::npos ? last.substr(0, slash) : DefaultFolder();
    if (!dialog->Execute()) return 1;
    return ReadProfile(dialog->FileName);
}

std::u16string CProfiles::LastProfileFile() const {
    PROFILE_PLACE place;
    return LastProfilePlace(*m_Context.Plat.environment, m_Setup.DataFolderName, place) ? place.File
                                                                                        : std::u16string();
}

int32_t CProfiles::SaveLastProfile() {
    PROFILE_PLACE place;
    if (!LastProfilePlace(*m_Context.Plat.environment, m_Setup.DataFolderName, place)) return 1;
    m_Context.Plat.files->CreateFolder(place.Folder);
    const int32_t status = WriteProfile(place.File);
    if (status != ProfileSaved) ShowSaveError(place.File);
    return status;
}

// A damaged file is read whole before anything is applied: it is shown once, set aside beside itself and
// the start goes on with the defaults (the next exit writes a good file).
int32_t CProfiles::LoadLastProfile() {
    const std::u16string path = LastProfileFile();
    IFileSystem& files = *m_Context.Plat.files;
    if (path.empty() || !files.Exists(path)) return LastProfileMissing;
    const PROFILE_READ read = ReadProfileFile(*m_Context.Plat.profile, path);
    if (!read.Complete()) {
        ShowConvertError(read.BadText);
        if (files.Move(path, path + SetAsideSuffix, MoveReplaceExisting) != FileOk) files.Delete(path);
        return LastProfileSetAside;
    }
    Apply(read);
    return LastProfileLoaded;
}

} // namespace tonvel
