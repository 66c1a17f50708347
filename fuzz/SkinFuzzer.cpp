// The skin file reader on any SkinSetting.ini: the file read through the simulated profile strings, loaded
// into the skin record and put through the application plan; and the value syntax on the file's own
// values. Every entry keeps within the record's bounds (file names of 63 characters, values of 255), a
// failed load names the item it stopped at, and the value syntax agrees with itself.
//
// Input: a state byte, then the file's bytes.

#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFiles.h"
#include "panel/model/ProfileReader.h"
#include "panel/model/SkinApply.h"
#include "panel/model/SkinSetting.h"
#include "panel/model/ValueSyntax.h"
#include "platform/sim/SimProfileStrings.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using namespace tonvel;

constexpr char16_t kPath[] = u"C:\\Program Files\\Tonvel\\Skin\\Azure\\SkinSetting.ini";

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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzz::CFuzzReader input(data, size);
    const uint8_t flags = input.Byte();
    const std::string_view file = input.Rest();

    fuzz::CMemoryFiles files;
    files.m_Files[kPath].assign(file.begin(), file.end());
    sim::CSimProfileStrings profile(files);
    const ProfileReader fileReader = MakeProfileReader(profile, kPath);
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
    const double ratio = skin.Metrics().SpeakerRatio();
    (void)ratio;

    // A second load into the same record starts from clear pictures.
    CSkinSetting again;
    again.Load(fileReader);
    for (int i = 0; i < SkinImageCount; ++i)
        TONVEL_FUZZ_CHECK(again.Image(static_cast<SKIN_IMAGE>(i)).FileName ==
                          skin.Image(static_cast<SKIN_IMAGE>(i)).FileName);

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
