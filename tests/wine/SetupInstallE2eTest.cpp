// The setup program's installation end to end, as users run it: the i686 TonvelSetup.exe as a 32-bit process
// on 64-bit Windows (WOW64), run from a copy of its source folder through Next, "No, reboot later" and
// Finish. What it leaves is looked at from outside: the driver file and the helper service program in the
// native system folder, the helper service running in the service control manager, the control panel and
// its folders in Program Files (x86), the Run value and the Uninstall entry in the 32-bit registry view, the
// driver's service key, the Start-menu shortcuts, and the control panel started at Finish. A second
// installation over the first, with the control panel still running, replaces the service program and the
// control panel. At the end the prefix is left for later runs without a running panel, without the helper
// service and without the Run value; what the installation left is printed.

#include "tests/wine/E2eSupport.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <atomic>
#include <iostream>
#include <thread>

namespace {

using namespace e2e;
namespace fs = std::filesystem;

const std::wstring SetupSource = WinePath(TONVEL_SETUP_DIR);
const std::wstring PanelBuilt = WinePath(TONVEL_PANEL_EXE);
const std::wstring Service64Built = WinePath(TONVEL_PAYLOAD_SERVICE64);
const std::wstring Driver64Source = WinePath(TONVEL_PAYLOAD_DRIVER64);
const std::wstring BaseFolder = WinePath(TONVEL_E2E_DIR) + L"\\setup-install";

constexpr wchar_t ServiceName[] = L"Castorel";
constexpr wchar_t PanelClass[] = L"TApplication";
constexpr wchar_t PanelTitle[] = L"Tonvel 7.1 Audio";
constexpr wchar_t ExitMessage[] = L"WM_ORV72xxAPP_EXIT";
constexpr wchar_t RunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t RunKeyIn32BitView[] = L"SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t UninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ORV72xxAudioExt";
constexpr wchar_t PelixServicesKey[] = L"SYSTEM\\CurrentControlSet\\Services\\Pelix";
constexpr wchar_t RunValue[] = L"Tonvel";
constexpr wchar_t ShortcutFolder[] = L"Tonvel 7.1 Audio";
constexpr wchar_t UpdateNote[] = L"Setup will now install a required Windows update.";
constexpr wchar_t UpdatePackageFile[] = L"Windows6.1-KB3033929-x64.msu";

bool IsWow64() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

std::wstring WindowsFolder() {
    wchar_t path[MAX_PATH] = {};
    GetWindowsDirectoryW(path, MAX_PATH);
    return path;
}

// The native 64-bit system folder as a 32-bit process reaches it (Sysnative is never redirected), and as
// the 64-bit programs name it.
std::wstring NativeSystemFolderSeenFromHere() {
    return WindowsFolder() + L"\\Sysnative";
}
std::wstring NativeSystemFolderName() {
    return WindowsFolder() + L"\\system32";
}

std::wstring Wow64SystemFolder() {
    wchar_t path[MAX_PATH] = {};
    GetSystemWow64DirectoryW(path, MAX_PATH);
    return path;
}

std::wstring ShellFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring InstallFolder() {
    return ShellFolder(CSIDL_PROGRAM_FILES) + L"\\Tonvel";
}

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (const wchar_t c : text)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
}

std::wstring Unquoted(const std::wstring& text) {
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"')
        return text.substr(1, text.size() - 2);
    return text;
}

