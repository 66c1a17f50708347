// The skin file reader on any SkinSetting.ini: the file read through the simulated profile strings, loaded
// into the skin record and put through the application plan; and the value syntax on the file's own
// values. Every entry keeps within the record's bounds (file names of 63 characters, values of 255), a
// failed load names the item it stopped at, and the value syntax agrees with itself. A skin switch (the file
// loaded into the record of a complete previous skin) leaves no picture of the previous skin and gives the
// speaker ratio of the two radii.
//
// Input: a state byte, then the file's bytes.

#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFiles.h"
#include "platform/sim/SimProfileStrings.h"
#include "skin/ProfileReader.h"
#include "skin/SkinApply.h"
#include "skin/SkinSetting.h"
#include "skin/ValueSyntax.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using namespace tonvel;

constexpr char16_t FuzzedPath[] = u"C:\\Program Files\\Tonvel\\Skin\\Azure\\SkinSetting.ini";
constexpr char16_t PreviousPath[] = u"C:\\Program Files\\Tonvel\\Skin\\Before\\SkinSetting.ini";
constexpr int32_t PreviousRadius = 100; // VirtualCenter's third item below

// A complete skin file: every picture and every number given.
std::string PreviousSkin() {
    struct SECTION {
        const char16_t* Name;
        const char16_t* Token; // the section's name in the picture keys
        std::u16string Numbers;
    };
    const SECTION sections[] = {
        {u"Main", u"Main", u"BackNotebook=1,2,3,4\r\n"},
        {u"EQ", u"EQ", u"EQPanel=1,2\r\nEQSlider=1,2\r\n"},
        {u"3D", u"D3", u""},
        {u"Effect", u"Effect", u"EffectPanel=1,2\r\n"},
        {u"Mic", u"Mic", u"MicPanel=1,2\r\nMicSlider=1,2\r\nMicProgressLength=1\r\n"},
        {u"Virtual7ch1", u"Virtual7ch1", u"VirtualPanel=1,2\r\nVirtualCenter=10,20,100\r\n"},
        {u"About", u"About", u""},
    };
    std::u16string text;
    for (const SECTION& section : sections) {
        text += u"[" + std::u16string(section.Name) + u"]\r\n" + section.Numbers;
        for (int i = 0; i < SkinImageCount; ++i) {
            const SKIN_IMAGE_KEY& key = SkinImageKey(static_cast<SKIN_IMAGE>(i));
            if (std::u16string(key.Section) == section.Token)
                text += std::u16string(key.Key) + u"=before.png,1,2,3,4\r\n";
        }
    }
    std::string bytes;
    for (char16_t unit : text)
        bytes.push_back(static_cast<char>(unit));
    return bytes;
}

// The items joined again: the value without its quotes, cut after the last item returned.
void CheckSplit(const std::u16string& value, size_t maxItems) {
    const std::vector<std::u16string> items = SplitValue(value, maxItems);
    TONVEL_FUZZ_CHECK(items.size() <= maxItems);
    TONVEL_FUZZ_CHECK(value.empty() == items.empty() || maxItems == 0);
    std::u16string unquoted;
    for (char16_t unit : value)
        if (unit != u'"') unquoted.push_back(unit);
    std::u16string joined;
    for (size_t i = 0; i < items.size(); ++i)
        joined += (i == 0 ? u"" : u",") + items[i];
    TONVEL_FUZZ_CHECK(unquoted.compare(0, joined.size(), joined) == 0);
}

