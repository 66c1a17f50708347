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
    const CPicture& Picture() const { return m_Picture; }
    void SetPicture(const CPicture& picture);
    // Loads the picture from a file (through the application); on failure the old picture stays.
    int32_t LoadPicture(std::u16string_view path, CUiError* error);
    bool Stretch() const { return m_Stretch; }
    void SetStretch(bool v);
    bool Transparent() const { return m_Transparent; }
    void SetTransparent(bool v);
    bool AutoSize() const { return m_AutoSize; }
    void SetAutoSize(bool v);

private:
    CPicture m_Picture;
    bool m_Stretch = false;
    bool m_Transparent = false;
    bool m_AutoSize = false;
};

enum class TextAlign { Left, Right, Center };

// A text control. With AutoSize (the default) and no word wrap its size follows its caption and font, as
// the backend measures them.
class CLabel : public CComponent {
public:
    CLabel() : CComponent(ComponentKind::Label) {}
    const std::u16string& Caption() const { return m_Caption; }
    void SetCaption(std::u16string caption);
    const UI_FONT& Font() const { return m_Font; }
    void SetFont(const UI_FONT& font);
    void SetFontName(std::u16string name);
    void SetFontSize(int32_t points);
    void SetFontHeight(int32_t pixels);
    void SetFontColour(Colour colour);
    bool Transparent() const { return m_Transparent; }
    void SetTransparent(bool v);
    bool WordWrap() const { return m_WordWrap; }
    void SetWordWrap(bool v);
    bool AutoSize() const { return m_AutoSize; }
    void SetAutoSize(bool v);
    TextAlign Alignment() const { return m_Alignment; }
    void SetAlignment(TextAlign v);
    Colour BackColour() const { return m_BackColour; }
    void SetBackColour(Colour v);

protected:
    void Adopted() override { AdjustSize(); }

private:
    void AdjustSize();
    std::u16string m_Caption;
    UI_FONT m_Font;
    bool m_Transparent = false;
    bool m_WordWrap = false;
    bool m_AutoSize = true;
    TextAlign m_Alignment = TextAlign::Left;
    Colour m_BackColour = ColourBtnFace;
};

// A sunken frame, or one sunken line along the right edge (the tab separators of the panel).
enum class BevelShape { Frame, RightLine };

class CBevel : public CComponent {
public:
    CBevel() : CComponent(ComponentKind::Bevel) {}
    BevelShape Shape() const { return m_Shape; }
    void SetShape(BevelShape shape) {
        m_Shape = shape;
        Changed();
    }

private:
    BevelShape m_Shape = BevelShape::Frame;
};

class CPanel : public CComponent {
public:
    CPanel() : CComponent(ComponentKind::Panel) {}
    explicit CPanel(ComponentKind kind) : CComponent(kind) {}
    Colour BackColour() const { return m_Colour; }
    void SetBackColour(Colour v);
    bool DoubleBuffered() const { return m_DoubleBuffered; }
    void SetDoubleBuffered(bool v) { m_DoubleBuffered = v; }

private:
    Colour m_Colour = ColourBtnFace;
    bool m_DoubleBuffered = false;
};

// One page of a page container; it fills the container and is visible only while active.
class CPage : public CPanel {
public:
    CPage() : CPanel(ComponentKind::Page) {}
    const std::u16string& Caption() const { return m_Caption; }
    void SetCaption(std::u16string caption) { m_Caption = std::move(caption); }

private:
    std::u16string m_Caption;
};

// A page container without tabs (a notebook): pages in index order, one active page shown.
class CPageControl : public CComponent {
public:
    CPageControl() : CComponent(ComponentKind::PageControl) {}
    CPage* AddPage(std::u16string name, std::u16string caption);
    int32_t PageCount() const { return static_cast<int32_t>(m_Pages.size()); }
    CPage* Page(int32_t index) const;
    int32_t ActivePageIndex() const { return m_Active; }
    CPage* ActivePage() const { return Page(m_Active); }
    // Shows the page of that index (out of range: no change); fires OnChange when the page changed.
    void SetActivePageIndex(int32_t index);
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    NotifyEvent OnChange;

private:
    std::vector<CPage*> m_Pages;
    int32_t m_Active = -1;
};

