#pragma once
// The simulated Windows: owns every simulated platform part and hands them out as one Platform bundle.

#include "platform/api/Platform.h"

namespace tonvel::sim {

class CSimWindows {
public:
    CSimWindows();
    CSimWindows(const CSimWindows&) = delete;
    CSimWindows& operator=(const CSimWindows&) = delete;
    ~CSimWindows();

    const Platform& platform() const { return m_Platform; }

private:
    Platform m_Platform;
};

} // namespace tonvel::sim
