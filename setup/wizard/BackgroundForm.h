#pragma once
// TBackgroundForm: the borderless window behind the wizard. It shows one picture, stretched, and covers the
// primary screen, or the configured width and height at the screen's top-left corner. Created first, it is
// the application's main window; when first shown it shows the wizard.

#include "foundation/config/ProductNames.h"
#include "platform/api/Platform.h"
#include "ui/core/Ui.h"

#include <functional>
#include <string>

namespace tonvel {

inline constexpr char16_t InstallSection[] = u"Install";
inline constexpr int32_t BackgroundDesignWidth = 651;
inline constexpr int32_t BackgroundDesignHeight = 338;
// Posted to itself when first shown: the wizard is shown once this window is on the screen, so that it
// comes up in front of it.
inline constexpr uint32_t WmShowWizard = ui::UiWmUser + 1;

// What a decimal configuration number reads as: leading blanks and one sign allowed, the digits up to the
// first other character; 0 when there are none (a number beyond 32 bits stops at the range's end).
int32_t LeadingInteger(std::u16string_view text);

class TBackgroundForm : public ui::CForm {
public:
    TBackgroundForm(ui::CApplication& app, const Platform& platform);

    // The wizard to show when this window is first shown.
    std::function<void()> ShowWizard;
    // Asked when the window is to close (Alt+F4, Close on its taskbar button): false keeps it open, as
    // while the installation runs. Not set: it closes.
    std::function<bool()> MayClose;

    void FormShow();
    // The window at its rectangle, repainted (the wizard does it when it is shown).
    void MoveToRectangle();

    int32_t RectLeft() const { return m_RectLeft; }
    int32_t RectTop() const { return m_RectTop; }
    int32_t RectWidth() const { return m_RectWidth; }
    int32_t RectHeight() const { return m_RectHeight; }
    bool FullScreen() const { return m_FullScreen; }
    const std::u16string& ProgramFolder() const { return m_ProgramFolder; }
    ui::CImage& BackgroundImage() { return *m_Image; }

private:
    std::u16string ConfigValue(const std::u16string& key) const;

    const Platform& m_Platform;
    std::u16string m_ProgramFolder;
    std::u16string m_PictureFileName;
    int32_t m_RectLeft = 0;
    int32_t m_RectTop = 0;
    int32_t m_RectWidth = 0;
    int32_t m_RectHeight = 0;
    bool m_FullScreen = false;
    ui::CImage* m_Image = nullptr;
};

} // namespace tonvel
