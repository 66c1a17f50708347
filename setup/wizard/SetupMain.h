#pragma once
// The setup program's entry, shared by the real program and the tests: the background window (the
// application's main window), the wizard, and the message loop. Returns the program's exit code.

#include "platform/api/Platform.h"
#include "ui/core/Ui.h"

namespace tonvel {

int RunSetup(ui::CApplication& app, const Platform& platform);

} // namespace tonvel
