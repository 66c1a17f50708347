// TonvelUninstall.exe until the real uninstaller is built: the file the Uninstall entry and its shortcut
// name. It shows nothing and ends with 0.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return 0;
}
