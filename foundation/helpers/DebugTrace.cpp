#include "foundation/helpers/DebugTrace.h"

#include "platform/api/Environment.h"

namespace tonvel {

void Trace(const Platform& platform, std::u16string_view line) {
    if (platform.environment == nullptr) return;
    platform.environment->DebugOutput().Write(std::u16string(line.substr(0, TraceBufferUnits - 1)));
}

void TraceEnter(const Platform& platform, std::u16string_view method) {
    std::u16string line = u"==> ";
    line += method;
    line += u"\n";
    Trace(platform, line);
}

} // namespace tonvel
