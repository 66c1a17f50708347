#include "ui/core/Application.h"

#include "base/text/Utf.h"
#include "platform/api/FileSystem.h"
#include "ui/core/Form.h"

#include <algorithm>

namespace tonvel::ui {

CApplication::CApplication(IUiBackend& backend, IFileSystem* files) : m_backend(backend), m_files(files) {}

CApplication::~CApplication() = default;

void CApplication::SetTitle(std::u16string title) {
    m_title = std::move(title);
    m_backend.ApplicationChanged(*this);
}

void CApplication::SetIcon(const CPicture& icon) {
    m_icon = icon;
    m_backend.ApplicationChanged(*this);
}

void CApplication::Run() {
    if (ShowMainForm && m_mainForm && !m_terminated) m_mainForm->Show();
    if (!m_terminated) m_backend.RunLoop(*this);
    const std::vector<CForm*> forms = m_forms;
    for (CForm* form : forms)
        form->Destroy();
}

void CApplication::ProcessMessages() {
    m_backend.ProcessMessages(*this);
}

void CApplication::Terminate() {
    if (m_terminated) return;
    m_terminated = true;
    m_backend.Terminate(*this);
}

void CApplication::Minimize() {
    m_minimized = true;
    m_backend.ApplicationMinimize(*this, true);
}

void CApplication::Restore() {
    if (!m_minimized) return;
    m_minimized = false;
    m_backend.ApplicationMinimize(*this, false);
}

bool CApplication::HookMessage(UI_MSG& msg) {
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    return handled;
}

uint32_t CApplication::RegisterWindowMessage(const std::u16string& name) {
    return m_backend.RegisterMessage(name);
}

void CApplication::PostMessage(CForm* form, uint32_t message, uint64_t wParam, int64_t lParam) {
    UI_MSG msg;
    msg.form = form;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.cursor = m_backend.CursorPos();
    m_backend.PostMessage(msg);
}

void CApplication::SendMessage(CForm& form, uint32_t message, uint64_t wParam, int64_t lParam) {
    UI_MSG msg;
    msg.form = &form;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.cursor = m_backend.CursorPos();
    form.WndProc(msg);
}

void CApplication::Broadcast(uint32_t message, uint64_t wParam, int64_t lParam) {
    m_backend.Broadcast(message, wParam, lParam);
}

int32_t CApplication::MessageBox(const std::u16string& text, const std::u16string& caption, uint32_t flags) {
    CForm* owner = nullptr;
    for (CForm* form : m_forms)
        if (form->Visible()) owner = form;
    return m_backend.MessageBox(owner, text, caption, flags);
}

void CApplication::ShowError(const CUiError& error) {
    std::u16string text = error.message;
    if (!text.empty() && text.back() != u'.') text += u'.';
    MessageBox(text, m_title, UiMbOk | UiMbIconError);
}

int32_t CApplication::ReadFile(const std::u16string& path, std::vector<uint8_t>& bytes, CUiError* error) {
    const int32_t status = m_files ? m_files->ReadAll(path, bytes) : m_backend.ReadFile(path, bytes);
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
    ++m_picturesLoaded;
    PICTURE_INFO info;
    info.format = format;
    std::shared_ptr<void> native;
    if (m_backend.DecodePicture(bytes, format, info, native) != UiOk)
        return Fail(error, UiPictureError, PictureErrorText(path));
    info.format = format;
    picture.Assign(info, std::move(bytes), std::move(native), path);
    return UiOk;
}

void CApplication::SetCapture(CComponent* control) {
    m_capture = control;
    if (control && control->Form()) m_backend.SetCapture(*control->Form());
}

void CApplication::ReleaseCapture() {
    if (!m_capture) return;
    m_capture = nullptr;
    m_backend.ReleaseCapture();
}

void CApplication::AddForm(CForm& form) {
    m_forms.push_back(&form);
    if (!m_mainForm) m_mainForm = &form;
}

void CApplication::RemoveForm(CForm& form) {
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
    if (m_mainForm == &form) m_mainForm = nullptr;
    if (m_capture && m_capture->Form() == &form) m_capture = nullptr;
}

void CApplication::ComponentGone(CComponent& component) {
    for (const auto& child : component.Children())
        ComponentGone(*child);
    if (m_capture == &component) ReleaseCapture();
    if (CForm* form = component.Form()) form->Forget(component);
    m_backend.ComponentRemoved(component);
}

} // namespace tonvel::ui
