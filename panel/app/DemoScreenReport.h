#pragma once
// What the demo's main window shows, written to a text file for whoever watches the demo from outside
// (the end-to-end tests): one line per label, "name|visible|left,top,width,height|caption" (bounds in the
// window's client area), and a first line "shown|0/1"; then the same for the level bar and the LED button,
// with an empty caption. The file is rewritten whole, through a temporary
// file, only when something in it changed.

#include <string>

namespace tonvel::ui {
class CApplication;
}

namespace tonvel {

class CDemoScreenReport {
public:
    CDemoScreenReport(const ui::CApplication& app, std::u16string path);
    // Writes the report when it differs from the last one written.
    void Update();
    // The report as it would be written now.
    std::string Text() const;

private:
    const ui::CApplication& m_App;
    std::u16string m_Path;
    std::string m_Written;
};

} // namespace tonvel
