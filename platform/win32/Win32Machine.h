#pragma once
// Sleep, Beep and the restart of Windows with the shutdown privilege.

#include "platform/api/Machine.h"

namespace tonvel::win32 {

class CWin32Machine : public IMachine {
public:
    void Sleep(uint32_t milliseconds) override;
    bool Beep(uint32_t frequency, uint32_t milliseconds) override;
    bool RestartWindows() override;
};

} // namespace tonvel::win32
