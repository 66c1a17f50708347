#pragma once
// The program entry shared by Tonvel.exe and TonvelDemo.exe: the application object, the main window,
// the About box and the message loop. A start-up error has been shown already and ends the program.

#include "panel/form/AudioMainForm.h"

namespace tonvel {

int RunControlPanel(ui::CApplication& app, const Platform& platform, PANEL_OPTIONS options);

} // namespace tonvel
