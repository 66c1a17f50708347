#pragma once
// The uninstaller program from its arguments to its exit code, over the platform and four window calls:
// the installed program hands over to its temporary copy; the copy (or the installed program, when the
// hand-over failed) checks the rights and the installed configuration, asks for confirmation and whether
// to keep the settings (quiet mode asks nothing and keeps them), shows the progress, runs the removal and
// tells what stays, or in quiet mode writes it to the log file.

#include "platform/api/Platform.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tonvel {

struct UNINSTALL_UI {
    // A question with Yes and No; true for Yes.
    std::function<bool(const std::u16string& caption, const std::u16string& question)> Ask;
    std::function<void(const std::u16string& caption, const std::u16string& text)> Tell;
    // The progress window: opened with its text, moved to a percentage, closed.
    std::function<void(const std::u16string& caption, const std::u16string& text)> OpenProgress;
    std::function<void(int32_t percent)> Progress;
    std::function<void()> CloseProgress;
};

int32_t RunUninstallProgram(const Platform& platform, std::u16string_view arguments, const UNINSTALL_UI& ui);

} // namespace tonvel