std::vector<char> FileBytes(const std::wstring& path) {
    std::ifstream file(fs::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

ULONGLONG Ticks(const FILETIME& time) {
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

ULONGLONG Now() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return Ticks(now);
}

ULONGLONG LastWritten(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return Ticks(data.ftLastWriteTime);
}

// A registry value in one view of HKEY_LOCAL_MACHINE; found = false when the key or the value is missing.
struct REG_VALUE {
    bool found = false;
    DWORD type = REG_NONE;
    std::wstring text;
    DWORD number = 0;
};

REG_VALUE ReadValue(const wchar_t* key, const wchar_t* name, REGSAM view) {
    REG_VALUE value;
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | view, &handle) != ERROR_SUCCESS) return value;
    BYTE data[2048] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    if (RegQueryValueExW(handle, name, nullptr, &value.type, data, &size) == ERROR_SUCCESS) {
        value.found = true;
        if (value.type == REG_DWORD)
            std::memcpy(&value.number, data, sizeof value.number);
        else
            value.text = reinterpret_cast<const wchar_t*>(data);
    }
    RegCloseKey(handle);
    return value;
}

std::string Describe(const REG_VALUE& value) {
    if (!value.found) return "(missing)";
    if (value.type == REG_DWORD) return "REG_DWORD " + std::to_string(value.number);
    return std::string(value.type == REG_EXPAND_SZ ? "REG_EXPAND_SZ"
                       : value.type == REG_SZ      ? "REG_SZ"
                                                   : "type?") +
           " " + Narrow(value.text);
}

// The target path of a shell link.
std::wstring ShortcutTarget(const std::wstring& link) {
    std::wstring target;
    IShellLinkW* shellLink = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&shellLink))))
        return L"(no shell link object)";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        if (SUCCEEDED(file->Load(link.c_str(), STGM_READ))) {
            wchar_t path[MAX_PATH] = {};
            if (SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) target = path;
        }
        file->Release();
    }
    shellLink->Release();
    return target;
}

// The texts of a message box the process shows (its static texts), empty when it shows none.
std::wstring MessageBoxText(DWORD processId) {
    const HWND box = FindProcessWindow(processId, L"#32770");
    if (!box) return {};
    std::wstring text;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM data) CALLBACK -> BOOL {
            wchar_t name[64] = {}, caption[512] = {};
            GetClassNameW(child, name, 64);
            GetWindowTextW(child, caption, 512);
            if (_wcsicmp(name, L"Static") == 0 && caption[0])
                *reinterpret_cast<std::wstring*>(data) += caption;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&text));
    return text.empty() ? L"(a message box)" : text;
}

HWND PanelWindow() {
    return FindWindowW(PanelClass, PanelTitle);
}

DWORD PanelProcessId() {
    DWORD id = 0;
    if (const HWND panel = PanelWindow()) GetWindowThreadProcessId(panel, &id);
    return id;
}

// Ends every running control panel: the exit message first, by force after that.
void EndPanels() {
    if (!PanelWindow()) return;
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(ExitMessage), 0, 0);
    if (WaitUntil([] { return PanelWindow() == nullptr; }, 20000)) return;
    while (const DWORD id = PanelProcessId()) {
        const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (!process) break;
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
    }
}

struct SERVICE_SEEN {
    bool registered = false;
    std::wstring binaryPath;
    DWORD startType = 0;
    DWORD state = 0;
    DWORD processId = 0;
};

SERVICE_SEEN SeeService() {
    SERVICE_SEEN seen;
    const SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return seen;
    if (const SC_HANDLE service =
            OpenServiceW(manager, ServiceName, SERVICE_QUERY_CONFIG | SERVICE_QUERY_STATUS)) {
        seen.registered = true;
        DWORD needed = 0;
        QueryServiceConfigW(service, nullptr, 0, &needed);
        std::vector<unsigned char> buffer(needed + sizeof(QUERY_SERVICE_CONFIGW));
        auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGW*>(buffer.data());
        if (QueryServiceConfigW(service, config, static_cast<DWORD>(buffer.size()), &needed)) {
            seen.binaryPath = config->lpBinaryPathName ? config->lpBinaryPathName : L"";
            seen.startType = config->dwStartType;
        }
        SERVICE_STATUS_PROCESS status{};
        if (QueryServiceStatusEx(service, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status),
                                 sizeof status, &needed)) {
            seen.state = status.dwCurrentState;
            seen.processId = status.dwProcessId;
        }
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return seen;
}

