#include "platform/sim/SimWindows.h"

namespace tonvel::sim {

CSimWindows::CSimWindows() = default;
CSimWindows::~CSimWindows() = default;

} // namespace tonvel::sim
