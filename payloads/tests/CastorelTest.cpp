// Castorel.exe with wine's service control manager: registered by its /Service run, started, sent the
// setup's control 128, stopped, registered again; the service is deleted at the end so the prefix stays
// clean for the other tests.
#include "RunProgram.h"
#include "payloads/castorel/AudioRestart.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr wchar_t ServiceName[] = L"Castorel";
constexpr DWORD ControlReleaseDevices = 128;
constexpr DWORD ControlRestartAudio = 129;
constexpr DWORD ControlNotOurs = 200;
constexpr int StatePolls = 100;
constexpr DWORD StatePollMs = 100;

class CastorelTest : public testing::Test {
protected:
    void SetUp() override {
        m_Manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        ASSERT_NE(m_Manager, nullptr);
    }
    void TearDown() override {
        RemoveCastorel();
        if (m_Manager != nullptr) {
            CloseServiceHandle(m_Manager);
        }
    }

    SC_HANDLE OpenCastorel() const { return OpenServiceW(m_Manager, ServiceName, SERVICE_ALL_ACCESS); }

    void RemoveCastorel() {
        if (m_Manager == nullptr) {
            return;
        }
        SC_HANDLE service = OpenCastorel();
        if (service == nullptr) {
            return;
        }
        SERVICE_STATUS status{};
        ControlService(service, SERVICE_CONTROL_STOP, &status);
        WaitForState(service, SERVICE_STOPPED);
        ::DeleteService(service);
        CloseServiceHandle(service);
        // The service control manager removes a deleted service once nothing uses it any more.
        for (int i = 0; i < StatePolls; ++i) {
            SC_HANDLE left = OpenCastorel();
            if (left == nullptr) {
                return;
            }
            CloseServiceHandle(left);
            Sleep(StatePollMs);
        }
        ADD_FAILURE() << "the service \"Castorel\" was not removed";
    }

    static bool WaitForState(SC_HANDLE service, DWORD state) {
        SERVICE_STATUS status{};
        for (int i = 0; i < StatePolls; ++i) {
            if (QueryServiceStatus(service, &status) && status.dwCurrentState == state) {
                return true;
            }
            Sleep(StatePollMs);
        }
        return false;
    }

    // The registration as the service control manager holds it.
    void ExpectRegisteredFor(const std::wstring& program) {
        SC_HANDLE service = OpenCastorel();
        ASSERT_NE(service, nullptr) << "service not registered: " << GetLastError();
        DWORD needed = 0;
        QueryServiceConfigW(service, nullptr, 0, &needed);
        std::vector<unsigned char> buffer(needed);
        auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
        ASSERT_TRUE(QueryServiceConfigW(service, config, needed, &needed));
        EXPECT_EQ(std::wstring(config->lpBinaryPathName), L"\"" + program + L"\"");
        EXPECT_EQ(config->dwServiceType & SERVICE_WIN32_OWN_PROCESS, DWORD{SERVICE_WIN32_OWN_PROCESS});
        EXPECT_EQ(config->dwStartType, DWORD{SERVICE_AUTO_START});
        EXPECT_STREQ(config->lpDisplayName, L"Tonvel Audio Helper");
        CloseServiceHandle(service);
    }

    // Registered and started; the handle may only query.
    SC_HANDLE StartCastorel() {
        const std::wstring program = payloads_test::WinePath(TONVEL_CASTOREL_EXE);
        EXPECT_EQ(payloads_test::RunProgram(program, L"/Service"), 0);
        SC_HANDLE service = OpenCastorel();
        EXPECT_NE(service, nullptr);
        if (service == nullptr) return nullptr;
        EXPECT_TRUE(StartServiceW(service, 0, nullptr)) << GetLastError();
        EXPECT_TRUE(WaitForState(service, SERVICE_RUNNING));
        return service;
    }

    static DWORD ProcessOf(SC_HANDLE service) {
        SERVICE_STATUS_PROCESS status{};
        DWORD needed = 0;
        if (!QueryServiceStatusEx(service, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status),
                                  sizeof status, &needed))
            return 0;
        return status.dwProcessId;
    }

    SC_HANDLE m_Manager = nullptr;
};

