#pragma once
// A complete picture of the simulated machine, to compare before and after: every registry key and value
// of every hive (the physical tree, both views), every file and folder with its bytes, the installed
// services with their states, and the moves registered for the next restart.

#include "platform/sim/SimWindows.h"

#include <map>
#include <string>
#include <vector>

namespace tonvel::sim {

struct SIM_SNAPSHOT {
    std::map<std::string, std::string> Registry; // "HKLM\path" -> "" (a key) / "HKLM\path|name" -> type:bytes
    std::map<std::string, std::string> Files;    // host-relative path -> bytes ("<folder>" for a folder)
    std::map<std::string, std::string> Services; // name -> state
    std::vector<std::string> PendingMoves;       // "from -> to"
};

SIM_SNAPSHOT TakeSnapshot(CSimWindows& windows);

// One line per entry that was added ("+ "), removed ("- ") or changed ("~ "); empty when both are equal.
std::vector<std::string> Differences(const SIM_SNAPSHOT& before, const SIM_SNAPSHOT& after);

} // namespace tonvel::sim
