#pragma once
// The real Windows: owns the Win32 implementation of every platform part and hands them out as one bundle.

#include "platform/api/Platform.h"

namespace tonvel::win32 {

class CWin32Platform {
public:
    CWin32Platform();
    CWin32Platform(const CWin32Platform&) = delete;
    CWin32Platform& operator=(const CWin32Platform&) = delete;
    ~CWin32Platform();

    const Platform& platform() const { return m_Platform; }

private:
    Platform m_Platform;
};

} // namespace tonvel::win32
