// The uninstaller end to end: in the prefix a picture of the machine (registry and files), then an
// installation as the setup makes it, then "TonvelUninstall.exe /quiet" from the install folder, then a
// second picture. Nothing of ours may be left, and nothing else changed, except what the quiet run keeps and
// what goes at the next restart: the kept settings, the temporary copy and the installed program moved
// beside it, and their deletion registered with Windows.
#include "tests/wine/E2eSupport.h"
#include "tests/wine/MachinePicture.h"

#include <shlobj.h>

namespace {

using e2e::WinePath;

const std::wstring Uninstaller = WinePath(TONVEL_UNINSTALL_EXE);
const std::wstring Assets = WinePath(TONVEL_ASSETS_DIR);
constexpr wchar_t Service[] = L"Castorel";

std::wstring Folder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring Variable(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    GetEnvironmentVariableW(name, value, MAX_PATH);
    return value;
}

// The folders of one installation as the setup of this build's bitness computes them.
struct PLACES {
    std::wstring install = Folder(CSIDL_PROGRAM_FILES) + L"\\Tonvel\\";
    std::wstring system = Folder(sizeof(void*) == 8 ? CSIDL_SYSTEM : CSIDL_SYSTEMX86) + L"\\";
    std::wstring native = L"C:\\windows\\system32\\"; // with redirection off
    std::wstring user = Variable(L"APPDATA") + L"\\Tonvel";
    std::wstring links = Folder(CSIDL_COMMON_PROGRAMS) + L"\\Tonvel 7.1 Audio\\";
    std::wstring temp = Variable(L"TEMP");
};

void Write(const std::wstring& path, const std::string& bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << std::string(path.begin(), path.end());
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
    CreateDirectoryW(to.c_str(), nullptr);
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((from + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + L"\\" + name, to + L"\\" + name);
        else
            CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

void SetString(const std::wstring& keyPath, const std::wstring& name, const std::wstring& value,
               DWORD type = REG_SZ) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void SetDword(const std::wstring& keyPath, const std::wstring& name, DWORD value) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                    nullptr);
    RegSetValueExW(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

// The files the setup writes into the native system folder (redirection off under WOW64) and the
// service the service program registers.
void InstallSystemParts(const PLACES& places) {
    {
        const e2e::CNativeFiles native;
        Write(places.native + L"drivers\\Pelix.sys", "driver");
        Write(places.native + L"Castorel.exe", "service program");
    }
    const SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    ASSERT_NE(manager, nullptr);
    const SC_HANDLE service =
        CreateServiceW(manager, Service, Service, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                       SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, (places.native + L"Castorel.exe").c_str(),
                       nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(service, nullptr) << GetLastError();
    CloseServiceHandle(service);
    CloseServiceHandle(manager);
    // Wine's service manager may not show a new service to other handles at once: wait until it does.
    EXPECT_TRUE(e2e::WaitUntil(
        [] {
            const SC_HANDLE again = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
            const SC_HANDLE found = OpenServiceW(again, Service, SERVICE_QUERY_STATUS);
            if (found) CloseServiceHandle(found);
            CloseServiceHandle(again);
            return found != nullptr;
        },
        5000));
}

// What the setup writes, written here by hand (a test of its own, apart from driving the wizard).
void InstallLikeTheSetup(const PLACES& places) {
    SetString(L"SOFTWARE\\ORV USB DeviceId Group", L"1", L"USB\\VID_7F1C&PID_72XX&REV_0100&MI_03,token");
    SetString(L"SOFTWARE\\ORV HID DeviceId Group", L"1", L"HID\\VID_7F1C&PID_72XX&REV_0100&MI_03,token");
    const std::wstring driverKey = L"SYSTEM\\CurrentControlSet\\Services\\Pelix";
    SetDword(driverKey, L"ErrorControl", 1);
    SetDword(driverKey, L"Start", 3);
    SetDword(driverKey, L"Type", 1);
    SetString(driverKey, L"ImagePath", L"System32\\DRIVERS\\Pelix.sys", REG_EXPAND_SZ);
    InstallSystemParts(places);
    CreateDirectoryW(places.install.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(Uninstaller.c_str(), (places.install + L"TonvelUninstall.exe").c_str(), FALSE));
    Write(places.install + L"Tonvel.exe", "panel");
    CopyFileW((Assets + L"\\AudioConfig.cfg").c_str(), (places.install + L"AudioConfig.cfg").c_str(), FALSE);
    CopyFileW((Assets + L"\\Tonvel.ico").c_str(), (places.install + L"Tonvel.ico").c_str(), FALSE);
    CopyTree(Assets + L"\\Skin", places.install + L"Skin");
    CopyTree(Assets + L"\\Language", places.install + L"Language");
    CreateDirectoryW((places.install + L"Manual").c_str(), nullptr);
    CopyTree(Assets + L"\\Manual\\English", places.install + L"Manual\\English");
    CreateDirectoryW(places.user.c_str(), nullptr);
    CopyFileW((Assets + L"\\AudioConfig.cfg").c_str(), (places.user + L"\\AudioConfig.cfg").c_str(), FALSE);
    Write(places.system + L"Windows6.1-KB3033929-x64.msu", "update");
    SetString(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", L"Tonvel",
              L"\"" + places.install + L"Tonvel.exe\"");
    const std::wstring uninstallKey =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ORV72xxAudioExt";
    SetString(uninstallKey, L"DisplayName", L"Tonvel 7.1 Audio");
    SetString(uninstallKey, L"UninstallString", L"\"" + places.install + L"TonvelUninstall.exe\"");
    SetString(uninstallKey, L"DisplayIcon", places.install + L"TonvelUninstall.exe");
    SetString(uninstallKey, L"DisplayVersion", L"1.0.0.0");
    SetString(uninstallKey, L"Publisher", L"Tonvel Audio");
    CreateDirectoryW(places.links.c_str(), nullptr);
    for (const wchar_t* name : {L"Tonvel Control Panel", L"Uninstall Tonvel", L"Tonvel User Manual"})
        Write(places.links + name + L".lnk", "link");
}

DWORD RunQuietly(const std::wstring& program) {
    std::wstring line = L"\"" + program + L"\" /quiet";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 0xFFFFFFFF;
    CloseHandle(process.hThread);
    const DWORD waited = WaitForSingleObject(process.hProcess, 120000);
    DWORD code = 0xFFFFFFFE;
    if (waited == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return code;
}

// An installation left by an earlier test of the run (the setup's own) is removed first, with its own
// uninstaller, so that the first picture shows a machine without the product.
void RemoveEarlierInstallation(const PLACES& places) {
    const std::wstring uninstaller = places.install + L"TonvelUninstall.exe";
    if (GetFileAttributesW(uninstaller.c_str()) != INVALID_FILE_ATTRIBUTES) RunQuietly(uninstaller);
}

bool StartsWith(const std::wstring& text, const std::wstring& start) {
    return text.size() >= start.size() &&
           CompareStringOrdinal(text.c_str(), static_cast<int>(start.size()), start.c_str(),
                                static_cast<int>(start.size()), TRUE) == CSTR_EQUAL;
}

// What may differ after a quiet removal: the kept settings, the two programs waiting in the temporary
// folder for the next restart, and their deletion registered with Windows.
bool Expected(const std::wstring& line, const PLACES& places) {
    return StartsWith(line, L"+ file " + places.user) ||
           StartsWith(line, L"+ file " + places.temp + L"\\~TonvelUninstall") ||
           StartsWith(line, L"~ file " + places.temp + L"\\~TonvelUninstall") || // one of an earlier run
           line.find(L"Session Manager|PendingFileRenameOperations") != std::wstring::npos;
}

// What wine itself changes while programs start: its user32's scratch copy of the display settings.
bool WinesOwn(const std::wstring& line) {
    return line.find(L"HKCU\\Software\\Wine\\Temporary System Parameters") != std::wstring::npos;
}

void Print(const char* title, const std::vector<std::wstring>& lines) {
    std::printf("%s (%u)\n", title, static_cast<unsigned>(lines.size()));
    for (const auto& line : lines)
        std::printf("  %ls\n", line.c_str());
}

TEST(UninstallE2e, AQuietRemovalLeavesNothingOfOursAndChangesNothingElse) {
    const PLACES places;
    RemoveEarlierInstallation(places);
    const e2e::MACHINE_PICTURE before = e2e::TakePicture();
    std::printf("before: %u registry entries, %u files and folders\n",
                static_cast<unsigned>(before.Registry.size()), static_cast<unsigned>(before.Files.size()));
    std::fflush(stdout);
    InstallLikeTheSetup(places);
    const std::vector<std::wstring> installed = e2e::Differences(before, e2e::TakePicture());
    std::printf("installed: %u entries added or changed\n", static_cast<unsigned>(installed.size()));
    std::fflush(stdout);

    EXPECT_EQ(RunQuietly(places.install + L"TonvelUninstall.exe"), 0u);
    // The installed program ends when its copy has ended; the copy's own end is then a moment away.
    const std::vector<std::wstring> left = e2e::Differences(before, e2e::TakePicture());
    std::vector<std::wstring> expected, unexpected;
    for (const auto& line : left)
        if (!WinesOwn(line)) (Expected(line, places) ? expected : unexpected).push_back(line);
    Print("left as expected", expected);
    Print("left otherwise", unexpected);
    EXPECT_TRUE(unexpected.empty());
    EXPECT_EQ(GetFileAttributesW(places.install.c_str()), INVALID_FILE_ATTRIBUTES);
    const SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    const SC_HANDLE service = OpenServiceW(manager, Service, SERVICE_QUERY_STATUS);
    EXPECT_EQ(service, nullptr) << "the service " << Service << " is still there";
    if (service) CloseServiceHandle(service);
    CloseServiceHandle(manager);
}

} // namespace
