#include "ui/core/Controls.h"

#include "base/text/Utf.h"
#include "platform/api/FileSystem.h"
#include "ui/core/Application.h"

#include <algorithm>

namespace tonvel::ui {

// ---- CImage

void CImage::SetPicture(const CPicture& picture) {
    m_picture = picture;
    if (m_autoSize && !m_picture.Empty()) SetBounds(Left(), Top(), m_picture.Width(), m_picture.Height());
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
    m_stretch = v;
    Changed();
}

void CImage::SetTransparent(bool v) {
    m_transparent = v;
    Changed();
}

void CImage::SetAutoSize(bool v) {
    m_autoSize = v;
    if (m_autoSize && !m_picture.Empty()) SetBounds(Left(), Top(), m_picture.Width(), m_picture.Height());
}

// ---- CLabel

void CLabel::SetCaption(std::u16string caption) {
    m_caption = std::move(caption);
    AdjustSize();
    Changed();
}

void CLabel::SetFont(const UI_FONT& font) {
    m_font = font;
    AdjustSize();
    Changed();
}

void CLabel::SetFontName(std::u16string name) {
    UI_FONT font = m_font;
    font.name = std::move(name);
    SetFont(font);
}

void CLabel::SetFontSize(int32_t points) {
    UI_FONT font = m_font;
    font.size = points;
    font.height = 0;
    SetFont(font);
}

void CLabel::SetFontHeight(int32_t pixels) {
    UI_FONT font = m_font;
    font.height = pixels;
    SetFont(font);
}

void CLabel::SetFontColour(Colour colour) {
    UI_FONT font = m_font;
    font.colour = colour;
    SetFont(font);
}

void CLabel::SetTransparent(bool v) {
    m_transparent = v;
    Changed();
}

void CLabel::SetWordWrap(bool v) {
    m_wordWrap = v;
    AdjustSize();
    Changed();
}

void CLabel::SetAutoSize(bool v) {
    m_autoSize = v;
    AdjustSize();
}

void CLabel::SetAlignment(TextAlign v) {
    m_alignment = v;
    Changed();
}

void CLabel::SetBackColour(Colour v) {
    m_backColour = v;
    Changed();
}

void CLabel::AdjustSize() {
    if (!m_autoSize || m_wordWrap) return;
    CApplication* app = Application();
    if (!app) return;
    const UI_SIZE size = app->Backend().MeasureText(m_font, m_caption);
    SetBounds(Left(), Top(), size.cx, size.cy);
}

// ---- CPanel, pages

void CPanel::SetBackColour(Colour v) {
    m_colour = v;
    Changed();
}

CPage* CPageControl::AddPage(std::u16string name, std::u16string caption) {
    CPage* page = Add<CPage>(std::move(name));
    page->SetCaption(std::move(caption));
    page->SetBounds(0, 0, Width(), Height());
    m_pages.push_back(page);
    if (m_active < 0) m_active = 0;
    page->SetVisible(static_cast<int32_t>(m_pages.size()) - 1 == m_active);
    return page;
}

CPage* CPageControl::Page(int32_t index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return m_pages[static_cast<size_t>(index)];
}

void CPageControl::SetActivePageIndex(int32_t index) {
    if (index < 0 || index >= PageCount() || index == m_active) return;
    m_active = index;
    for (int32_t i = 0; i < PageCount(); ++i)
        m_pages[static_cast<size_t>(i)]->SetVisible(i == m_active);
    Changed();
    if (OnChange) OnChange(*this);
}

void CPageControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    CComponent::SetBounds(left, top, width, height);
    for (CPage* page : m_pages)
        page->SetBounds(0, 0, width, height);
}

// ---- buttons

void CButton::SetCaption(std::u16string caption) {
    m_caption = std::move(caption);
    Changed();
}

void CButton::SetDefault(bool v) {
    m_default = v;
    Changed();
}

void CRadioButton::SetCaption(std::u16string caption) {
    m_caption = std::move(caption);
    Changed();
}

void CRadioButton::SetChecked(bool v) {
    if (v == m_checked) return;
    m_checked = v;
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
    m_items.push_back(std::move(item));
    Changed();
    return static_cast<int32_t>(m_items.size()) - 1;
}

void CComboBox::ClearItems() {
    m_items.clear();
    m_itemIndex = -1;
    Changed();
}

void CComboBox::SetItemIndex(int32_t index) {
    if (index < -1 || index >= static_cast<int32_t>(m_items.size())) return;
    m_itemIndex = index;
    Changed();
}

std::u16string CComboBox::Text() const {
    return m_itemIndex >= 0 ? m_items[static_cast<size_t>(m_itemIndex)] : std::u16string();
}

void CComboBox::Select(int32_t index) {
    if (!Enabled() || index < 0 || index >= static_cast<int32_t>(m_items.size())) return;
    SetItemIndex(index);
    if (OnChange) OnChange(*this);
}

// ---- folder list

int32_t CFolderList::SetDirectory(std::u16string folder) {
    if (folder.size() > 3 && (folder.back() == u'\\' || folder.back() == u'/')) folder.pop_back();
    m_directory = folder;
    m_entries.clear();
    m_subFolders.clear();

    std::vector<std::u16string> names;
    int32_t status = 0;
    if (m_provider) {
        status = m_provider(folder, names);
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
        m_entries.push_back(folder.substr(0, pos + 1));
        while ((pos = folder.find(u'\\', pos + 1)) != std::u16string::npos)
            m_entries.push_back(folder.substr(0, pos));
        if (folder.size() > 3) m_entries.push_back(folder);
    } else if (!folder.empty()) {
        m_entries.push_back(folder);
    }
    const std::u16string base = folder.empty() || folder.back() == u'\\' ? folder : folder + u"\\";
    for (const std::u16string& name : names) {
        m_subFolders.push_back(name);
        m_entries.push_back(base + name);
    }
    Changed();
    return status;
}

// ---- progress bar

void CProgressBar::SetRange(int32_t min, int32_t max) {
    m_min = min;
    m_max = max < min ? min : max;
    SetPosition(m_position);
    Changed();
}

void CProgressBar::SetPosition(int32_t position) {
    m_position = std::clamp(position, m_min, m_max);
    Changed();
}

} // namespace tonvel::ui
