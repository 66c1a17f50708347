#include "ui/core/Controls.h"

#include "base/text/Utf.h"
#include "platform/api/FileSystem.h"
#include "ui/core/Application.h"

#include <algorithm>

namespace tonvel::ui {

// ---- CImage

void CImage::SetPicture(const CPicture& picture) {
    m_Picture = picture;
    if (m_AutoSize && !m_Picture.Empty()) SetBounds(Left(), Top(), m_Picture.Width(), m_Picture.Height());
    Changed();
}

int32_t CImage::LoadPicture(std::u16string_view path, CUiError* error) {
    CApplication* app = Application();
    if (!app) return Fail(error, UiFileError, FileOpenErrorText(path));
    CPicture picture;
    const int32_t status = app->LoadPicture(std::u16string(path), picture, error);
    if (status != UiOk) return status;
    SetPicture(picture);
    return UiOk;
}

void CImage::SetStretch(bool v) {
    m_Stretch = v;
    Changed();
}

void CImage::SetTransparent(bool v) {
    m_Transparent = v;
    Changed();
}

void CImage::SetAutoSize(bool v) {
    m_AutoSize = v;
    if (m_AutoSize && !m_Picture.Empty()) SetBounds(Left(), Top(), m_Picture.Width(), m_Picture.Height());
}

// ---- CLabel

void CLabel::SetCaption(std::u16string caption) {
    m_Caption = std::move(caption);
    AdjustSize();
    Changed();
}

void CLabel::SetFont(const UI_FONT& font) {
    m_Font = font;
    AdjustSize();
    Changed();
}

void CLabel::SetFontName(std::u16string name) {
    UI_FONT font = m_Font;
    font.name = std::move(name);
    SetFont(font);
}

void CLabel::SetFontSize(int32_t points) {
    UI_FONT font = m_Font;
    font.size = points;
    font.height = 0;
    SetFont(font);
}

void CLabel::SetFontHeight(int32_t pixels) {
    UI_FONT font = m_Font;
    font.height = pixels;
    SetFont(font);
}

void CLabel::SetFontColour(Colour colour) {
    UI_FONT font = m_Font;
    font.colour = colour;
    SetFont(font);
}

void CLabel::SetTransparent(bool v) {
    m_Transparent = v;
    Changed();
}

void CLabel::SetWordWrap(bool v) {
    m_WordWrap = v;
    AdjustSize();
    Changed();
}

void CLabel::SetAutoSize(bool v) {
    m_AutoSize = v;
    AdjustSize();
}

void CLabel::SetAlignment(TextAlign v) {
    m_Alignment = v;
    Changed();
}

void CLabel::SetBackColour(Colour v) {
    m_BackColour = v;
    Changed();
}

void CLabel::AdjustSize() {
    if (!m_AutoSize || m_WordWrap) return;
    CApplication* app = Application();
    if (!app) return;
    const UI_SIZE size = app->Backend().MeasureText(m_Font, m_Caption);
    SetBounds(Left(), Top(), size.cx, size.cy);
}

// ---- CPanel, pages

void CPanel::SetBackColour(Colour v) {
    m_Colour = v;
    Changed();
}

CPage* CPageControl::AddPage(std::u16string name, std::u16string caption) {
    CPage* page = Add<CPage>(std::move(name));
    page->SetCaption(std::move(caption));
    page->SetBounds(0, 0, Width(), Height());
    m_Pages.push_back(page);
    if (m_Active < 0) m_Active = 0;
    page->SetVisible(static_cast<int32_t>(m_Pages.size()) - 1 == m_Active);
    return page;
}

CPage* CPageControl::Page(int32_t index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return m_Pages[static_cast<size_t>(index)];
}

void CPageControl::SetActivePageIndex(int32_t index) {
    if (index < 0 || index >= PageCount() || index == m_Active) return;
    m_Active = index;
    for (int32_t i = 0; i < PageCount(); ++i)
        m_Pages[static_cast<size_t>(i)]->SetVisible(i == m_Active);
    Changed();
    if (OnChange) OnChange(*this);
}

void CPageControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    CComponent::SetBounds(left, top, width, height);
    for (CPage* page : m_Pages)
        page->SetBounds(0, 0, width, height);
}

