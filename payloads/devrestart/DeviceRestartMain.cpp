// TonvelDeviceRestart.exe <device-instance-id> [<device-instance-id> ...]
// Restarts each named device. The setup runs it on 64-bit Windows, where a 32-bit program cannot restart
// devices through the class installer. Exit code: 0 all restarted (an ID naming no device has nothing to
// restart), 1 at least one device needs Windows to restart, 2 no device named.
#include "DeviceRestart.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdint>

namespace {

constexpr int32_t AllRestarted = 0;
constexpr int32_t RebootNeeded = 1;
constexpr int32_t BadCommandLine = 2;

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) {
        return BadCommandLine;
    }
    int32_t result = argc < 2 ? BadCommandLine : AllRestarted;
    for (int i = 1; i < argc; ++i) {
        if (devrestart::RestartDevice(argv[i]) == devrestart::ERestartResult::NeedsReboot) {
            result = RebootNeeded;
        }
    }
    LocalFree(argv);
    return result;
}