bool WaitForServiceState(DWORD state, DWORD ms) {
    return WaitUntil([&] { return SeeService().state == state; }, ms);
}

// Stops and deletes the helper service and waits until the service control manager has let it go.
void RemoveService() {
    const SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return;
    if (const SC_HANDLE service = OpenServiceW(manager, ServiceName, SERVICE_ALL_ACCESS)) {
        SERVICE_STATUS status{};
        ControlService(service, SERVICE_CONTROL_STOP, &status);
        WaitForServiceState(SERVICE_STOPPED, 20000);
        DeleteService(service);
        CloseServiceHandle(service);
        WaitUntil([] { return !SeeService().registered; }, 20000);
    }
    CloseServiceHandle(manager);
}

void DeleteValue(const wchar_t* key, const wchar_t* name, REGSAM view) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key, 0, KEY_SET_VALUE | view, &handle) != ERROR_SUCCESS) return;
    RegDeleteValueW(handle, name);
    RegCloseKey(handle);
}

// Windows 7 hands a .msu package to the update installer (HKEY_CLASSES_ROOT\.msu ->
// "Microsoft.System.Update.1", opened with wusa.exe); a wine prefix has wusa.exe but not that association, so
// the setup's update step could not start its package. The association as Windows 7 has it, in both
// registry views; true when this test added it (and removes it again at the end).
constexpr wchar_t MsuKey[] = L"SOFTWARE\\Classes\\.msu";
constexpr wchar_t MsuClass[] = L"Microsoft.System.Update.1";
constexpr wchar_t MsuCommandKey[] = L"SOFTWARE\\Classes\\Microsoft.System.Update.1\\shell\\open\\command";
constexpr wchar_t MsuCommand[] = L"%SystemRoot%\\System32\\wusa.exe \"%1\" %*";

void SetDefaultValue(const wchar_t* key, DWORD type, const wchar_t* text, REGSAM view) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(handle, nullptr, 0, type, reinterpret_cast<const BYTE*>(text),
                   static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

bool AssociateUpdatePackages() {
    if (ReadValue(MsuKey, L"", KEY_WOW64_64KEY).found || ReadValue(MsuKey, L"", KEY_WOW64_32KEY).found)
        return false;
    for (const REGSAM view : {REGSAM{KEY_WOW64_64KEY}, REGSAM{KEY_WOW64_32KEY}}) {
        SetDefaultValue(MsuKey, REG_SZ, MsuClass, view);
        SetDefaultValue(MsuCommandKey, REG_EXPAND_SZ, MsuCommand, view);
    }
    return true;
}

void RemoveUpdatePackageAssociation() {
    for (const REGSAM view : {REGSAM{KEY_WOW64_64KEY}, REGSAM{KEY_WOW64_32KEY}}) {
        HKEY classes = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Classes", 0, KEY_ALL_ACCESS | view, &classes) !=
            ERROR_SUCCESS)
            continue;
        RegDeleteTreeW(classes, L".msu");
        RegDeleteTreeW(classes, MsuClass);
        RegCloseKey(classes);
    }
}

// Whatever an earlier installation in the shared prefix left (another test's setup run, an earlier run of
// this one): the installation below starts from a prefix without the product.
void RemoveEarlierInstallation() {
    EndPanels();
    RemoveService();
    std::error_code ignored;
    fs::remove(fs::path(NativeSystemFolderSeenFromHere() + L"\\Castorel.exe"), ignored);
    fs::remove(fs::path(NativeSystemFolderSeenFromHere() + L"\\drivers\\Pelix.sys"), ignored);
    fs::remove_all(fs::path(InstallFolder()), ignored);
    fs::remove_all(fs::path(ShellFolder(CSIDL_COMMON_PROGRAMS) + L"\\" + ShortcutFolder), ignored);
    DeleteValue(RunKey, RunValue, KEY_WOW64_32KEY);
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, UninstallKey, KEY_WOW64_32KEY, 0);
    RegDeleteKeyExW(HKEY_LOCAL_MACHINE, PelixServicesKey, KEY_WOW64_64KEY, 0);
}

