#pragma once
// Profiles: the settings saved to and loaded from profile files with the Save and Load buttons, and
// "LastProfile.ini" written at exit and read at the next start. The last saved profile is remembered in
// the user's configuration file ("LastINI"), so that the Load dialog opens in its folder.

#include "features/Effects.h"
#include "features/Equalizer.h"
#include "features/Feature.h"
#include "features/LedSwitch.h"
#include "features/ProfileFile.h"
#include "features/Sound3D.h"
#include "features/VirtualSpeakers.h"

namespace tonvel {

// SaveProfileAs's status.
inline constexpr int32_t ProfileNoDevice = 1;
inline constexpr int32_t ProfileCancelled = 2;
inline constexpr int32_t ProfileNotSaved = 3;
// LoadLastProfile's status.
inline constexpr int32_t LastProfileLoaded = 0;
inline constexpr int32_t LastProfileMissing = 1;  // no such file, or no place for one
inline constexpr int32_t LastProfileSetAside = 2; // damaged: shown once, moved aside, defaults kept

// What the window gives the profiles: its data folder name, its own configuration file and its dialogs.
struct PROFILE_SETUP {
    std::u16string DataFolderName;
    std::u16string ProgramConfigFile;
    ui::CSaveDialog* SaveDialog = nullptr;
    ui::COpenDialog* OpenDialog = nullptr;
};

// The features whose settings a profile holds.
struct PROFILE_FEATURES {
    CEqualizer& Equalizer;
    CSound3D& Sound3D;
    CEffects& Effects;
    CVirtualSpeakers& VirtualSpeakers;
    CLedSwitch& Led;
};

class CProfiles : public CFeature {
public:
    // A damaged last profile is kept beside itself under this suffix (an older one is replaced).
    static constexpr char16_t SetAsideSuffix[] = u".bad";

    CProfiles(FEATURE_CONTEXT& context, const PROFILES_PARTS& parts, PROFILE_FEATURES features);

    void Setup(PROFILE_SETUP setup) { m_Setup = std::move(setup); }

    bool OwnsTag(int32_t tag) const override;
    void ButtonDown(int32_t tag, ui::CComponent& button) override;
    void ButtonUp(int32_t tag, ui::CComponent& button) override;

    // The settings written to the file (completely, or the old file stays); 0, else the write's status.
    int32_t WriteProfile(const std::u16string& path);
    // The file read and its settings applied in reading order; a value that is not a whole number stops
    // it with the error shown (what was applied before stays). 0, or 1 when it stopped.
    int32_t ReadProfile(const std::u16string& path);
    // The Save button: 0 saved; 1 no device; 2 dialog cancelled; 3 not saved (the error is shown).
    int32_t SaveProfileAs();
    // The Load button: 0, or 1 when nothing was loaded.
    int32_t LoadProfileFrom();
    // Shutdown: 0 saved; 1 no place for the file; else the write's status (the error is shown).
    int32_t SaveLastProfile();
    int32_t LoadLastProfile();

    // The file the settings at exit go to; empty when APPDATA gives no place for it.
    std::u16string LastProfileFile() const;

private:
    PROFILE_VALUES Collect();
    void Apply(const PROFILE_READ& read);
    void ApplyPresets(const PROFILE_READ& read);
    bool DevicePresent();
    void ShowSaveError(const std::u16string& path);
    void ShowConvertError(const std::u16string& text);
    std::u16string DefaultFolder() const;
    std::u16string LastSavedProfile() const;
    void RememberSavedProfile(const std::u16string& path);
    void ShowMenuPicture(int32_t tag, bool down);

    const PROFILES_PARTS& m_Parts;
    PROFILE_FEATURES m_Features;
    PROFILE_SETUP m_Setup;
};

} // namespace tonvel
