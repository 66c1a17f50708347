// The system's controls for buttons, radio buttons, drop-down lists, folder lists and progress bars: child
// windows of the form, created when the component is first seen and kept in step with it. Their
// notifications run the components' user actions (a click, a selection), as a user's input does.

#include "ui/win32/Win32Backend.h"

#include "ui/core/Application.h"
#include "ui/win32/Win32Support.h"

#include <commctrl.h>

namespace tonvel::ui {
namespace {

using namespace win32ui;

struct CONTROL_DATA {
    HWND hwnd = nullptr;
    std::vector<std::u16string> items; // what the list shows now
    std::u16string text;
};

CONTROL_DATA* DataOf(const CComponent& control) {
    return static_cast<CONTROL_DATA*>(control.BackendData());
}

bool HasSystemControl(ComponentKind kind) {
    switch (kind) {
    case ComponentKind::Button:
    case ComponentKind::RadioButton:
    case ComponentKind::ComboBox:
    case ComponentKind::FolderList:
    case ComponentKind::ProgressBar:
        return true;
    default:
        return false;
    }
}

void SetItems(CONTROL_DATA& data, const std::vector<std::u16string>& items, UINT reset, UINT add) {
    if (data.items == items) return;
    data.items = items;
    SendMessageW(data.hwnd, reset, 0, 0);
    for (const std::u16string& item : items)
        SendMessageW(data.hwnd, add, 0, reinterpret_cast<LPARAM>(Wide(item)));
}

void SetText(CONTROL_DATA& data, const std::u16string& text) {
    if (data.text == text) return;
    data.text = text;
    SetWindowTextW(data.hwnd, Wide(text));
}

// The system control of a component, as a child of the form's window.
HWND CreateControlWindow(const CComponent& control, HWND parent, HINSTANCE instance, int32_t id) {
    const wchar_t* cls = WC_BUTTONW;
    DWORD style = WS_CHILD | WS_TABSTOP;
    switch (control.Kind()) {
    case ComponentKind::Button:
        style |= static_cast<const CButton&>(control).Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        break;
    case ComponentKind::RadioButton:
        style |= BS_RADIOBUTTON;
        break;
    case ComponentKind::ComboBox:
        cls = WC_COMBOBOXW;
        style |= CBS_DROPDOWNLIST | WS_VSCROLL;
        break;
    case ComponentKind::FolderList:
        cls = WC_LISTBOXW;
        style |= LBS_NOTIFY | WS_VSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT;
        break;
    default:
        cls = PROGRESS_CLASSW;
        if (static_cast<const CProgressBar&>(control).Smooth()) style |= PBS_SMOOTH;
        break;
    }
    HWND hwnd = CreateWindowExW(0, cls, L"", style, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!hwnd) return nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}

// The folder itself is the selected entry of a folder list: the last of the path entries.
int32_t SelectedFolderEntry(const CFolderList& list) {
    const std::u16string& folder = list.Directory();
    int32_t selected = -1;
    for (size_t i = 0; i < list.Entries().size(); ++i) {
        const std::u16string& entry = list.Entries()[i];
        if (entry == folder || (entry.size() == folder.size() + 1 && entry.back() == u'\\' &&
                                entry.compare(0, folder.size(), folder) == 0))
            selected = static_cast<int32_t>(i);
    }
    return selected;
}

// Text, items, check mark, selection and position of the component on its control.
void ShowControlState(const CComponent& control, CONTROL_DATA& data) {
    HWND hwnd = data.hwnd;
    switch (control.Kind()) {
    case ComponentKind::Button:
        SetText(data, static_cast<const CButton&>(control).Caption());
        break;
    case ComponentKind::RadioButton: {
        const auto& radio = static_cast<const CRadioButton&>(control);
        SetText(data, radio.Caption());
        SendMessageW(hwnd, BM_SETCHECK, radio.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    }
    case ComponentKind::ComboBox: {
        const auto& combo = static_cast<const CComboBox&>(control);
        SetItems(data, combo.Items(), CB_RESETCONTENT, CB_ADDSTRING);
        if (SendMessageW(hwnd, CB_GETCURSEL, 0, 0) != combo.ItemIndex())
            SendMessageW(hwnd, CB_SETCURSEL, static_cast<WPARAM>(combo.ItemIndex()), 0);
        break;
    }
    case ComponentKind::FolderList: {
        const auto& list = static_cast<const CFolderList&>(control);
        SetItems(data, list.Entries(), LB_RESETCONTENT, LB_ADDSTRING);
        SendMessageW(hwnd, LB_SETCURSEL, static_cast<WPARAM>(SelectedFolderEntry(list)), 0);
        break;
    }
    case ComponentKind::ProgressBar: {
        const auto& bar = static_cast<const CProgressBar&>(control);
        SendMessageW(hwnd, PBM_SETRANGE32, static_cast<WPARAM>(bar.Min()), static_cast<LPARAM>(bar.Max()));
        SendMessageW(hwnd, PBM_SETPOS, static_cast<WPARAM>(bar.Position()), 0);
        break;
    }
    default:
        break;
    }
}

// Position in the form's client area; shown while the component and its containers are.
void PlaceControl(const CComponent& control, const CForm& form, HWND hwnd) {
    const UI_POINT origin = control.ClientToClient({0, 0}, form);
    int32_t height = control.Height();
    if (control.Kind() == ComponentKind::ComboBox) height += 160; // room for the dropped-down list
    SetWindowPos(hwnd, HWND_TOP, origin.x, origin.y, control.Width(), height, SWP_NOACTIVATE);
    EnableWindow(hwnd, control.Enabled());
    ShowWindow(hwnd, control.IsShowing() ? SW_SHOWNA : SW_HIDE);
}

} // namespace

HWND CWin32Backend::ControlWindow(const CComponent& control) {
    if (!HasSystemControl(control.Kind())) return nullptr;
    const CONTROL_DATA* data = DataOf(control);
    return data ? data->hwnd : nullptr;
}

void CWin32Backend::SyncControls(CComponent& root) {
    if (HasSystemControl(root.Kind())) SyncControl(root);
    for (const auto& child : root.Children())
        SyncControls(*child);
}

void CWin32Backend::SyncControl(CComponent& control) {
    CForm* form = control.Form();
    HWND parent = form ? FormWindow(*form) : nullptr;
    if (!parent || !HasSystemControl(control.Kind())) return;
    CONTROL_DATA* data = DataOf(control);
    if (!data) {
        data = new CONTROL_DATA;
        control.SetBackendData(data);
        data->hwnd = CreateControlWindow(control, parent, m_Instance, m_NextControlId++);
    }
    if (!data->hwnd) return;
    ShowControlState(control, *data);
    PlaceControl(control, *form, data->hwnd);
}

void CWin32Backend::ControlCommand(CComponent& control, uint32_t code) {
    CONTROL_DATA* data = DataOf(control);
    if (!data) return;
    switch (control.Kind()) {
    case ComponentKind::Button:
    case ComponentKind::RadioButton:
        if (code == BN_CLICKED) control.Click();
        break;
    case ComponentKind::ComboBox:
        if (code == CBN_SELCHANGE) {
            const LRESULT index = SendMessageW(data->hwnd, CB_GETCURSEL, 0, 0);
            if (index >= 0) static_cast<CComboBox&>(control).Select(static_cast<int32_t>(index));
        }
        break;
    case ComponentKind::FolderList:
        if (code == LBN_DBLCLK) { // opens the folder, as the folder list box does
            auto& list = static_cast<CFolderList&>(control);
            const LRESULT index = SendMessageW(data->hwnd, LB_GETCURSEL, 0, 0);
            if (index >= 0 && static_cast<size_t>(index) < list.Entries().size())
                list.SetDirectory(list.Entries()[static_cast<size_t>(index)]);
        }
        break;
    default:
        break;
    }
}

void CWin32Backend::ComponentRemoved(CComponent& component) {
    switch (component.Kind()) {
    case ComponentKind::Timer:
        StopTimer(static_cast<CTimer&>(component));
        return;
    case ComponentKind::TrayIcon:
        TrayRemove(static_cast<CTrayIcon&>(component));
        return;
    default:
        break;
    }
    if (!HasSystemControl(component.Kind())) {
        if (CForm* form = component.Form())
            if (HWND hwnd = FormWindow(*form)) InvalidateRect(hwnd, nullptr, FALSE);
        return;
    }
    CONTROL_DATA* data = DataOf(component);
    if (!data) return;
    if (data->hwnd) {
        SetWindowLongPtrW(data->hwnd, GWLP_USERDATA, 0);
        DestroyWindow(data->hwnd);
    }
    delete data;
    component.SetBackendData(nullptr);
}

} // namespace tonvel::ui
