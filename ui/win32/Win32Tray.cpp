// The notification-area icons: added, changed and removed with the shell, their callback on the
// application's window; a right-button release shows the icon's menu tree (built anew each time, so
// items added at run time are there), a double click restores the application.

#include "ui/win32/Win32Backend.h"

#include "ui/core/Application.h"
#include "ui/win32/Win32Support.h"

#include <cwchar>

namespace tonvel::ui {
namespace {

using namespace win32ui;

HMENU BuildMenu(const CMenuItem& parent, std::vector<CMenuItem*>& commands) {
    HMENU menu = CreatePopupMenu();
    for (int32_t i = 0; i < parent.Count(); ++i) {
        CMenuItem* item = parent.Item(i);
        if (!item->Visible()) continue;
        if (item->Caption() == u"-") {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = MF_STRING | (item->Checked() ? MF_CHECKED : 0) | (item->Enabled() ? 0 : MF_GRAYED);
        if (item->Count() > 0) {
            HMENU sub = BuildMenu(*item, commands);
            AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), Wide(item->Caption()));
            continue;
        }
        commands.push_back(item);
        AppendMenuW(menu, flags, commands.size(), Wide(item->Caption()));
    }
    return menu;
}

} // namespace

// NIM_ADD fails while the shell is still starting at log-on (the framework offers the icon again on a
// timer), and may fail on a time-out although the icon was added: a failed add is followed by a modify,
// a failed modify (the shell lost the icon) by an add.
bool CWin32Backend::AddTrayIcon(CTrayIcon& tray) {
    uint32_t id = 0;
    for (auto& [key, value] : m_Trays)
        if (value == &tray) id = key;
    if (id == 0) {
        id = m_Trays.empty() ? 1 : m_Trays.rbegin()->first + 1;
        m_Trays[id] = &tray;
    }
    const bool added = m_TrayAdded[id];
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = m_AppWnd;
    data.uID = id;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayCallback;
    data.hIcon = PictureIcon(tray.Icon(), SmallIconSize());
    if (!data.hIcon) data.hIcon = m_AppSmallIcon;
    if (!data.hIcon) data.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    // The tip holds 127 characters and the terminator.
    const std::u16string& hint = tray.Hint();
    const size_t length = std::min(hint.size(), std::size(data.szTip) - 1);
    std::wmemcpy(data.szTip, Wide(hint), length);
    data.szTip[length] = L'\0';
    const bool shown = Shell_NotifyIconW(added ? NIM_MODIFY : NIM_ADD, &data) ||
                       Shell_NotifyIconW(added ? NIM_ADD : NIM_MODIFY, &data);
    m_TrayAdded[id] = shown;
    return shown;
}

bool CWin32Backend::TrayUpdate(CTrayIcon& tray) {
    return AddTrayIcon(tray);
}

void CWin32Backend::TrayRemove(CTrayIcon& tray) {
    for (auto it = m_Trays.begin(); it != m_Trays.end(); ++it) {
        if (it->second != &tray) continue;
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = m_AppWnd;
        data.uID = it->first;
        Shell_NotifyIconW(NIM_DELETE, &data);
        m_TrayAdded.erase(it->first);
        m_Trays.erase(it);
        return;
    }
}

void CWin32Backend::ShowTrayMenu(CTrayIcon& tray) {
    std::vector<CMenuItem*> commands;
    HMENU menu = BuildMenu(tray.PopupMenu(), commands);
    POINT cursor;
    GetCursorPos(&cursor);
    // The menu closes when the user clicks elsewhere only while our window is in front.
    SetForegroundWindow(m_AppWnd);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                         cursor.x, cursor.y, 0, m_AppWnd, nullptr));
    ::PostMessageW(m_AppWnd, WM_NULL, 0, 0);
    DestroyMenu(menu);
    if (chosen > 0 && chosen <= commands.size()) commands[chosen - 1]->Click();
}

} // namespace tonvel::ui