// One run of the setup from the copied source folder: Next on the language page, then on the finish page
// "No, reboot later" and Finish; a message box of a failed step or a missing finish page fails the test.
class CSetupRun {
public:
    explicit CSetupRun(const std::wstring& name)
        : m_Name(name), m_Setup(BaseFolder + L"\\TonvelSetup.exe", BaseFolder + L"\\" + name) {}

    void Run() {
        ASSERT_TRUE(m_Setup.Start());
        HWND wizard = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] {
                wizard = FindWindowW(L"TonvelForm", L"Tonvel Setup (V1.0.0.0)");
                return wizard != nullptr;
            },
            60000))
            << "the wizard did not show";
        HWND next = nullptr;
        ASSERT_TRUE(
            WaitUntil([&] { return (next = FindChild(wizard, L"Button", L"Next >")) != nullptr; }, 10000));
        Sleep(500);
        ClickWindow(next);
        m_NextClicked = Now();

        // The installation runs to the finish page. Wine answers as 64-bit Windows 7 SP1 without the
        // update KB3033929, so the setup announces the update in a message box, taken with OK as a user
        // does; any other message box of the setup is a failed step.
        HWND finish = nullptr;
        std::wstring failure;
        WaitUntil(
            [&] {
                const std::wstring box = MessageBoxText(m_Setup.Id());
                if (box.find(UpdateNote) != std::wstring::npos) {
                    m_UpdateNoteShown = true;
                    Sleep(300);
                    CaptureScreen().Save(BaseFolder + L"\\" + m_Name + L"-update-note.bmp");
                    const HWND ok = FindChild(FindProcessWindow(m_Setup.Id(), L"#32770"), L"Button", L"OK");
                    if (ok) ClickWindow(ok);
                    return false;
                }
                failure = box;
                if (!failure.empty()) m_FailureSeen = Now();
                finish = FindChild(wizard, L"Button", L"Finish");
                return !failure.empty() || (finish && IsWindowEnabled(finish) && IsWindowVisible(finish));
            },
            180000);
        Sleep(500);
        CaptureScreen().Save(BaseFolder + L"\\" + m_Name + L"-finish.bmp");
        ASSERT_TRUE(failure.empty()) << "the setup says: " << Narrow(failure);
        ASSERT_TRUE(finish && IsWindowVisible(finish)) << "no finish page";

        HWND noReboot = FindChild(wizard, L"Button", L"No - restart later");
        if (!noReboot) noReboot = FindChild(wizard, L"Button", L"No, reboot later");
        ASSERT_NE(noReboot, nullptr);
        ClickWindow(noReboot);
        EXPECT_TRUE(
            WaitUntil([&] { return SendMessageW(noReboot, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 5000));
        ClickWindow(finish);
        EXPECT_TRUE(m_Setup.Ended(30000)) << "the setup did not end";
    }

    bool UpdateNoteShown() const { return m_UpdateNoteShown; }
    ULONGLONG NextClicked() const { return m_NextClicked; }
    ULONGLONG FailureSeen() const { return m_FailureSeen; }

private:
    std::wstring m_Name;
    CDemo m_Setup;
    bool m_UpdateNoteShown = false;
    ULONGLONG m_NextClicked = 0;
    ULONGLONG m_FailureSeen = 0;
};

class SetupInstall : public testing::Test {
protected:
    void SetUp() override {
        if (!IsWow64()) GTEST_SKIP() << "the installation as users run it: the i686 setup under WOW64";
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        RemoveEarlierInstallation();
        m_Associated = AssociateUpdatePackages();
        std::error_code ignored;
        fs::remove_all(fs::path(BaseFolder), ignored);
        CopyFolder(SetupSource, BaseFolder);
    }

