#include "AudioRestart.h"

#include <windows.h>

namespace castorel {
namespace {

HANDLE g_worker = nullptr;
volatile LONG g_running = 0;

bool WaitForState(SC_HANDLE service, DWORD wanted) {
    for (uint32_t poll = 0; poll < ServiceStopPolls; ++poll) {
        SERVICE_STATUS status{};
        if (QueryServiceStatus(service, &status) && status.dwCurrentState == wanted) return true;
        Sleep(ServiceStopPollMs);
    }
    return false;
}

int32_t Restart(SC_HANDLE service) {
    SERVICE_STATUS status{};
    // A status that cannot be read counts as not running: the start then tells.
    if (QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_RUNNING) {
        if (!ControlService(service, SERVICE_CONTROL_STOP, &status)) return StopRefused;
        if (!WaitForState(service, SERVICE_STOPPED)) return StopTimedOut;
    }
    return StartServiceW(service, 0, nullptr) ? Restarted : StartFailed;
}

DWORD WINAPI RestartAudio(void*) {
    RestartNamedService(AudioServiceName);
    InterlockedExchange(&g_running, 0);
    return 0;
}

} // namespace

int32_t RestartNamedService(const wchar_t* name) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (manager == nullptr) return NotOpened;
    SC_HANDLE service = OpenServiceW(manager, name, SERVICE_QUERY_STATUS | SERVICE_STOP | SERVICE_START);
    int32_t result = NotOpened;
    if (service != nullptr) {
        result = Restart(service);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return result;
}

void StartAudioRestart() {
    if (InterlockedCompareExchange(&g_running, 1, 0) != 0) return;
    WaitForAudioRestart(); // the handle of the one before
    g_worker = CreateThread(nullptr, 0, RestartAudio, nullptr, 0, nullptr);
    if (g_worker == nullptr) InterlockedExchange(&g_running, 0);
}

void WaitForAudioRestart() {
    if (g_worker == nullptr) return;
    WaitForSingleObject(g_worker, INFINITE);
    CloseHandle(g_worker);
    g_worker = nullptr;
}

} // namespace castorel
