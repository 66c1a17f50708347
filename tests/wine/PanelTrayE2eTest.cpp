// The real control panel, Tonvel.exe, started by a user who has no configuration of their own yet (any
// user of the PC but the one who ran the setup): it goes to the tray without an error, comes back from
// the tray icon, keeps the user's choices in a file of their own and ends on the exit message. No device
// is connected here.

#include "tests/wine/E2eSupport.h"

namespace {

using namespace e2e;

const std::wstring Panel = WinePath(TONVEL_PANEL_EXE);
const std::wstring BaseFolder = WinePath(TONVEL_E2E_DIR) + L"\\tray";

// A message box of the process (the framework's error box among them).
bool ShowsAMessageBox(DWORD processId) {
    return FindProcessWindow(processId, L"#32770") != nullptr;
}

TEST(PanelTray, AUserWithoutAConfigurationStartsInTheTrayAndRestoresFromIt) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(BaseFolder), ignored);
    CDemo panel(Panel, BaseFolder);
    ASSERT_TRUE(panel.Start()) << "cannot start the panel";
    const DWORD id = panel.Id();
    // Up and in the tray: the application window is there, the main window hidden, no message box.
    ASSERT_TRUE(WaitUntil([&] { return FindProcessWindow(id, L"TApplication", false) != nullptr; }, 60000))
        << "the panel did not come up";
    Sleep(2000); // an error box would show by now
    EXPECT_FALSE(ShowsAMessageBox(id)) << "the panel shows a message box";
    ASSERT_FALSE(panel.Ended(0)) << "the panel ended";
    EXPECT_EQ(panel.MainWindow(), nullptr) << "the main window shows instead of the tray";
    // The user's configuration file: a copy of the program's, with its choices.
    EXPECT_EQ(ReadProfile(panel.UserConfig(), L"Skin", L"DefaultSkin"), L"Graphite");
    EXPECT_EQ(ReadProfile(panel.UserConfig(), L"Language", L"DefaultLanguage"), L"English");

    // A double click on the tray icon (its callback, WM_APP + 1, for the panel's only icon, 1) restores it.
    const HWND application = FindProcessWindow(id, L"TApplication", false);
    PostMessageW(application, WM_APP + 1, 1, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitUntil([&] { return panel.MainWindow() != nullptr; }, 10000)) << "not restored";
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(panel.MainWindow()); }, 5000)) << "restored as an icon";
    Sleep(1000);
    CaptureScreen().Save(BaseFolder + L"\\restored.bmp");
    EXPECT_FALSE(ShowsAMessageBox(id));

    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"WM_ORV72xxAPP_EXIT"), 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(panel.Ended(30000, &exitCode)) << "the exit message did not end the panel";
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
