// TonvelSetup.exe: the setup wizard on the real platform and the Win32 UI.

#include "platform/win32/Win32Platform.h"
#include "setup/wizard/SetupMain.h"
#include "ui/win32/Win32Backend.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tonvel::win32::CWin32Platform platform;
    tonvel::ui::CWin32Backend backend;
    tonvel::ui::CApplication app(backend, platform.platform().files);
    return tonvel::RunSetup(app, platform.platform());
}
