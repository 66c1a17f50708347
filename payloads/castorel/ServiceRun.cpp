#include "ServiceRun.h"

#include "AudioRestart.h"
#include "ServiceRegistration.h"

#include <windows.h>

namespace castorel {
namespace {

constexpr DWORD kStartWaitHintMs = 3000;
constexpr DWORD kStopWaitHintMs = 3000;

// The running service: its status as the service control manager sees it and the event that ends it.
class CService {
public:
    void Main();
    DWORD Control(DWORD control);

private:
    void Report(DWORD state, DWORD win32ExitCode = NO_ERROR, DWORD waitHintMs = 0);

    SERVICE_STATUS_HANDLE m_statusHandle = nullptr;
    SERVICE_STATUS m_status{};
    HANDLE m_stopEvent = nullptr;
    DWORD m_checkPoint = 0;
};

// The dispatcher calls ServiceMain without a context: the one service of this process.
CService g_service;

void CService::Report(DWORD state, DWORD win32ExitCode, DWORD waitHintMs) {
    m_status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    m_status.dwCurrentState = state;
    m_status.dwWin32ExitCode = win32ExitCode;
    m_status.dwWaitHint = waitHintMs;
    const bool settled = state == SERVICE_RUNNING || state == SERVICE_STOPPED;
    m_status.dwControlsAccepted =
        state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN : 0;
    m_status.dwCheckPoint = settled ? 0 : ++m_checkPoint;
    SetServiceStatus(m_statusHandle, &m_status);
}

DWORD CService::Control(DWORD control) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        Report(SERVICE_STOP_PENDING, NO_ERROR, kStopWaitHintMs);
        SetEvent(m_stopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    case kControlReleaseDevices:
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
    m_statusHandle = RegisterServiceCtrlHandlerExW(kServiceName, ControlHandler, this);
    if (m_statusHandle == nullptr) {
        return;
    }
    Report(SERVICE_START_PENDING, NO_ERROR, kStartWaitHintMs);
    m_stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_stopEvent == nullptr) {
        Report(SERVICE_STOPPED, GetLastError());
        return;
    }
    Report(SERVICE_RUNNING);
    WaitForSingleObject(m_stopEvent, INFINITE);
    WaitForAudioRestart();
    CloseHandle(m_stopEvent);
    m_stopEvent = nullptr;
    Report(SERVICE_STOPPED);
}

void WINAPI ServiceMain(DWORD, wchar_t**) {
    g_service.Main();
}

} // namespace

int32_t RunService() {
    // The table asks for a writable name; the dispatcher only reads it.
    const SERVICE_TABLE_ENTRYW table[] = {{const_cast<wchar_t*>(kServiceName), ServiceMain},
                                          {nullptr, nullptr}};
    return StartServiceCtrlDispatcherW(table) ? 0 : kNotStartedAsService;
}

} // namespace castorel
