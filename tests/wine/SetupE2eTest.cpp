// The setup program end to end: TonvelSetup.exe run from a copy of its source folder shows its background
// and the wizard, takes a language chosen with the keyboard, runs the installation to the finish page on
// Next, and with "No, reboot later" starts the control panel from the install folder at Finish. Each page
// is captured from the screen.

#include "tests/wine/E2eSupport.h"

#include <shlobj.h>

namespace {

using namespace e2e;

const std::wstring SetupSource = WinePath(TONVEL_SETUP_DIR);
const std::wstring BaseFolder = WinePath(TONVEL_E2E_DIR) + L"\\setup";

std::wstring Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The process's top-level windows as "class 'caption'" lines, for a failure message.
std::string WindowsOf(DWORD processId) {
    struct LIST {
        DWORD id;
        std::string text;
    } list{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
            auto* l = reinterpret_cast<LIST*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != l->id) return TRUE;
            char name[64] = {}, text[256] = {};
            GetClassNameA(window, name, 64);
            GetWindowTextA(window, text, 256);
            l->text +=
                std::string(name) + " '" + text + (IsWindowVisible(window) ? "' shown\n" : "' hidden\n");
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&list));
    return list.text;
}

// Saves the screen for a failure message and says where.
std::string ScreenSaved(const std::wstring& path) {
    CaptureScreen().Save(path);
    return "screen saved in " + std::string(path.begin(), path.end());
}

TEST(Setup, InstallsInTheChosenLanguageAndStartsTheControlPanelAtFinish) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(BaseFolder), ignored);
    CopyFolder(SetupSource, BaseFolder);
    CDemo setup(BaseFolder + L"\\TonvelSetup.exe", BaseFolder + L"\\user"); // its own user folder
    ASSERT_TRUE(setup.Start());
    HWND wizard = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            wizard = FindWindowW(L"TonvelForm", L"Tonvel Setup (V1.0.0.0)"); // the setup's own version
            return wizard != nullptr;
        },
        60000))
        << "the wizard did not show; windows:\n"
        << WindowsOf(setup.Id());
    Sleep(1000);
    CaptureScreen().Save(BaseFolder + L"\\page1-language.bmp");
    // The background covers the screen behind the wizard.
    const CAPTURE shown = CaptureScreen();
    EXPECT_GT(Colours(shown, {0, 0, 200, 200}), 1u) << "no background picture in the screen's corner";

    // Another language with the keyboard: the arrow key in the language list.
    const HWND list = FindChild(wizard, L"ComboBox");
    ASSERT_NE(list, nullptr);
    const HWND next = FindChild(wizard, L"Button", L"Next >");
    ASSERT_NE(next, nullptr);
    PostMessageW(list, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(list, WM_KEYUP, VK_UP, 0);
    EXPECT_TRUE(WaitUntil([&] { return Text(next) == L"Weiter >"; }, 10000)) << "the texts did not change";
    // The wizard shows the new texts before it stores the choice: wait for the file, not for the texts.
    std::wstring stored;
    EXPECT_TRUE(WaitUntil(
        [&] {
            stored = ReadProfile(BaseFolder + L"\\AudioConfig.cfg", L"Language", L"DefaultLanguage");
            return stored == L"Deutsch";
        },
        10000))
        << "DefaultLanguage stayed \"" << stored << "\"";

    // Next runs the installation to the finish page.
    ClickWindow(next);
    CaptureScreen().Save(BaseFolder + L"\\page2-install.bmp");
    HWND finish = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            finish = FindChild(wizard, L"Button", L"Fertig");
            return finish != nullptr && IsWindowEnabled(finish) && IsWindowVisible(finish);
        },
        120000))
        << "no finish page; windows:\n"
        << WindowsOf(setup.Id()) << ScreenSaved(BaseFolder + L"\\install-stuck.bmp");
    Sleep(500);
    CaptureScreen().Save(BaseFolder + L"\\page3-finish.bmp");
    const HWND reboot = FindChild(wizard, L"Button", L"Ja - jetzt neu starten");
    const HWND noReboot = FindChild(wizard, L"Button", L"Nein - sp\u00e4ter neu starten");
    ASSERT_NE(reboot, nullptr);
    ASSERT_NE(noReboot, nullptr);
    EXPECT_EQ(SendMessageW(reboot, BM_GETCHECK, 0, 0), BST_CHECKED)
        << "a clean install pre-selects the restart";

    // "No, reboot later", then Finish: the wizard ends and the control panel starts.
    ClickWindow(noReboot);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(noReboot, BM_GETCHECK, 0, 0) == BST_CHECKED; }, 5000));
    ClickWindow(finish);
    EXPECT_TRUE(setup.Ended(30000)) << "the setup did not end";
    EXPECT_TRUE(
        WaitUntil([&] { return FindWindowW(L"TApplication", L"Tonvel 7.1 Audio") != nullptr; }, 60000))
        << "the control panel did not start";
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"WM_ORV72xxAPP_EXIT"), 0, 0);
    EXPECT_TRUE(
        WaitUntil([&] { return FindWindowW(L"TApplication", L"Tonvel 7.1 Audio") == nullptr; }, 30000));
}

} // namespace
