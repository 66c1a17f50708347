#pragma once
// The uninstaller cannot delete its own file or folder while it runs from them. The installed program
// therefore copies itself into the temporary folder and starts the copy, telling it where the installed
// program lies ("/from"); the copy does the removal, and registers its own file for deletion at the next
// restart. In quiet mode the installed program waits for the copy and ends with its exit code; otherwise it
// ends at once and the copy waits (bounded) until it has gone.

#include "platform/api/Platform.h"
#include "platform/api/Processes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tonvel {

inline constexpr char16_t QuietSwitch[] = u"/quiet";
inline constexpr char16_t FromSwitch[] = u"/from";
inline constexpr char16_t TemporaryFolderVariable[] = u"TEMP";
inline constexpr uint32_t OriginalExitWaitMs = 10000;

struct UNINSTALL_COMMAND {
    bool Quiet = false;
    std::u16string OriginalProgram; // set in the temporary copy: the installed uninstaller's path
};

// The program's arguments (the command line after the program name): "/quiet" in any letter case,
// "/from" followed by a path (quoted when it holds blanks). Anything else is ignored.
UNINSTALL_COMMAND ParseUninstallCommand(std::u16string_view arguments);

// The temporary folder ("TEMP"); empty when it is not set.
std::u16string TemporaryFolder(const Platform& platform);

// The copy's command line: its quoted path, "/from" and the quoted installed path, and "/quiet".
std::u16string CopyCommandLine(const std::u16string& copyPath, const std::u16string& originalProgram,
                               bool quiet);

// The temporary copy's path for the running program: the temporary folder + "~", the program's name, "-",
// a hexadecimal stamp and ".exe". Empty without a temporary folder.
std::u16string TemporaryCopyPath(const Platform& platform);

// In the installed program: copies it and starts the copy. The copy's process, or null when the hand-over
// failed (the installed program then does the removal itself).
PROCESS_HANDLE HandOverToTemporaryCopy(const Platform& platform, bool quiet);

// In the installed program after the hand-over: in quiet mode waits for the copy and gives its exit code,
// otherwise 0 at once. Closes the copy's handle.
int32_t FinishHandOver(const Platform& platform, PROCESS_HANDLE copy, bool quiet);

// In the temporary copy: waits (at most OriginalExitWaitMs) until the installed program has ended unless it
// waits for this copy (quiet mode), and registers the copy's own file for deletion at the next restart.
void TakeOverFromOriginal(const Platform& platform, const UNINSTALL_COMMAND& command);

} // namespace tonvel
