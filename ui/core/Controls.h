#pragma once
// The visual components: image, label, bevel, panel, page container with its pages, button, radio button,
// drop-down list, folder list and progress bar.

#include "ui/core/Component.h"
#include "ui/core/Picture.h"
#include "ui/core/UiError.h"

#include <functional>
#include <string>
#include <vector>

namespace tonvel {
class IFileSystem;
}

namespace tonvel::ui {

struct UI_FONT {
    std::u16string name = u"MS Sans Serif";
    int32_t size = 8;   // points
    int32_t height = 0; // pixels; when not 0 it wins over size
    Colour colour = ColourWindowText;
    bool bold = false;
    bool operator==(const UI_FONT&) const = default;
};

// A picture control. With AutoSize the control takes its picture's size whenever the picture changes.
class CImage : public CComponent {
public:
    CImage() : CComponent(ComponentKind::Image) {}
    const CPicture& Picture() const { return m_picture; }
    void SetPicture(const CPicture& picture);
    // Loads the picture from a file (through the application); on failure the old picture stays.
    int32_t LoadPicture(std::u16string_view path, CUiError* error);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool v);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);

private:
    CPicture m_picture;
    bool m_stretch = false;
    bool m_transparent = false;
    bool m_autoSize = false;
};

enum class TextAlign { Left, Right, Center };

// A text control. With AutoSize (the default) and no word wrap its size follows its caption and font, as
// the backend measures them.
class CLabel : public CComponent {
public:
    CLabel() : CComponent(ComponentKind::Label) {}
    const std::u16string& Caption() const { return m_caption; }
    void SetCaption(std::u16string caption);
    const UI_FONT& Font() const { return m_font; }
    void SetFont(const UI_FONT& font);
    void SetFontName(std::u16string name);
    void SetFontSize(int32_t points);
    void SetFontHeight(int32_t pixels);
    void SetFontColour(Colour colour);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool v);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    TextAlign Alignment() const { return m_alignment; }
    void SetAlignment(TextAlign v);
    Colour BackColour() const { return m_backColour; }
    void SetBackColour(Colour v);

protected:
    void Adopted() override { AdjustSize(); }

private:
    void AdjustSize();
    std::u16string m_caption;
    UI_FONT m_font;
    bool m_transparent = false;
    bool m_wordWrap = false;
    bool m_autoSize = true;
    TextAlign m_alignment = TextAlign::Left;
    Colour m_backColour = ColourBtnFace;
};

// A sunken frame, or one sunken line along the right edge (the tab separators of the panel).
enum class BevelShape { Frame, RightLine };

class CBevel : public CComponent {
public:
    CBevel() : CComponent(ComponentKind::Bevel) {}
    BevelShape Shape() const { return m_shape; }
    void SetShape(BevelShape shape) {
        m_shape = shape;
        Changed();
    }

private:
    BevelShape m_shape = BevelShape::Frame;
};

class CPanel : public CComponent {
public:
    CPanel() : CComponent(ComponentKind::Panel) {}
    explicit CPanel(ComponentKind kind) : CComponent(kind) {}
    Colour BackColour() const { return m_colour; }
    void SetBackColour(Colour v);
    bool DoubleBuffered() const { return m_doubleBuffered; }
    void SetDoubleBuffered(bool v) { m_doubleBuffered = v; }

private:
    Colour m_colour = ColourBtnFace;
    bool m_doubleBuffered = false;
};

// One page of a page container; it fills the container and is visible only while active.
class CPage : public CPanel {
public:
    CPage() : CPanel(ComponentKind::Page) {}
    const std::u16string& Caption() const { return m_caption; }
    void SetCaption(std::u16string caption) { m_caption = std::move(caption); }

private:
    std::u16string m_caption;
};

