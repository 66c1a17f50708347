#pragma once
// A profile file: the sound settings as a Windows profile file, written and read key by key through the
// profile-string functions. Sections and keys, in the order they are written:
//   [EQ]          S1 .. S4        "0x%X,0x%X,0x%X,0x%X,0x%X,%d": the five gains of that preset, the EQ switch
//   [3D]          LeftAlpha, LeftBeta, RightAlpha, RightBeta, FBM, 3DEN  "%d"
//   [Effect]      CurrentEffect   "%d"
//   [Virtual7ch1] C, L, LS, LB, RB, RS, SUB, R  "%d,%d" (Left and Top of the icon), 7ch1EN "%d"
//   [LED]         LEDON           "%d"
// A file is read in the order its settings are applied (the S lines, 3D, effect, speakers, LED); reading
// stops at the first value that is not a whole number, and what was read before it stays usable.

#include "features/SpeakerGeometry.h"
#include "platform/api/FileSystem.h"
#include "platform/api/ProfileStrings.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tonvel {

inline constexpr int32_t ProfilePresetCount = 4;
inline constexpr int32_t ProfileBandCount = 5;
// Profile values are read into 256-unit buffers.
inline constexpr uint32_t ProfileValueBuffer = 256;

struct PROFILE_PRESET {
    std::array<uint16_t, ProfileBandCount> Gains{};
    bool EqEnabled = false; // the EQ switch, written on every line
};

struct PROFILE_VALUES {
    std::array<PROFILE_PRESET, ProfilePresetCount> Presets{};
    // 3D: the channel values (low 8 bits), the FBM switch and the 3D switch.
    uint8_t LeftAlpha = 0, LeftBeta = 0, RightAlpha = 0, RightBeta = 0;
    bool Fbm = false;
    bool Sound3DOn = false;
    int32_t Effect = 1;
    bool VirtualEnabled = false;
    SPEAKER_POSITIONS Positions{}; // by speaker index (L, R, C, SUB, LS, RS, LB, RB)
    bool HasLed = false;           // "LEDON" is there and not empty
    bool LedOn = false;
};

// The parts of a file in reading order: the four S lines, then the 3D, Effect, Virtual7ch1 and LED sections.
inline constexpr int32_t ProfilePartSound3D = 5;
inline constexpr int32_t ProfilePartEffect = 6;
inline constexpr int32_t ProfilePartVirtual = 7;
inline constexpr int32_t ProfilePartLed = 8;
inline constexpr int32_t ProfilePartCount = 8;

struct PROFILE_READ {
    PROFILE_VALUES Values;
    int32_t Parts = 0;      // the parts read whole, in reading order
    std::u16string BadText; // the value that stopped the reading
    bool Complete() const { return Parts == ProfilePartCount; }
};

// One key as it is written.
struct PROFILE_ENTRY {
    const char16_t* Section;
    const char16_t* Key;
    std::u16string Value;
};

// Every key with its text, in the order of writing.
std::vector<PROFILE_ENTRY> ProfileEntries(const PROFILE_VALUES& values);

// WriteProfileFile's status.
inline constexpr int32_t ProfileSaved = 0;
inline constexpr int32_t ProfileWriteFailed = 1;   // a key could not be written to the temporary file
inline constexpr int32_t ProfileReplaceFailed = 2; // the temporary file could not take the file's place

// The temporary file a profile is written into before it replaces the file at `path`.
std::u16string ProfileTemporaryPath(const std::u16string& path);
// Writes the whole profile into the temporary file beside `path`, then puts it in the file's place in one
// step (replace, write-through); until then the old file stays as it was. A failed save leaves no
// temporary file behind.
int32_t WriteProfileFile(IProfileStrings& profile, IFileSystem& files, const std::u16string& path,
                         const PROFILE_VALUES& values);

// Reads the file in reading order. A missing key or a value that is not a whole number (decimal, or
// hexadecimal after "0x") ends the reading; "LEDON" may be empty or missing. An S line with fewer than six
// fields takes the missing ones from the line before; the first line must have all six. Switches are on
// for any value but 0.
PROFILE_READ ReadProfileFile(IProfileStrings& profile, const std::u16string& path);

} // namespace tonvel
