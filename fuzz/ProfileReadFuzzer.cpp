// Any profile file through ReadProfile on the control panel: the main window started once on the simulated
// Windows with the virtual headset plugged in and the headless UI, the file read and applied with its device
// writes. Loading either takes the whole file or stops at the first value that is not a whole number with
// exactly one error box naming it; nothing else is shown.
//
// Input: the file's bytes.

#include "fuzz/FuzzSupport.h"
#include "panel/form/tests/ShellFixture.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using namespace tonvel;

const std::u16string ProfilePath = u"C:\\Users\\Fuzz\\Tonvel\\Fuzzed.ini";
constexpr char16_t ConvertErrorEnd[] = u"' is not a valid integer value.";

// The panel started once, without a configuration of the user's own.
struct PANEL : Shell {
    PANEL() : Shell(true, false) {
        sim.Files().CreateFolders(u"C:\\Users\\Fuzz\\Tonvel");
        TONVEL_FUZZ_CHECK(Start(false).Ok());
        form->Show();
    }
};

bool EndsWith(const std::u16string& text, std::u16string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static PANEL panel;
    panel.sim.Files().PutFile(ProfilePath, std::string_view(reinterpret_cast<const char*>(data), size));
    panel.backend.ClearMessageBoxes();
    panel.sim.Headset().ClearReports();
    panel.sim.FilterDriver().ClearRequests();

    const int32_t status = panel.form->Features().Profiles().ReadProfile(ProfilePath);
    TONVEL_FUZZ_CHECK(status == 0 || status == 1);
    const auto& boxes = panel.backend.MessageBoxes();
    TONVEL_FUZZ_CHECK(boxes.size() == (status == 0 ? 0u : 1u));
    if (status == 1) TONVEL_FUZZ_CHECK(EndsWith(boxes[0].text, ConvertErrorEnd));
    const int32_t effect = panel.form->Features().Effects().Current();
    TONVEL_FUZZ_CHECK(effect >= 1 && effect <= 5);
    return 0;
}
