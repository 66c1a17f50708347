#include "installation/NativeSystemAccess.h"

#include "foundation/helpers/Wow64.h"

namespace tonvel {

CNativeSystemAccess::CNativeSystemAccess(const Platform& platform, bool wow64) : m_Platform(platform) {
    if (wow64) m_Disabled = DisableFsRedirection(*platform.system, m_Saved);
}

CNativeSystemAccess::~CNativeSystemAccess() {
    if (m_Disabled) RevertFsRedirection(*m_Platform.system, m_Saved);
}

} // namespace tonvel