    // What the installation leaves, printed; then the prefix made ready for later runs.
    void TearDown() override {
        if (!IsWow64()) return;
        PrintWhatIsInstalled();
        EndPanels();
        RemoveService();
        DeleteValue(RunKey, RunValue, KEY_WOW64_32KEY);
        if (m_Associated) RemoveUpdatePackageAssociation();
        CoUninitialize();
    }

    bool m_Associated = false;

    static void PrintWhatIsInstalled() {
        std::cout << "What the installation left:\n";
        const std::wstring system = NativeSystemFolderSeenFromHere();
        for (const wchar_t* file : {L"\\drivers\\Pelix.sys", L"\\Castorel.exe"}) {
            std::error_code error;
            const auto size = fs::file_size(fs::path(system + file), error);
            std::cout << "  " << Narrow(NativeSystemFolderName() + file) << "  "
                      << (error ? std::string("(missing)") : std::to_string(size) + " bytes") << "\n";
        }
        {
            std::error_code error;
            const auto size = fs::file_size(fs::path(Wow64SystemFolder() + L"\\" + UpdatePackageFile), error);
            std::cout << "  " << Narrow(Wow64SystemFolder() + L"\\" + UpdatePackageFile) << "  "
                      << (error ? std::string("(missing)") : std::to_string(size) + " bytes") << "\n";
        }
        // The install folder: its files with their sizes, each sub-folder as its files' count and bytes.
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(InstallFolder()), error)) {
            if (entry.is_regular_file()) {
                std::cout << "  " << Narrow(entry.path().wstring()) << "  " << entry.file_size()
                          << " bytes\n";
                continue;
            }
            for (const fs::directory_entry& sub : fs::directory_iterator(entry.path(), error)) {
                uintmax_t files = 0, bytes = 0;
                if (sub.is_regular_file()) {
                    files = 1;
                    bytes = sub.file_size();
                }
                for (const fs::directory_entry& file : fs::recursive_directory_iterator(sub.path(), error)) {
                    if (!file.is_regular_file()) continue;
                    ++files;
                    bytes += file.file_size();
                }
                std::cout << "  " << Narrow(sub.path().wstring()) << "  " << files << " files, " << bytes
                          << " bytes\n";
            }
        }
        const std::wstring links = ShellFolder(CSIDL_COMMON_PROGRAMS) + L"\\" + ShortcutFolder;
        for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(links), error))
            std::cout << "  " << Narrow(entry.path().wstring()) << " -> "
                      << Narrow(ShortcutTarget(entry.path().wstring())) << "\n";
        std::cout << "  HKLM\\" << Narrow(RunKeyIn32BitView)
                  << "  Tonvel = " << Describe(ReadValue(RunKey, RunValue, KEY_WOW64_32KEY))
                  << "  (deleted after this list)\n";
        for (const wchar_t* name :
             {L"DisplayName", L"UninstallString", L"DisplayIcon", L"DisplayVersion", L"Publisher"})
            std::cout << "  HKLM\\SOFTWARE\\WOW6432Node\\...\\Uninstall\\ORV72xxAudioExt  " << Narrow(name)
                      << " = " << Describe(ReadValue(UninstallKey, name, KEY_WOW64_32KEY)) << "\n";
        for (const wchar_t* name : {L"ErrorControl", L"Start", L"Type", L"ImagePath"})
            std::cout << "  HKLM\\" << Narrow(PelixServicesKey) << "  " << Narrow(name) << " = "
                      << Describe(ReadValue(PelixServicesKey, name, KEY_WOW64_64KEY)) << "\n";
        for (const wchar_t* group :
             {L"SOFTWARE\\ORV USB DeviceId Group", L"SOFTWARE\\ORV HID DeviceId Group"}) {
            int count = 0;
            while (ReadValue(group, std::to_wstring(count + 1).c_str(), KEY_WOW64_32KEY).found)
                ++count;
            std::cout << "  HKLM\\" << Narrow(group) << " (32-bit view)  " << count << " values\n";
        }
        const SERVICE_SEEN service = SeeService();
        std::cout << "  service Castorel: "
                  << (service.registered
                          ? Narrow(service.binaryPath) + ", start type " + std::to_string(service.startType) +
                                ", state " + std::to_string(service.state) + ", process " +
                                std::to_string(service.processId)
                          : std::string("not registered"))
                  << "  (stopped and deleted after this list)\n";
    }
};

