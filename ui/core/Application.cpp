#include "ui/core/Application.h"

#include "base/text/Utf.h"
#include "platform/api/FileSystem.h"
#include "ui/core/Form.h"

#include <algorithm>

namespace tonvel::ui {

CApplication::CApplication(IUiBackend& backend, IFileSystem* files) : m_Backend(backend), m_Files(files) {}

CApplication::~CApplication() = default;

void CApplication::SetTitle(std::u16string title) {
    m_Title = std::move(title);
    m_Backend.ApplicationChanged(*this);
}

void CApplication::SetIcon(const CPicture& icon) {
    m_Icon = icon;
    m_Backend.ApplicationChanged(*this);
}

void CApplication::Run() {
    if (ShowMainForm && m_MainForm && !m_Terminated) m_MainForm->Show();
    if (!m_Terminated) m_Backend.RunLoop(*this);
    const std::vector<CForm*> forms = m_Forms;
    for (CForm* form : forms)
        form->Destroy();
}

void CApplication::ProcessMessages() {
    m_Backend.ProcessMessages(*this);
}

void CApplication::Terminate() {
    if (m_Terminated) return;
    m_Terminated = true;
    m_Backend.Terminate(*this);
}

void CApplication::Minimize() {
    m_Minimized = true;
    m_Backend.ApplicationMinimize(*this, true);
}

void CApplication::Restore() {
    if (!m_Minimized) return;
    m_Minimized = false;
    m_Backend.ApplicationMinimize(*this, false);
}

bool CApplication::HookMessage(UI_MSG& msg) {
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    return handled;
}

uint32_t CApplication::RegisterWindowMessage(const std::u16string& name) {
    return m_Backend.RegisterMessage(name);
}

void CApplication::PostMessage(CForm* form, uint32_t message, uint64_t wParam, int64_t lParam) {
    UI_MSG msg;
    msg.form = form;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.cursor = m_Backend.CursorPos();
    m_Backend.PostMessage(msg);
}

void CApplication::SendMessage(CForm& form, uint32_t message, uint64_t wParam, int64_t lParam) {
    UI_MSG msg;
    msg.form = &form;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.cursor = m_Backend.CursorPos();
    form.WndProc(msg);
}

void CApplication::Broadcast(uint32_t message, uint64_t wParam, int64_t lParam) {
    m_Backend.Broadcast(message, wParam, lParam);
}

int32_t CApplication::MessageBox(const std::u16string& text, const std::u16string& caption, uint32_t flags) {
    CForm* owner = nullptr;
    for (CForm* form : m_Forms)
        if (form->Visible()) owner = form;
    return m_Backend.MessageBox(owner, text, caption, flags);
}

void CApplication::ShowError(const CUiError& error) {
    std::u16string text = error.message;
    if (!text.empty() && text.back() != u'.') text += u'.';
    MessageBox(text, m_Title, UiMbOk | UiMbIconError);
}

int32_t CApplication::ReadFile(const std::u16string& path, std::vector<uint8_t>& bytes, CUiError* error) {
    const int32_t status = m_Files ? m_Files->ReadAll(path, bytes) : m_Backend.ReadFile(path, bytes);
    if (status != 0) return Fail(error, UiFileError, FileOpenErrorText(path));
    return UiOk;
}

int32_t CApplication::LoadPicture(const std::u16string& path, CPicture& picture, CUiError* error) {
    const PictureFormat format = PictureFormatFromPath(path);
    if (format == PictureFormat::None) {
        const size_t dot = path.find_last_of(u'.');
        return Fail(
            error, UiPictureError,
            UnknownPictureErrorText(dot == std::u16string::npos ? std::u16string() : path.substr(dot)));
    }
    std::vector<uint8_t> bytes;
    const int32_t status = ReadFile(path, bytes, error);
    if (status != UiOk) return status;
    ++m_PicturesLoaded;
    PICTURE_INFO info;
    info.format = format;
    std::shared_ptr<void> native;
    if (m_Backend.DecodePicture(bytes, format, info, native) != UiOk)
        return Fail(error, UiPictureError, PictureErrorText(path));
    info.format = format;
    picture.Assign(info, std::move(bytes), std::move(native), path);
    return UiOk;
}

void CApplication::SetCapture(CComponent* control) {
    m_Capture = control;
    if (control && control->Form()) m_Backend.SetCapture(*control->Form());
}

void CApplication::ReleaseCapture() {
    if (!m_Capture) return;
    m_Capture = nullptr;
    m_Backend.ReleaseCapture();
}

void CApplication::AddForm(CForm& form) {
    m_Forms.push_back(&form);
    if (!m_MainForm) m_MainForm = &form;
}

void CApplication::RemoveForm(CForm& form) {
    m_Forms.erase(std::remove(m_Forms.begin(), m_Forms.end(), &form), m_Forms.end());
    if (m_MainForm == &form) m_MainForm = nullptr;
    if (m_Capture && m_Capture->Form() == &form) m_Capture = nullptr;
}

void CApplication::ComponentGone(CComponent& component) {
    for (const auto& child : component.Children())
        ComponentGone(*child);
    if (m_Capture == &component) ReleaseCapture();
    if (CForm* form = component.Form()) form->Forget(component);
    m_Backend.ComponentRemoved(component);
}

} // namespace tonvel::ui
