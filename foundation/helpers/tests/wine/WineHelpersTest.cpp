// The helpers on the real Win32 layer under wine: the x86_64 build as a 64-bit process, the i686 build as a
// 32-bit process under WOW64; where the answers depend on that, against the simulation of the same situation.
#include "foundation/config/ApplicationConfig.h"
#include "foundation/helpers/FileVersion.h"
#include "foundation/helpers/ResourceBytes.h"
#include "foundation/helpers/RunProgram.h"
#include "foundation/helpers/Shortcut.h"
#include "foundation/helpers/WindowsPackages.h"
#include "foundation/helpers/WindowsVersion.h"
#include "foundation/helpers/Wow64.h"
#include "platform/sim/SimWindows.h"
#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace tonvel {
namespace {

std::u16string U16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

std::wstring OwnPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

std::wstring ChildPath() {
    std::wstring path = OwnPath();
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"helpers_child.exe";
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class WineHelpers : public ::testing::Test {
protected:
    win32::CWin32Platform m_Windows;
    const Platform& P() { return m_Windows.platform(); }
};

TEST_F(WineHelpers, WindowsVersionAgreesWithRtlGetVersion) {
    using Proc = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    const auto proc = reinterpret_cast<Proc>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    ASSERT_NE(proc, nullptr);
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_EQ(proc(&info), 0);

    int32_t family = -5, version = -5, servicePack = -5;
    ASSERT_EQ(GetWindowsVersion(*P().system, &family, &version, &servicePack), WINDOWS_VERSION_OK);
    EXPECT_EQ(servicePack, info.wServicePackMajor);
    // The codes of every version the product knows; any other gives unknown codes, except later minors of
    // NT 4 and Windows 10, which keep their family.
    struct KNOWN {
        DWORD Major, Minor;
        int32_t Family, Version;
    };
    const KNOWN known[] = {{4, 0, 0, 0x400}, {5, 0, 1, 0x500}, {5, 1, 2, 0x501},
                           {5, 2, 2, 0x502}, {6, 0, 3, 0x600}, {6, 1, 4, 0x601},
                           {6, 2, 5, 0x602}, {6, 3, 5, 0x603}, {10, 0, 6, 0xA00}};
    KNOWN expected{info.dwMajorVersion, info.dwMinorVersion, -1, -1};
    if (info.dwMajorVersion == 4) expected.Family = 0;
    if (info.dwMajorVersion == 10) expected.Family = 6;
    for (const KNOWN& k : known)
        if (k.Major == info.dwMajorVersion && k.Minor == info.dwMinorVersion) expected = k;
    EXPECT_EQ(family, expected.Family) << info.dwMajorVersion << "." << info.dwMinorVersion;
    EXPECT_EQ(version, expected.Version) << info.dwMajorVersion << "." << info.dwMinorVersion;
    OSVERSIONINFOW legacy{};
    legacy.dwOSVersionInfoSize = sizeof legacy;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&legacy);
#pragma GCC diagnostic pop
    RecordProperty("RtlGetVersion",
                   std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion));
    RecordProperty("GetVersionEx",
                   std::to_string(legacy.dwMajorVersion) + "." + std::to_string(legacy.dwMinorVersion));
}

// The machine of a program image: the PE header's machine field, 0 when the file cannot be read as one.
WORD ImageMachine(const std::wstring& path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BYTE header[4096] = {};
    DWORD read = 0;
    const BOOL ok = ReadFile(file, header, sizeof header, &read, nullptr);
    CloseHandle(file);
    if (!ok || read < sizeof(IMAGE_DOS_HEADER)) return 0;
    const LONG at = reinterpret_cast<const IMAGE_DOS_HEADER*>(header)->e_lfanew;
    if (at < 0 || static_cast<DWORD>(at) + 6 > read) return 0;
    if (header[at] != 'P' || header[at + 1] != 'E') return 0;
    return static_cast<WORD>(header[at + 4] | header[at + 5] << 8);
}

#ifdef _WIN64
constexpr WORD OwnMachine = IMAGE_FILE_MACHINE_AMD64;
#else
constexpr WORD OwnMachine = IMAGE_FILE_MACHINE_I386;
#endif

