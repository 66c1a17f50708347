#include "ServiceRun.h"

#include "AudioRestart.h"
#include "ServiceRegistration.h"

#include <windows.h>

namespace castorel {
namespace {

constexpr DWORD StartWaitHintMs = 3000;
constexpr DWORD StopWaitHintMs = 3000;

// The running service: its status as the service control manager sees it and the event that ends it.
class CService {
public:
    void Main();
    DWORD Control(DWORD control);

private:
    void Report(DWORD state, DWORD win32ExitCode = NO_ERROR, DWORD waitHintMs = 0);

    SERVICE_STATUS_HANDLE m_StatusHandle = nullptr;
    SERVICE_STATUS m_Status{};
    HANDLE m_StopEvent = nullptr;
    DWORD m_CheckPoint = 0;
};

// The dispatcher calls ServiceMain without a context: the one service of this process.
CService g_service;

void CService::Report(DWORD state, DWORD win32ExitCode, DWORD waitHintMs) {
    m_Status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    m_Status.dwCurrentState = state;
    m_Status.dwWin32ExitCode = win32ExitCode;
    m_Status.dwWaitHint = waitHintMs;
    const bool settled = state == SERVICE_RUNNING || state == SERVICE_STOPPED;
    m_Status.dwControlsAccepted =
        state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN : 0;
    m_Status.dwCheckPoint = settled ? 0 : ++m_CheckPoint;
    SetServiceStatus(m_StatusHandle, &m_Status);
}

DWORD CService::Control(DWORD control) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        Report(SERVICE_STOP_PENDING, NO_ERROR, StopWaitHintMs);
        SetEvent(m_StopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    case ControlReleaseDevices:
        // Nothing of the devices is held open yet; the control is acknowledged.
        return NO_ERROR;
    case ControlRestartAudio:
        StartAudioRestart();
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

DWORD WINAPI ControlHandler(DWORD control, DWORD, void*, void* context) {
    return static_cast<CService*>(context)->Control(control);
}

void CService::Main() {
    m_StatusHandle = RegisterServiceCtrlHandlerExW(ServiceName, ControlHandler, this);
    if (m_StatusHandle == nullptr) {
        return;
    }
    Report(SERVICE_START_PENDING, NO_ERROR, StartWaitHintMs);
    m_StopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_StopEvent == nullptr) {
        Report(SERVICE_STOPPED, GetLastError());
        return;
    }
    Report(SERVICE_RUNNING);
    WaitForSingleObject(m_StopEvent, INFINITE);
    WaitForAudioRestart();
    CloseHandle(m_StopEvent);
    m_StopEvent = nullptr;
    Report(SERVICE_STOPPED);
}

void WINAPI ServiceMain(DWORD, wchar_t**) {
    g_service.Main();
}

} // namespace

int32_t RunService() {
    // The table asks for a writable name; the dispatcher only reads it.
    const SERVICE_TABLE_ENTRYW table[] = {{const_cast<wchar_t*>(ServiceName), ServiceMain},
                                          {nullptr, nullptr}};
    return StartServiceCtrlDispatcherW(table) ? 0 : NotStartedAsService;
}

} // namespace castorel