// A whole number read back from its own decimal and hexadecimal forms.
void CheckInteger(const std::u16string& text) {
    int32_t value = 0;
    if (!ParseInteger(text, value)) return;
    const std::string decimal = std::to_string(value);
    int32_t again = 0;
    TONVEL_FUZZ_CHECK(ParseInteger(std::u16string(decimal.begin(), decimal.end()), again) && again == value);
    char hex[16];
    std::snprintf(hex, sizeof hex, "$%X", static_cast<unsigned>(value));
    const std::string hexText = hex;
    TONVEL_FUZZ_CHECK(ParseInteger(std::u16string(hexText.begin(), hexText.end()), again) && again == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CFuzzReader input(data, size);
    const uint8_t flags = input.Byte();
    const std::string_view file = input.Rest();

    fuzz::CMemoryFiles files;
    files.m_Files[FuzzedPath].assign(file.begin(), file.end());
    sim::CSimProfileStrings profile(files);
    const ProfileReader fileReader = MakeProfileReader(profile, FuzzedPath);
    // Every value read is checked on its way and fed to the value syntax.
    const ProfileReader read = [&fileReader](const std::u16string& section, const std::u16string& key) {
        const std::u16string value = fileReader(section, key);
        TONVEL_FUZZ_CHECK(value.size() < PanelValueBufferSize);
        CheckSplit(value, 5);
        for (const std::u16string& item : SplitValue(value, 5))
            CheckInteger(item);
        return value;
    };

    CSkinSetting skin;
    skin.Metrics().PreviousSpeakerRadius = 1;
    const PANEL_STATUS status = skin.Load(read);
    TONVEL_FUZZ_CHECK(status.Ok() || status.Code == PanelInvalidInteger);
    TONVEL_FUZZ_CHECK(status.Ok() == status.Message.empty());
    for (int i = 0; i < SkinImageCount; ++i) {
        const _SKIN_IMAGE_INFO& info = skin.Image(static_cast<SKIN_IMAGE>(i));
        TONVEL_FUZZ_CHECK(info.FileName.size() <= SkinFileNameMax);
        TONVEL_FUZZ_CHECK(SkinPicturePath(u"C:\\S\\", u"3D\\", info).size() == 8 + info.FileName.size());
    }
    // A radius read moves the one before (none yet: 0) to the previous radius.
    const bool radiusRead = skin.Metrics().PreviousSpeakerRadius == 0;
    TONVEL_FUZZ_CHECK(std::isfinite(skin.Metrics().SpeakerRatio()));

    // A skin switch: the panel loads the new file into the record that holds the previous skin. The second
    // load starts from clear pictures, stops where a fresh load stops, and the speaker icons move by the new
    // radius over the previous one (they stay when the file gives no radius).
    const std::string previous = PreviousSkin();
    files.m_Files[PreviousPath].assign(previous.begin(), previous.end());
    CSkinSetting switched;
    switched.Metrics().PreviousSpeakerRadius = 1;
    TONVEL_FUZZ_CHECK(switched.Load(MakeProfileReader(profile, PreviousPath)).Ok());
    const PANEL_STATUS again = switched.Load(fileReader);
    TONVEL_FUZZ_CHECK(again.Code == status.Code && again.Message == status.Message);
    for (int i = 0; i < SkinImageCount; ++i) {
        const _SKIN_IMAGE_INFO& fresh = skin.Image(static_cast<SKIN_IMAGE>(i));
        const _SKIN_IMAGE_INFO& loaded = switched.Image(static_cast<SKIN_IMAGE>(i));
        TONVEL_FUZZ_CHECK(loaded.FileName == fresh.FileName && loaded.HasLeft == fresh.HasLeft &&
                          loaded.HasHeight == fresh.HasHeight && loaded.Left == fresh.Left);
    }
    const double expectedRatio =
        radiusRead ? static_cast<double>(skin.Metrics().SpeakerRadius) / PreviousRadius : 1.0;
    TONVEL_FUZZ_CHECK(switched.Metrics().SpeakerRatio() == expectedRatio);

    // The plan names one valid picture per placement, whatever the state.
    SKIN_FEATURE_STATE state;
    state.LedOn = flags & 1;
    state.EqEnabled = flags & 2;
    state.D3Enabled = flags & 4;
    state.Preset = static_cast<int8_t>(flags) >> 3;
    state.Effect = (flags >> 4) - 4;
    state.AlphaConnection = (flags & 7) - 2;
    state.BetaConnection = (flags >> 5) - 2;
    for (const SKIN_PLACEMENT& placement : SkinApplicationPlan(state)) {
        TONVEL_FUZZ_CHECK(placement.Component != nullptr);
        const int index = static_cast<int>(placement.Image);
        TONVEL_FUZZ_CHECK(index >= 0 && index < SkinImageCount);
    }

    // A caption from the file's bytes gives a name within the skin-name bound.
    std::u16string caption;
    for (char c : file.substr(0, 600))
        caption.push_back(static_cast<unsigned char>(c));
    TONVEL_FUZZ_CHECK(SkinNameFromCaption(caption).size() <= SkinNameMax);
    return 0;
}