// A push button (a Windows BUTTON control in the Win32 backend).
class CButton : public CComponent {
public:
    CButton() : CComponent(ComponentKind::Button) {}
    const std::u16string& Caption() const { return m_Caption; }
    void SetCaption(std::u16string caption);
    bool Default() const { return m_Default; }
    void SetDefault(bool v);
    bool Cancel() const { return m_Cancel; }
    void SetCancel(bool v) { m_Cancel = v; }

private:
    std::u16string m_Caption;
    bool m_Default = false;
    bool m_Cancel = false;
};

// A radio button; checking one unchecks the radio buttons of the same parent.
class CRadioButton : public CComponent {
public:
    CRadioButton() : CComponent(ComponentKind::RadioButton) {}
    const std::u16string& Caption() const { return m_Caption; }
    void SetCaption(std::u16string caption);
    bool Checked() const { return m_Checked; }
    void SetChecked(bool v);
    void Click() override; // checks it, then OnClick

private:
    std::u16string m_Caption;
    bool m_Checked = false;
};

// A drop-down list (no editing).
class CComboBox : public CComponent {
public:
    CComboBox() : CComponent(ComponentKind::ComboBox) {}
    const std::vector<std::u16string>& Items() const { return m_Items; }
    int32_t AddItem(std::u16string item);
    void ClearItems();
    int32_t ItemIndex() const { return m_ItemIndex; }
    // -1 clears the selection; out of range is ignored. Does not fire OnChange (as for the VCL).
    void SetItemIndex(int32_t index);
    // The selected item's text, empty without a selection.
    std::u16string Text() const;
    // What a user selection does: select, then OnChange.
    void Select(int32_t index);
    NotifyEvent OnChange;

private:
    std::vector<std::u16string> m_Items;
    int32_t m_ItemIndex = -1;
};

// Lists the sub-folders of a folder, sorted by name without regard to letter case. The entries are, as the
// Windows folder list box shows them, the path from the drive down to the folder ("C:\", "C:\A", "C:\A\B")
// and then the folder's sub-folders as full paths. The sub-folders come from the provider, or else from the
// application's file system.
class CFolderList : public CComponent {
public:
    using Provider = std::function<int32_t(const std::u16string& folder, std::vector<std::u16string>& names)>;
    CFolderList() : CComponent(ComponentKind::FolderList) {}
    void SetProvider(Provider provider) { m_Provider = std::move(provider); }
    const std::u16string& Directory() const { return m_Directory; }
    // Reads the folder (a trailing backslash is dropped, except after a drive); returns the provider's
    // status.
    int32_t SetDirectory(std::u16string folder);
    const std::vector<std::u16string>& Entries() const { return m_Entries; }
    const std::vector<std::u16string>& SubFolders() const { return m_SubFolders; }

private:
    Provider m_Provider;
    std::u16string m_Directory;
    std::vector<std::u16string> m_Entries;
    std::vector<std::u16string> m_SubFolders;
};

class CProgressBar : public CComponent {
public:
    CProgressBar() : CComponent(ComponentKind::ProgressBar) {}
    int32_t Min() const { return m_Min; }
    int32_t Max() const { return m_Max; }
    int32_t Position() const { return m_Position; }
    void SetRange(int32_t min, int32_t max);
    // Limited to the range.
    void SetPosition(int32_t position);
    int32_t Step() const { return m_Step; }
    void SetStep(int32_t step) { m_Step = step; }
    void StepIt() { SetPosition(m_Position + m_Step); }
    bool Smooth() const { return m_Smooth; }
    void SetSmooth(bool v) { m_Smooth = v; }

private:
    int32_t m_Min = 0, m_Max = 100, m_Position = 0, m_Step = 10;
    bool m_Smooth = false;
};

} // namespace tonvel::ui
