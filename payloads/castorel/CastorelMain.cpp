// Castorel.exe, the product's helper service program.
//   Castorel.exe /Service   registers the service "Castorel" (or updates it) and ends: 0 when done
//   Castorel.exe            run by the service control manager as that service; started by hand it ends
//                           with a non-zero code
#include "ServiceRegistration.h"
#include "ServiceRun.h"

#include <windows.h>

#include <shellapi.h>

namespace {

constexpr wchar_t RegisterSwitch[] = L"/Service";
constexpr int32_t UnknownArguments = 20;

enum class EMode { Run, Register, Unknown };

EMode ModeFromCommandLine() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) {
        return EMode::Unknown;
    }
    EMode mode = EMode::Unknown;
    if (argc <= 1) {
        mode = EMode::Run;
    } else if (argc == 2 && CompareStringOrdinal(argv[1], -1, RegisterSwitch, -1, TRUE) == CSTR_EQUAL) {
        mode = EMode::Register;
    }
    LocalFree(argv);
    return mode;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    switch (ModeFromCommandLine()) {
    case EMode::Run:
        return castorel::RunService();
    case EMode::Register:
        return castorel::RegisterService();
    default:
        return UnknownArguments;
    }
}
