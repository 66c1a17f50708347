#pragma once
// The native system folder as a 32-bit program under WOW64 reaches it: file-system redirection switched
// off on the calling thread for the lifetime of this object, and back on at its end (as the setup does for
// the driver and the service program).

#include "platform/api/Platform.h"

namespace tonvel {

class CNativeSystemAccess {
public:
    CNativeSystemAccess(const Platform& platform, bool wow64);
    ~CNativeSystemAccess();
    CNativeSystemAccess(const CNativeSystemAccess&) = delete;
    CNativeSystemAccess& operator=(const CNativeSystemAccess&) = delete;

private:
    const Platform& m_Platform;
    bool m_Disabled = false;
    void* m_Saved = nullptr;
};

} // namespace tonvel
