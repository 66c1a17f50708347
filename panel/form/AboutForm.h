#pragma once
// TAboutForm: the About box, a small dialog created beside the main window. Its caption, text and logo are
// set each time it opens (from the language and the skin).

#include "ui/core/Ui.h"

namespace tonvel {

class TAboutForm : public ui::CForm {
public:
    explicit TAboutForm(ui::CApplication& app);
    ui::CLabel& Text() { return *m_AboutLabel; }
    ui::CImage& Logo() { return *m_Logo; }

private:
    ui::CLabel* m_AboutLabel = nullptr;
    ui::CImage* m_Logo = nullptr;
};

} // namespace tonvel