// Holds for a 64-bit process (no redirection to switch off) and for a WOW64 process (off, the system folder
// is the native one; back on, it is the process's own again).
TEST_F(WineHelpers, Wow64AgreesWithTheDirectCallsAndRedirectionReachesTheNativeSystemFolder) {
    BOOL wow64 = TRUE;
    ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
    EXPECT_EQ(IsWow64(*P().system), wow64 != FALSE);
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    const std::wstring kernel = std::wstring(system) + L"\\kernel32.dll";
    EXPECT_EQ(ImageMachine(kernel), OwnMachine) << "the system folder is not this process's own";

    void* saved = nullptr;
    const bool disabled = DisableFsRedirection(*P().system, saved);
    EXPECT_EQ(disabled, wow64 != FALSE) << "redirection can be switched off exactly in a WOW64 process";
    if (disabled) {
        EXPECT_EQ(ImageMachine(kernel), IMAGE_FILE_MACHINE_AMD64) << "redirection off: the native folder";
        EXPECT_TRUE(RevertFsRedirection(*P().system, saved));
        EXPECT_EQ(ImageMachine(kernel), OwnMachine) << "redirection back on";
    }
    RecordProperty("process", wow64 ? "WOW64" : "native");
}

std::u16string Lower(std::u16string text) {
    for (char16_t& unit : text)
        if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
    return text;
}

std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t unit : text)
        out.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return out;
}

// The WOW64 answers, and the folders the configuration loader derives from them (Program Files, the system
// folder of the process's bitness, the native system folder read with redirection off), are those of the
// simulation in the same situation.
TEST_F(WineHelpers, Wow64AndTheConfigurationFoldersAgreeWithTheSimulation) {
    sim::CSimWindows simulated;
    simulated.SetSituation(sim::ThisProgramOnWindows64());
    const bool wow64 = IsWow64(*P().system);
    EXPECT_EQ(sizeof(void*) == 4, wow64);
    EXPECT_EQ(IsWow64(*simulated.platform().system), wow64);
    void* saved = nullptr;
    const bool wineOff = DisableFsRedirection(*P().system, saved);
    if (wineOff) {
        EXPECT_TRUE(RevertFsRedirection(*P().system, saved));
    }
    const bool simOff = DisableFsRedirection(*simulated.platform().system, saved);
    if (simOff) {
        EXPECT_TRUE(RevertFsRedirection(*simulated.platform().system, saved));
    }
    EXPECT_EQ(simOff, wineOff);
    EXPECT_EQ(wow64, wineOff);

    _APPLICATION_FOLDER_PATH wine;
    _APPLICATION_FOLDER_PATH sim;
    const std::u16string program = u"C:\\Tonvel\\Tonvel.exe";
    LoadApplicationConfig(P(), CONFIG_PROGRAM::ControlPanel, u"AudioConfig.cfg", program, wine);
    LoadApplicationConfig(simulated.platform(), CONFIG_PROGRAM::ControlPanel, u"AudioConfig.cfg", program,
                          sim);
    EXPECT_EQ(Lower(sim.ProgramFilesFolder), Lower(wine.ProgramFilesFolder));
    EXPECT_EQ(Lower(sim.SystemFolder), Lower(wine.SystemFolder));
    EXPECT_EQ(Lower(sim.NativeSystemFolder), Lower(wine.NativeSystemFolder));
    EXPECT_EQ(wow64 ? u"c:\\windows\\syswow64\\" : u"c:\\windows\\system32\\", Lower(wine.SystemFolder));
    RecordProperty("ProgramFiles", Narrow(wine.ProgramFilesFolder));
    RecordProperty("SystemFolder", Narrow(wine.SystemFolder));
}

