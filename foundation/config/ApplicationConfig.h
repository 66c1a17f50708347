#pragma once
// The loader of the configuration record. Both programs call it once while their main window is created,
// with "AudioConfig.cfg" and the full path of the running program. The setup program's variant reads the
// setup-only keys as well and writes trace lines to the debugger; the control panel's reads the common
// keys only and writes none. There is no failure result: what is missing stays empty.

#include "foundation/config/ApplicationFolderPath.h"

#include <string>

namespace tonvel {

struct Platform;

enum class CONFIG_PROGRAM { Setup, ControlPanel };

void LoadApplicationConfig(const Platform& platform, CONFIG_PROGRAM program,
                           const std::u16string& configFileName, const std::u16string& programPath,
                           _APPLICATION_FOLDER_PATH& record);

} // namespace tonvel