// A page container without tabs (a notebook): pages in index order, one active page shown.
class CPageControl : public CComponent {
public:
    CPageControl() : CComponent(ComponentKind::PageControl) {}
    CPage* AddPage(std::u16string name, std::u16string caption);
    int32_t PageCount() const { return static_cast<int32_t>(m_pages.size()); }
    CPage* Page(int32_t index) const;
    int32_t ActivePageIndex() const { return m_active; }
    CPage* ActivePage() const { return Page(m_active); }
    // Shows the page of that index (out of range: no change); fires OnChange when the page changed.
    void SetActivePageIndex(int32_t index);
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    NotifyEvent OnChange;

private:
    std::vector<CPage*> m_pages;
    int32_t m_active = -1;
};

// A push button (a Windows BUTTON control in the Win32 backend).
class CButton : public CComponent {
public:
    CButton() : CComponent(ComponentKind::Button) {}
    const std::u16string& Caption() const { return m_caption; }
    void SetCaption(std::u16string caption);
    bool Default() const { return m_default; }
    void SetDefault(bool v);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool v) { m_cancel = v; }

private:
    std::u16string m_caption;
    bool m_default = false;
    bool m_cancel = false;
};

// A radio button; checking one unchecks the radio buttons of the same parent.
class CRadioButton : public CComponent {
public:
    CRadioButton() : CComponent(ComponentKind::RadioButton) {}
    const std::u16string& Caption() const { return m_caption; }
    void SetCaption(std::u16string caption);
    bool Checked() const { return m_checked; }
    void SetChecked(bool v);
    void Click() override; // checks it, then OnClick

private:
    std::u16string m_caption;
    bool m_checked = false;
};

// A drop-down list (no editing).
class CComboBox : public CComponent {
public:
    CComboBox() : CComponent(ComponentKind::ComboBox) {}
    const std::vector<std::u16string>& Items() const { return m_items; }
    int32_t AddItem(std::u16string item);
    void ClearItems();
    int32_t ItemIndex() const { return m_itemIndex; }
    // -1 clears the selection; out of range is ignored. Does not fire OnChange (as for the VCL).
    void SetItemIndex(int32_t index);
    // The selected item's text, empty without a selection.
    std::u16string Text() const;
    // What a user selection does: select, then OnChange.
    void Select(int32_t index);
    NotifyEvent OnChange;

private:
    std::vector<std::u16string> m_items;
    int32_t m_itemIndex = -1;
};

// Lists the sub-folders of a folder, sorted by name without regard to letter case. The entries are, as the
// Windows folder list box shows them, the path from the drive down to the folder ("C:\", "C:\A", "C:\A\B")
// and then the folder's sub-folders as full paths. The sub-folders come from the provider, or else from the
// application's file system.
class CFolderList : public CComponent {
public:
    using Provider = std::function<int32_t(const std::u16string& folder, std::vector<std::u16string>& names)>;
    CFolderList() : CComponent(ComponentKind::FolderList) {}
    void SetProvider(Provider provider) { m_provider = std::move(provider); }
    const std::u16string& Directory() const { return m_directory; }
    // Reads the folder (a trailing backslash is dropped, except after a drive); returns the provider's
    // status.
    int32_t SetDirectory(std::u16string folder);
    const std::vector<std::u16string>& Entries() const { return m_entries; }
    const std::vector<std::u16string>& SubFolders() const { return m_subFolders; }

private:
    Provider m_provider;
    std::u16string m_directory;
    std::vector<std::u16string> m_entries;
    std::vector<std::u16string> m_subFolders;
};

class CProgressBar : public CComponent {
public:
    CProgressBar() : CComponent(ComponentKind::ProgressBar) {}
    int32_t Min() const { return m_min; }
    int32_t Max() const { return m_max; }
    int32_t Position() const { return m_position; }
    void SetRange(int32_t min, int32_t max);
    // Limited to the range.
    void SetPosition(int32_t position);
    int32_t Step() const { return m_step; }
    void SetStep(int32_t step) { m_step = step; }
    void StepIt() { SetPosition(m_position + m_step); }
    bool Smooth() const { return m_smooth; }
    void SetSmooth(bool v) { m_smooth = v; }

private:
    int32_t m_min = 0, m_max = 100, m_position = 0, m_step = 10;
    bool m_smooth = false;
};

} // namespace tonvel::ui
