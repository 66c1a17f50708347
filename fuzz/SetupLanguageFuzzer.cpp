// The setup's language reading on any Language.ini: section "Setup" read through the simulated profile
// strings into the wizard's sixteen records by the setup's value rules, twice over the same records (as a
// second language is read over the first). Texts stay within the record (127 characters, font names 63),
// a failed read is the framework's conversion error with its message, and a field's flag is set only with
// its value.
//
// Input: the file's bytes.

#include "fuzz/FuzzSupport.h"
#include "fuzz/MemoryFiles.h"
#include "platform/sim/SimProfileStrings.h"
#include "setup/wizard/SetupLanguage.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace tonvel;

constexpr char16_t FuzzedPath[] = u"D:\\TonvelSetup\\Language\\English\\Language.ini";

void CheckStyle(const _LABEL_STYLE_INFO& style) {
    TONVEL_FUZZ_CHECK(style.Text.size() <= LabelTextMax);
    TONVEL_FUZZ_CHECK(style.FontName.size() <= LabelFontNameMax);
    TONVEL_FUZZ_CHECK(style.HasFontName || style.FontName.empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CFuzzReader input(data, size);
    const std::string_view file = input.Rest();
    fuzz::CMemoryFiles files;
    files.m_Files[FuzzedPath].assign(file.begin(), file.end());
    sim::CSimProfileStrings profile(files);

    SETUP_LABELS labels;
    for (int round = 0; round < 2; ++round) {
        ui::CUiError error;
        const int32_t status = LoadSetupLabels(profile, FuzzedPath, labels, &error);
        TONVEL_FUZZ_CHECK(status == ui::UiOk || status == ui::UiConvertError);
        TONVEL_FUZZ_CHECK((status == ui::UiOk) == error.message.empty());
        for (const _LABEL_STYLE_INFO& style : labels)
            CheckStyle(style);
    }
    return 0;
}
