// Tonvel.exe: the control panel on the real platform and the Win32 UI.

#include "panel/app/PanelMain.h"
#include "platform/win32/Win32Platform.h"
#include "ui/win32/Win32Backend.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tonvel::win32::CWin32Platform platform;
    tonvel::ui::CWin32Backend backend;
    tonvel::ui::CApplication app(backend, platform.platform().files);
    return tonvel::RunControlPanel(app, platform.platform(), {});
}