// ---- buttons

void CButton::SetCaption(std::u16string caption) {
    m_Caption = std::move(caption);
    Changed();
}

void CButton::SetDefault(bool v) {
    m_Default = v;
    Changed();
}

void CRadioButton::SetCaption(std::u16string caption) {
    m_Caption = std::move(caption);
    Changed();
}

void CRadioButton::SetChecked(bool v) {
    if (v == m_Checked) return;
    m_Checked = v;
    if (v && Parent()) {
        for (const auto& sibling : Parent()->Children())
            if (sibling.get() != this && sibling->Kind() == ComponentKind::RadioButton)
                static_cast<CRadioButton*>(sibling.get())->SetChecked(false);
    }
    Changed();
}

void CRadioButton::Click() {
    if (!Enabled()) return;
    SetChecked(true);
    CComponent::Click();
}

// ---- combo box

int32_t CComboBox::AddItem(std::u16string item) {
    m_Items.push_back(std::move(item));
    Changed();
    return static_cast<int32_t>(m_Items.size()) - 1;
}

void CComboBox::ClearItems() {
    m_Items.clear();
    m_ItemIndex = -1;
    Changed();
}

void CComboBox::SetItemIndex(int32_t index) {
    if (index < -1 || index >= static_cast<int32_t>(m_Items.size())) return;
    m_ItemIndex = index;
    Changed();
}

std::u16string CComboBox::Text() const {
    return m_ItemIndex >= 0 ? m_Items[static_cast<size_t>(m_ItemIndex)] : std::u16string();
}

void CComboBox::Select(int32_t index) {
    if (!Enabled() || index < 0 || index >= static_cast<int32_t>(m_Items.size())) return;
    SetItemIndex(index);
    if (OnChange) OnChange(*this);
}

// ---- folder list

int32_t CFolderList::SetDirectory(std::u16string folder) {
    if (folder.size() > 3 && (folder.back() == u'\\' || folder.back() == u'/')) folder.pop_back();
    m_Directory = folder;
    m_Entries.clear();
    m_SubFolders.clear();

    std::vector<std::u16string> names;
    int32_t status = 0;
    if (m_Provider) {
        status = m_Provider(folder, names);
    } else if (CApplication* app = Application(); app && app->Files()) {
        status = app->Files()->ListFolders(folder, names);
    } else {
        status = FileNotFound;
    }
    if (status != 0) names.clear();
    std::sort(names.begin(), names.end(),
              [](const std::u16string& a, const std::u16string& b) { return AsciiUpper(a) < AsciiUpper(b); });
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::u16string& n) { return n == u"." || n == u".." || n.empty(); }),
                names.end());

    // The path entries: the drive (with its backslash), then every folder down to this one.
    size_t pos = folder.find(u'\\');
    if (pos != std::u16string::npos) {
        m_Entries.push_back(folder.substr(0, pos + 1));
        while ((pos = folder.find(u'\\', pos + 1)) != std::u16string::npos)
            m_Entries.push_back(folder.substr(0, pos));
        if (folder.size() > 3) m_Entries.push_back(folder);
    } else if (!folder.empty()) {
        m_Entries.push_back(folder);
    }
    const std::u16string base = folder.empty() || folder.back() == u'\\' ? folder : folder + u"\\";
    for (const std::u16string& name : names) {
        m_SubFolders.push_back(name);
        m_Entries.push_back(base + name);
    }
    Changed();
    return status;
}

// ---- progress bar

void CProgressBar::SetRange(int32_t min, int32_t max) {
    m_Min = min;
    m_Max = max < min ? min : max;
    SetPosition(m_Position);
    Changed();
}

void CProgressBar::SetPosition(int32_t position) {
    m_Position = std::clamp(position, m_Min, m_Max);
    Changed();
}

} // namespace tonvel::ui