void ExpectInstalled() {
    // The driver and the helper service program in the native system folder, not in the 32-bit one.
    const std::wstring system = NativeSystemFolderSeenFromHere();
    EXPECT_TRUE(FileExists(system + L"\\drivers\\Pelix.sys"));
    EXPECT_EQ(FileBytes(system + L"\\drivers\\Pelix.sys"), FileBytes(Driver64Source))
        << "not the 64-bit driver";
    EXPECT_FALSE(FileExists(Wow64SystemFolder() + L"\\drivers\\Pelix.sys"))
        << "the driver went into SysWOW64";
    EXPECT_TRUE(FileExists(system + L"\\Castorel.exe"));
    EXPECT_EQ(FileBytes(system + L"\\Castorel.exe"), FileBytes(Service64Built))
        << "not the 64-bit service program";
    EXPECT_FALSE(FileExists(Wow64SystemFolder() + L"\\Castorel.exe"))
        << "the service program went into SysWOW64";

    // The helper service registered for that file and running.
    EXPECT_TRUE(WaitForServiceState(SERVICE_RUNNING, 20000)) << "state " << SeeService().state;
    const SERVICE_SEEN service = SeeService();
    ASSERT_TRUE(service.registered);
    EXPECT_TRUE(SameText(Unquoted(service.binaryPath), NativeSystemFolderName() + L"\\Castorel.exe"))
        << Narrow(service.binaryPath);

    // The control panel and its folders in Program Files (x86).
    const std::wstring folder = InstallFolder();
    EXPECT_NE(folder.find(L"(x86)"), std::wstring::npos) << Narrow(folder);
    EXPECT_EQ(FileBytes(folder + L"\\Tonvel.exe"), FileBytes(PanelBuilt)) << "not the panel of this build";
    EXPECT_TRUE(FileExists(folder + L"\\TonvelUninstall.exe"));
    EXPECT_TRUE(FileExists(folder + L"\\AudioConfig.cfg"));
    EXPECT_TRUE(FileExists(folder + L"\\Tonvel.ico"));
    for (const wchar_t* sub : {L"\\Skin\\Graphite", L"\\Skin\\Azure", L"\\Language\\English",
                               L"\\Language\\Deutsch", L"\\Manual\\English"})
        EXPECT_TRUE(FolderExists(folder + sub)) << Narrow(sub);
    EXPECT_TRUE(FileExists(folder + L"\\Language\\English\\Language.ini"));
    EXPECT_TRUE(FileExists(folder + L"\\Manual\\English\\UserManual.html"));

    // The Run value and the Uninstall entry in the 32-bit view (WOW6432Node), quoted paths.
    const std::wstring panel = L"\"" + folder + L"\\Tonvel.exe\"";
    const std::wstring uninstaller = folder + L"\\TonvelUninstall.exe";
    const REG_VALUE run = ReadValue(RunKeyIn32BitView, RunValue, KEY_WOW64_64KEY);
    EXPECT_TRUE(run.found && run.type == REG_SZ) << Describe(run);
    EXPECT_TRUE(SameText(run.text, panel)) << Describe(run);
    EXPECT_FALSE(ReadValue(RunKey, RunValue, KEY_WOW64_64KEY).found) << "the Run value in the 64-bit view";
    const REG_VALUE name = ReadValue(UninstallKey, L"DisplayName", KEY_WOW64_32KEY);
    EXPECT_EQ(name.text, L"Tonvel 7.1 Audio") << Describe(name);
    const REG_VALUE command = ReadValue(UninstallKey, L"UninstallString", KEY_WOW64_32KEY);
    EXPECT_TRUE(SameText(command.text, L"\"" + uninstaller + L"\"")) << Describe(command);
    const REG_VALUE icon = ReadValue(UninstallKey, L"DisplayIcon", KEY_WOW64_32KEY);
    EXPECT_TRUE(SameText(Unquoted(icon.text), uninstaller)) << Describe(icon);
    EXPECT_EQ(ReadValue(UninstallKey, L"DisplayVersion", KEY_WOW64_32KEY).text, L"1.0.0.0");
    EXPECT_EQ(ReadValue(UninstallKey, L"Publisher", KEY_WOW64_32KEY).text, L"Tonvel Audio");
    for (const wchar_t* value :
         {L"DisplayName", L"UninstallString", L"DisplayIcon", L"DisplayVersion", L"Publisher"})
        EXPECT_EQ(ReadValue(UninstallKey, value, KEY_WOW64_32KEY).type, DWORD{REG_SZ}) << Narrow(value);
    EXPECT_FALSE(ReadValue(UninstallKey, L"DisplayName", KEY_WOW64_64KEY).found)
        << "the Uninstall entry in the 64-bit view";

    // The driver's service key.
    EXPECT_EQ(ReadValue(PelixServicesKey, L"ErrorControl", KEY_WOW64_64KEY).number, 1u);
    EXPECT_EQ(ReadValue(PelixServicesKey, L"Start", KEY_WOW64_64KEY).number, 3u);
    EXPECT_EQ(ReadValue(PelixServicesKey, L"Type", KEY_WOW64_64KEY).number, 1u);
    for (const wchar_t* value : {L"ErrorControl", L"Start", L"Type"})
        EXPECT_EQ(ReadValue(PelixServicesKey, value, KEY_WOW64_64KEY).type, DWORD{REG_DWORD})
            << Narrow(value);
    const REG_VALUE image = ReadValue(PelixServicesKey, L"ImagePath", KEY_WOW64_64KEY);
    EXPECT_TRUE(image.found && (image.type == REG_EXPAND_SZ || image.type == REG_SZ)) << Describe(image);
    EXPECT_EQ(image.text, L"System32\\DRIVERS\\Pelix.sys");

    // The shortcuts in the all-users Start menu.
    const std::wstring links = ShellFolder(CSIDL_COMMON_PROGRAMS) + L"\\" + ShortcutFolder + L"\\";
    const struct {
        const wchar_t* link;
        std::wstring target;
    } shortcuts[] = {{L"Tonvel Control Panel.lnk", folder + L"\\Tonvel.exe"},
                     {L"Uninstall Tonvel.lnk", uninstaller},
                     {L"Tonvel User Manual.lnk", folder + L"\\Manual\\English\\UserManual.html"}};
    for (const auto& shortcut : shortcuts) {
        EXPECT_TRUE(FileExists(links + shortcut.link)) << Narrow(links + shortcut.link);
        const std::wstring target = ShortcutTarget(links + shortcut.link);
        EXPECT_TRUE(SameText(target, shortcut.target)) << Narrow(shortcut.link) << " -> " << Narrow(target);
    }
}

