// What the uninstaller asks of our Win32 layer under wine: the administrator probe, finding the running
// processes of a program file and waiting for them, and deleting a service.
#include "platform/sim/SimWindows.h"
#include "platform/win32/Win32Platform.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

namespace tonvel {
namespace {

constexpr wchar_t SleepVariable[] = L"TONVEL_CONTRACT_SLEEP_MS";

std::u16string OwnPath() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::u16string(reinterpret_cast<const char16_t*>(path), length);
}

// Run as a child of the test below (with the variable set): it stays a while, then ends.
TEST(Win32Processes, ChildThatStaysAWhile) {
    wchar_t value[16] = {};
    if (::GetEnvironmentVariableW(SleepVariable, value, 16) > 0) ::Sleep(static_cast<DWORD>(_wtoi(value)));
}

TEST(Win32Processes, TheRunningProcessesOfAProgramFileAreFoundAndWaitedFor) {
    win32::CWin32Platform win32;
    IProcesses& processes = *win32.platform().processes;
    const std::u16string self = OwnPath();
    EXPECT_TRUE(processes.OpenProcessesOf(self).empty()) << "the calling process is not among them";

    ::SetEnvironmentVariableW(SleepVariable, L"3000");
    PROCESS_HANDLE child =
        processes.StartProcess(u"\"" + self + u"\" --gtest_filter=Win32Processes.ChildThatStaysAWhile", 0);
    ::SetEnvironmentVariableW(SleepVariable, nullptr);
    ASSERT_NE(child, nullptr);
    std::u16string upper = self;
    for (auto& c : upper)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
    const auto found = processes.OpenProcessesOf(upper); // letter case does not matter
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(processes.WaitForProcess(found[0], 100), WAIT_TIMEOUT_RESULT);
    EXPECT_EQ(processes.WaitForProcess(found[0], 20000), WAIT_OBJECT_0_RESULT);
    processes.CloseProcess(found[0]);
    processes.WaitForProcess(child, 20000);
    processes.CloseProcess(child);
    EXPECT_TRUE(processes.OpenProcessesOf(self).empty());
}

TEST(Win32SystemInfo, TheWinePrefixUserRunsAsAdministratorAsTheSimulationAssumesAtFirst) {
    win32::CWin32Platform win32;
    sim::CSimWindows simulated;
    EXPECT_EQ(win32.platform().system->RunsAsAdministrator(),
              simulated.platform().system->RunsAsAdministrator());
}

// Deleting marks the service for deletion; it leaves the manager once its last handle is closed. (Under
// wine a service whose creating handles were all closed could at once not be opened again (1060), and one
// marked for deletion could still be opened: only the call itself is checked here.)
TEST(Win32Services, AServiceIsDeletedThroughOurLayer) {
    const std::wstring wide = L"TonvelContractService" + std::to_wstring(::GetCurrentProcessId());
    SC_HANDLE manager = ::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    ASSERT_NE(manager, nullptr);
    SC_HANDLE created = ::CreateServiceW(
        manager, wide.c_str(), wide.c_str(), SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
        SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, L"C:\\windows\\system32\\TonvelContractService.exe",
        nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(created, nullptr) << "error " << ::GetLastError();

    win32::CWin32Platform win32;
    IServices& services = *win32.platform().services;
    const ServiceHandle ours = services.OpenManager(ScManagerAllAccess);
    const ServiceHandle service =
        services.OpenNamedService(ours, std::u16string(wide.begin(), wide.end()), ServiceAllAccess);
    ASSERT_NE(service, NoService) << ::GetLastError();
    EXPECT_TRUE(services.Delete(service));
    EXPECT_FALSE(services.Delete(NoService));
    services.Close(service);
    services.Close(ours);
    ::CloseServiceHandle(created);
    ::CloseServiceHandle(manager);
}

} // namespace
} // namespace tonvel
