// TonvelUninstall.exe: the uninstaller on the real platform; questions and messages in message boxes, the
// progress in a small window of its own.

#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Text.h"
#include "uninstall/app/ProgressWindow.h"
#include "uninstall/engine/UninstallProgram.h"

#include <windows.h>

#include <cwchar>

namespace {

bool Ask(const std::u16string& caption, const std::u16string& question) {
    return ::MessageBoxW(nullptr, tonvel::win32::Wide(question), tonvel::win32::Wide(caption),
                         MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) == IDYES;
}

void Tell(const std::u16string& caption, const std::u16string& text) {
    ::MessageBoxW(nullptr, tonvel::win32::Wide(text), tonvel::win32::Wide(caption),
                  MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
    tonvel::win32::CWin32Platform platform;
    tonvel::TProgressWindow progress;
    const tonvel::UNINSTALL_UI ui{
        Ask, Tell,
        [&](const std::u16string& caption, const std::u16string& text) { progress.Open(instance, caption, text); },
        [&](int32_t percent) { progress.SetPosition(percent); }, [&] { progress.Close(); }};
    const std::u16string line = tonvel::win32::FromWide(arguments, arguments ? std::wcslen(arguments) : 0);
    return tonvel::RunUninstallProgram(platform.platform(), line, ui);
}