TEST_F(CastorelTest, RegistersRunsAnswersAndStops) {
    const std::wstring program = payloads_test::WinePath(TONVEL_CASTOREL_EXE);
    ASSERT_EQ(payloads_test::RunProgram(program, L"/Service"), 0);
    ExpectRegisteredFor(program);

    SC_HANDLE service = OpenCastorel();
    ASSERT_NE(service, nullptr);
    ASSERT_TRUE(StartServiceW(service, 0, nullptr)) << GetLastError();
    EXPECT_TRUE(WaitForState(service, SERVICE_RUNNING));

    SERVICE_STATUS status{};
    EXPECT_TRUE(ControlService(service, ControlReleaseDevices, &status)) << GetLastError();
    EXPECT_TRUE(ControlService(service, SERVICE_CONTROL_INTERROGATE, &status)) << GetLastError();
    EXPECT_EQ(status.dwCurrentState, DWORD{SERVICE_RUNNING});

    EXPECT_TRUE(ControlService(service, SERVICE_CONTROL_STOP, &status)) << GetLastError();
    EXPECT_TRUE(WaitForState(service, SERVICE_STOPPED));
    CloseServiceHandle(service);

    // A second registration run updates the one service.
    EXPECT_EQ(payloads_test::RunProgram(program, L"/sErViCe"), 0);
    ExpectRegisteredFor(program);
}

TEST_F(CastorelTest, StartedByHandOrWithOtherArgumentsEndsWithAnError) {
    const std::wstring program = payloads_test::WinePath(TONVEL_CASTOREL_EXE);
    for (const wchar_t* arguments : {L"", L"/Other", L"/Service extra"}) {
        const int64_t exitCode = payloads_test::RunProgram(program, arguments);
        EXPECT_NE(exitCode, 0) << "arguments: " << arguments;
        EXPECT_NE(exitCode, payloads_test::NotRun) << "arguments: " << arguments;
    }
}

// The control panel opens Castorel with nothing but the right to send its own controls, as any interactive
// user may; the restart control is taken at once (the restart runs on Castorel's own thread; wine has no
// audio service "audiosrv", so there it finds nothing to restart), a control Castorel does not know is
// refused.
TEST_F(CastorelTest, TakesTheRestartControlFromAHandleThatMaySendNothingElse) {
    SC_HANDLE service = StartCastorel();
    ASSERT_NE(service, nullptr);
    SC_HANDLE user = OpenServiceW(m_Manager, ServiceName, SERVICE_USER_DEFINED_CONTROL);
    ASSERT_NE(user, nullptr) << GetLastError();
    SERVICE_STATUS status{};
    EXPECT_TRUE(ControlService(user, ControlRestartAudio, &status)) << GetLastError();
    EXPECT_TRUE(ControlService(user, ControlRestartAudio, &status)) << "a second request while one may run";
    // A control Castorel does not know is answered ERROR_CALL_NOT_IMPLEMENTED; wine's ControlService
    // reports success for it all the same, so only that it is taken without harm is checked here.
    ControlService(user, ControlNotOurs, &status);
    EXPECT_FALSE(ControlService(user, SERVICE_CONTROL_STOP, &status)) << "the handle may not stop it";
    CloseServiceHandle(user);
    EXPECT_TRUE(ControlService(service, SERVICE_CONTROL_INTERROGATE, &status)) << GetLastError();
    EXPECT_EQ(status.dwCurrentState, DWORD{SERVICE_RUNNING});
    // Its stop waits for a restart that still runs, and then ends cleanly.
    EXPECT_TRUE(ControlService(service, SERVICE_CONTROL_STOP, &status)) << GetLastError();
    EXPECT_TRUE(WaitForState(service, SERVICE_STOPPED));
    CloseServiceHandle(service);
}

// Castorel's restart routine on a service that wine's manager runs (Castorel itself): stopped, waited for
// and started again, in a new process; a service that is not there is reported as such.
TEST_F(CastorelTest, TheRestartStopsAndStartsARunningService) {
    SC_HANDLE service = StartCastorel();
    ASSERT_NE(service, nullptr);
    const DWORD before = ProcessOf(service);
    EXPECT_NE(before, 0U);
    EXPECT_EQ(castorel::RestartNamedService(ServiceName), castorel::Restarted);
    EXPECT_TRUE(WaitForState(service, SERVICE_RUNNING));
    const DWORD after = ProcessOf(service);
    EXPECT_NE(after, 0U);
    EXPECT_NE(after, before);
    CloseServiceHandle(service);
    EXPECT_EQ(castorel::RestartNamedService(L"TonvelNoSuchService"), castorel::NotOpened);
}

} // namespace