TEST_F(WineHelpers, PackageProbeSeesCreatedKeysCaseSensitively) {
    const std::wstring packages =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Component Based Servicing\\Packages";
    const std::wstring names[] = {L"Package_for_KB9990001~31bf3856ad364e35~amd64~~6.1.1.0",
                                  L"package_for_kb9990002~31bf3856ad364e35~amd64~~6.1.1.0"};
    for (const auto& name : names) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (packages + L"\\" + name).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS | KEY_WOW64_64KEY, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    EXPECT_EQ(IsWindowsPackageInstalled(*P().registry, u"KB9990001"), 1);
    EXPECT_EQ(IsWindowsPackageInstalled(*P().registry, u"KB9990002"), 0);
    EXPECT_EQ(IsWindowsPackageInstalled(*P().registry, u"KB9990003"), 0);
    for (const auto& name : names)
        EXPECT_EQ(RegDeleteKeyExW(HKEY_LOCAL_MACHINE, (packages + L"\\" + name).c_str(), KEY_WOW64_64KEY, 0),
                  ERROR_SUCCESS);
    EXPECT_EQ(IsWindowsPackageInstalled(*P().registry, u"KB9990001"), 0);
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(WineHelpers, RunProgramWaitsAsAsked) {
    const std::wstring child = ChildPath();
    const std::wstring marker = child + L".done";
    ASSERT_TRUE(Exists(child));

    DeleteFileW(marker.c_str());
    DWORD start = GetTickCount();
    EXPECT_EQ(RunProgram(P(), U16(child), -1), RUN_PROGRAM_STARTED);
    EXPECT_GE(GetTickCount() - start, 450u);
    EXPECT_TRUE(Exists(marker));

    DeleteFileW(marker.c_str());
    EXPECT_EQ(RunProgram(P(), U16(child), 0), RUN_PROGRAM_STARTED);
    EXPECT_FALSE(Exists(marker));
    for (int i = 0; i < 200 && !Exists(marker); ++i)
        Sleep(50);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TonvelHelpersTest";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowW(L"TonvelHelpersTest", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    int messages = 0;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&messages));
    PostMessageW(window, WM_APP, 0, 0);
    DeleteFileW(marker.c_str());
    start = GetTickCount();
    EXPECT_EQ(RunProgram(P(), U16(child), 200), RUN_PROGRAM_STARTED);
    EXPECT_GE(GetTickCount() - start, 200u);
    EXPECT_EQ(messages, 1);
    EXPECT_FALSE(Exists(marker));
    for (int i = 0; i < 200 && !Exists(marker); ++i)
        Sleep(50);
    DeleteFileW(marker.c_str());
    DestroyWindow(window);

    EXPECT_EQ(RunProgram(P(), u"C:\\no\\such\\program.exe", -1), RUN_PROGRAM_NOT_STARTED);
}

TEST_F(WineHelpers, LoadsOwnResource) {
    uint32_t size = 0;
    const uint8_t* bytes = LoadResourceBytes(*P().resources, 101, u"TNVDATA", size);
    ASSERT_NE(bytes, nullptr);
    ASSERT_EQ(size, 6u);
    EXPECT_EQ(std::vector<uint8_t>(bytes, bytes + size),
              (std::vector<uint8_t>{0x4D, 0x5A, 0, 0, 0x01, 0xFF}));
    EXPECT_EQ(LoadResourceBytes(*P().resources, 101, u"tnvdata", size), bytes);
    EXPECT_EQ(LoadResourceBytes(*P().resources, 102, u"TNVDATA", size), nullptr);
    EXPECT_EQ(size, 0u);
}

TEST_F(WineHelpers, FileVersionOfFilesWithAndWithoutVersion) {
    std::u16string text = u"unchanged";
    EXPECT_EQ(GetFileVersionString(*P().versionInfo, U16(OwnPath()), text), FILE_VERSION_OK);
    EXPECT_EQ(text, u"10.20.30000.65535");
    text = u"unchanged";
    EXPECT_EQ(GetFileVersionString(*P().versionInfo, U16(ChildPath()), text), FILE_VERSION_NONE);
    EXPECT_EQ(GetFileVersionString(*P().versionInfo, u"C:\\no\\such\\file.exe", text), FILE_VERSION_NONE);
    EXPECT_EQ(text, u"unchanged");
}

TEST_F(WineHelpers, ShortcutResolvesToItsTarget) {
    wchar_t programs[MAX_PATH];
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS | CSIDL_FLAG_CREATE, nullptr, 0, programs),
              S_OK);
    const std::wstring folder = std::wstring(programs) + L"\\Tonvel Helpers Test";
    const std::wstring link = folder + L"\\Child.lnk";
    const std::wstring target = ChildPath();
    CreateShortcut(P(), u"Tonvel Helpers Test", U16(target), u"Child");
    ASSERT_TRUE(Exists(link));

    ASSERT_GE(CoInitialize(nullptr), 0);
    IShellLinkW* shellLink = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                               reinterpret_cast<void**>(&shellLink)),
              S_OK);
    IPersistFile* file = nullptr;
    ASSERT_EQ(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)), S_OK);
    EXPECT_EQ(file->Load(link.c_str(), STGM_READ), S_OK);
    wchar_t resolved[MAX_PATH] = {};
    EXPECT_EQ(shellLink->GetPath(resolved, MAX_PATH, nullptr, 0), S_OK);
    EXPECT_EQ(lstrcmpiW(resolved, target.c_str()), 0) << "resolved to another path";
    file->Release();
    shellLink->Release();
    CoUninitialize();

    EXPECT_TRUE(DeleteFileW(link.c_str()));
    EXPECT_TRUE(RemoveDirectoryW(folder.c_str()));
}

} // namespace
} // namespace tonvel