TEST_F(SetupInstall, InstallsUnderWow64AndInstallsAgainOverARunningInstallation) {
    {
        SCOPED_TRACE("first installation");
        CSetupRun first(L"first");
        first.Run();
        std::cout << "the update note: " << (first.UpdateNoteShown() ? "shown, taken with OK" : "not shown")
                  << "\n";
        if (HasFatalFailure()) return;
        ExpectInstalled();
        EXPECT_TRUE(WaitUntil([] { return PanelWindow() != nullptr; }, 60000))
            << "the control panel did not start at Finish";
    }
    if (HasFatalFailure()) return;

    // The second installation over the first, the panel started at Finish still running.
    const DWORD panelId = PanelProcessId();
    ASSERT_NE(panelId, 0u) << "no running control panel";
    const HANDLE oldPanel = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, panelId);
    ASSERT_NE(oldPanel, nullptr);
    const SERVICE_SEEN serviceBefore = SeeService();
    const ULONGLONG serviceWritten = LastWritten(NativeSystemFolderSeenFromHere() + L"\\Castorel.exe");
    const ULONGLONG panelWritten = LastWritten(InstallFolder() + L"\\Tonvel.exe");
    Sleep(1500); // later writes get later times
    ULONGLONG nextClicked = 0, failureSeen = 0;
    // When the old panel's windows went away, watched beside the setup's run.
    std::atomic<bool> watching{true};
    std::atomic<ULONGLONG> windowsGone{0};
    std::thread watcher([&] {
        while (watching && !windowsGone) {
            if (!FindProcessWindow(panelId, PanelClass, false)) windowsGone = Now();
            Sleep(10);
        }
    });
    {
        SCOPED_TRACE("second installation");
        CSetupRun second(L"second");
        second.Run();
        std::cout << "the update note: " << (second.UpdateNoteShown() ? "shown, taken with OK" : "not shown")
                  << "\n";
        nextClicked = second.NextClicked();
        failureSeen = second.FailureSeen();
    }
    watching = false;
    watcher.join();

    // The old panel ended before its file was written anew.
    const bool panelEnded = WaitForSingleObject(oldPanel, 30000) == WAIT_OBJECT_0;
    EXPECT_TRUE(panelEnded) << "the running panel was not closed";
    DWORD panelExit = STILL_ACTIVE;
    GetExitCodeProcess(oldPanel, &panelExit);
    EXPECT_EQ(panelExit, 0u) << "the panel did not end on its own";
    FILETIME created{}, exited{}, kernel{}, user{};
    const ULONGLONG panelRewritten = LastWritten(InstallFolder() + L"\\Tonvel.exe");
    EXPECT_GT(panelRewritten, panelWritten) << "the panel was not written again";
    if (panelEnded && GetProcessTimes(oldPanel, &created, &exited, &kernel, &user)) {
        EXPECT_LE(Ticks(exited), panelRewritten) << "the panel's file was written while it still ran";
        const auto sinceNext = [&](ULONGLONG at) {
            return at ? std::to_string((static_cast<long long>(at) - static_cast<long long>(nextClicked)) /
                                       10000) +
                            " ms"
                      : std::string("-");
        };
        std::cout << "second installation, after Next: the old panel ended at " << sinceNext(Ticks(exited))
                  << ", the panel written at "
                  << sinceNext(panelRewritten > panelWritten ? panelRewritten : 0) << ", a failure seen at "
                  << sinceNext(failureSeen) << ", its windows gone at " << sinceNext(windowsGone) << "\n";
    }
    CloseHandle(oldPanel);

    // The service stopped, its program replaced, and running again in a new process.
    EXPECT_GT(LastWritten(NativeSystemFolderSeenFromHere() + L"\\Castorel.exe"), serviceWritten)
        << "the service program was not written again";
    EXPECT_TRUE(WaitForServiceState(SERVICE_RUNNING, 20000));
    const SERVICE_SEEN serviceAfter = SeeService();
    EXPECT_NE(serviceAfter.processId, serviceBefore.processId) << "the service was not restarted";
    ExpectInstalled();
    EXPECT_TRUE(WaitUntil([] { return PanelWindow() != nullptr; }, 60000))
        << "the control panel did not start at the second Finish";
}

} // namespace
