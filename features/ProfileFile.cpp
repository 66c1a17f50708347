#include "features/ProfileFile.h"

#include "features/ProfilePlaces.h"
#include "skin/ValueSyntax.h"

#include <cstdio>

namespace tonvel {
namespace {

constexpr char16_t EqSection[] = u"EQ";
constexpr char16_t Sound3DSection[] = u"3D";
constexpr char16_t EffectSection[] = u"Effect";
constexpr char16_t VirtualSection[] = u"Virtual7ch1";
constexpr char16_t LedSection[] = u"LED";
constexpr const char16_t* PresetKeys[ProfilePresetCount] = {u"S1", u"S2", u"S3", u"S4"};
constexpr char16_t LeftAlphaKey[] = u"LeftAlpha";
constexpr char16_t LeftBetaKey[] = u"LeftBeta";
constexpr char16_t RightAlphaKey[] = u"RightAlpha";
constexpr char16_t RightBetaKey[] = u"RightBeta";
constexpr char16_t FbmKey[] = u"FBM";
constexpr char16_t Sound3DEnable[] = u"3DEN";
constexpr char16_t CurrentEffect[] = u"CurrentEffect";
constexpr char16_t VirtualEnable[] = u"7ch1EN";
constexpr char16_t LedOnKey[] = u"LEDON";
constexpr char16_t TemporarySuffix[] = u".tmp";
// The speakers' keys by speaker index, and the order they are written in.
constexpr const char16_t* SpeakerKeys[SpeakerCount] = {u"L", u"R", u"C", u"SUB", u"LS", u"RS", u"LB", u"RB"};
constexpr size_t SpeakerWriteOrder[SpeakerCount] = {2, 0, 4, 6, 7, 5, 3, 1};
constexpr size_t PresetFields = ProfileBandCount + 1;

std::u16string Text(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

std::u16string Decimal(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return Text(text);
}

std::u16string PresetLine(const PROFILE_PRESET& preset) {
    char text[64];
    const auto& g = preset.Gains;
    std::snprintf(text, sizeof text, "0x%X,0x%X,0x%X,0x%X,0x%X,%d", unsigned{g[0]}, unsigned{g[1]},
                  unsigned{g[2]}, unsigned{g[3]}, unsigned{g[4]}, preset.EqEnabled ? 1 : 0);
    return Text(text);
}

std::u16string PositionText(SPEAKER_POSITION position) {
    return Decimal(position.Left) + u"," + Decimal(position.Top);
}

// Reads the keys of one part in turn; the first value that is not a whole number ends it.
class CPartReader {
public:
    CPartReader(IProfileStrings& profile, const std::u16string& path, PROFILE_READ& read)
        : m_Profile(profile), m_Path(path), m_Read(read) {}

    std::u16string Value(const char16_t* section, const char16_t* key) {
        std::u16string value;
        m_Profile.GetString(section, key, u"", value, ProfileValueBuffer, m_Path);
        return value;
    }
    bool Integer(const std::u16string& text, int32_t& value) {
        return ParseInteger(text, value) || Fail(text);
    }
    bool Fail(const std::u16string& text) {
        m_Read.BadText = text;
        return false;
    }
    bool Integer(const char16_t* section, const char16_t* key, int32_t& value) {
        return Integer(Value(section, key), value);
    }
    bool Switch(const char16_t* section, const char16_t* key, bool& on) {
        int32_t value = 0;
        if (!Integer(section, key, value)) return false;
        on = value != 0;
        return true;
    }

private:
    IProfileStrings& m_Profile;
    const std::u16string& m_Path;
    PROFILE_READ& m_Read;
};

// An S line's fields; those it lacks come from the line before (`fields` holds them on entry).
bool ReadPresetLine(CPartReader& reader, int32_t index, std::array<int32_t, PresetFields>& fields) {
    const std::u16string line = reader.Value(EqSection, PresetKeys[index]);
    const std::vector<std::u16string> items = SplitValue(line, PresetFields);
    // A missing line, or a first line short of fields: the missing field is what is not a whole number.
    if (items.empty() || (index == 0 && items.size() < PresetFields)) return reader.Fail(std::u16string());
    for (size_t i = 0; i < items.size(); ++i)
        if (!reader.Integer(items[i], fields[i])) return false;
    return true;
}

bool ReadPresets(CPartReader& reader, PROFILE_READ& read) {
    std::array<int32_t, PresetFields> fields{};
    for (int32_t index = 0; index < ProfilePresetCount; ++index) {
        if (!ReadPresetLine(reader, index, fields)) return false;
        PROFILE_PRESET& preset = read.Values.Presets[static_cast<size_t>(index)];
        for (size_t band = 0; band < ProfileBandCount; ++band)
            preset.Gains[band] = static_cast<uint16_t>(fields[band]);
        preset.EqEnabled = fields[ProfileBandCount] != 0;
        ++read.Parts;
    }
    return true;
}

bool Read3D(CPartReader& reader, PROFILE_VALUES& values) {
    int32_t v[4] = {};
    const char16_t* keys[4] = {LeftAlphaKey, LeftBetaKey, RightAlphaKey, RightBetaKey};
    for (size_t i = 0; i < 4; ++i)
        if (!reader.Integer(Sound3DSection, keys[i], v[i])) return false;
    if (!reader.Switch(Sound3DSection, FbmKey, values.Fbm) ||
        !reader.Switch(Sound3DSection, Sound3DEnable, values.Sound3DOn))
        return false;
    values.LeftAlpha = static_cast<uint8_t>(v[0]);
    values.LeftBeta = static_cast<uint8_t>(v[1]);
    values.RightAlpha = static_cast<uint8_t>(v[2]);
    values.RightBeta = static_cast<uint8_t>(v[3]);
    return true;
}

// "Left,Top": both numbers must be there; anything after them is ignored.
bool ReadPosition(CPartReader& reader, const char16_t* key, SPEAKER_POSITION& position) {
    const std::vector<std::u16string> items = SplitValue(reader.Value(VirtualSection, key), 2);
    const std::u16string left = items.empty() ? std::u16string() : items[0];
    const std::u16string top = items.size() < 2 ? std::u16string() : items[1];
    return reader.Integer(left, position.Left) && reader.Integer(top, position.Top);
}

bool ReadVirtual(CPartReader& reader, PROFILE_VALUES& values) {
    if (!reader.Switch(VirtualSection, VirtualEnable, values.VirtualEnabled)) return false;
    for (size_t i = 0; i < SpeakerCount; ++i)
        if (!ReadPosition(reader, SpeakerKeys[i], values.Positions[i])) return false;
    return true;
}

bool ReadLed(CPartReader& reader, PROFILE_VALUES& values) {
    const std::u16string text = reader.Value(LedSection, LedOnKey);
    values.HasLed = !text.empty();
    if (!values.HasLed) return true;
    int32_t value = 0;
    if (!reader.Integer(text, value)) return false;
    values.LedOn = value != 0;
    return true;
}

} // namespace

std::vector<PROFILE_ENTRY> ProfileEntries(const PROFILE_VALUES& values) {
    std::vector<PROFILE_ENTRY> entries;
    for (int32_t i = 0; i < ProfilePresetCount; ++i)
        entries.push_back({EqSection, PresetKeys[i], PresetLine(values.Presets[static_cast<size_t>(i)])});
    entries.push_back({Sound3DSection, LeftAlphaKey, Decimal(values.LeftAlpha)});
    entries.push_back({Sound3DSection, LeftBetaKey, Decimal(values.LeftBeta)});
    entries.push_back({Sound3DSection, RightAlphaKey, Decimal(values.RightAlpha)});
    entries.push_back({Sound3DSection, RightBetaKey, Decimal(values.RightBeta)});
    entries.push_back({Sound3DSection, FbmKey, Decimal(values.Fbm ? 1 : 0)});
    entries.push_back({Sound3DSection, Sound3DEnable, Decimal(values.Sound3DOn ? 1 : 0)});
    entries.push_back({EffectSection, CurrentEffect, Decimal(values.Effect)});
    for (const size_t index : SpeakerWriteOrder)
        entries.push_back({VirtualSection, SpeakerKeys[index], PositionText(values.Positions[index])});
    entries.push_back({VirtualSection, VirtualEnable, Decimal(values.VirtualEnabled ? 1 : 0)});
    entries.push_back({LedSection, LedOnKey, Decimal(values.LedOn ? 1 : 0)});
    return entries;
}

// Beside the file, "<file>.tmp"; where that would pass the longest Windows path, the file's extension is
// replaced instead, so that a file that fits has a temporary neighbour that fits too.
std::u16string ProfileTemporaryPath(const std::u16string& path) {
    const std::u16string appended = path + TemporarySuffix;
    if (appended.size() <= ProfilePathMax) return appended;
    const size_t slash = path.find_last_of(u'\\');
    const size_t dot = path.find_last_of(u'.');
    if (dot == std::u16string::npos || (slash != std::u16string::npos && dot < slash)) return appended;
    return path.substr(0, dot) + TemporarySuffix;
}

int32_t WriteProfileFile(IProfileStrings& profile, IFileSystem& files, const std::u16string& path,
                         const PROFILE_VALUES& values) {
    const std::u16string temporary = ProfileTemporaryPath(path);
    files.Delete(temporary); // what a save cut off before may have left
    for (const PROFILE_ENTRY& entry : ProfileEntries(values)) {
        if (!profile.WriteString(entry.Section, entry.Key, entry.Value, temporary)) {
            files.Delete(temporary);
            return ProfileWriteFailed;
        }
    }
    if (files.Move(temporary, path, MoveReplaceExisting | MoveWriteThrough) != FileOk) {
        files.Delete(temporary);
        return ProfileReplaceFailed;
    }
    return ProfileSaved;
}

PROFILE_READ ReadProfileFile(IProfileStrings& profile, const std::u16string& path) {
    PROFILE_READ read;
    CPartReader reader(profile, path, read);
    PROFILE_VALUES& values = read.Values;
    if (!ReadPresets(reader, read)) return read;
    if (!Read3D(reader, values)) return read;
    read.Parts = ProfilePartSound3D;
    if (!reader.Integer(EffectSection, CurrentEffect, values.Effect)) return read;
    read.Parts = ProfilePartEffect;
    if (!ReadVirtual(reader, values)) return read;
    read.Parts = ProfilePartVirtual;
    if (!ReadLed(reader, values)) return read;
    read.Parts = ProfilePartLed;
    return read;
}

} // namespace tonvel
