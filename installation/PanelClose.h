#pragma once
// Running control panels asked to quit through the exit message, and waited for: the setup must not write
// the panel's file, nor the uninstaller delete it, while a panel still runs from it.

#include "platform/api/Platform.h"

#include <cstdint>
#include <string>

namespace tonvel {

inline constexpr uint32_t AppExitBroadcastTimeoutMs = 100; // each window gets this long for the message
inline constexpr uint32_t PanelExitWaitMs = 10000;         // how long the panels get to end, all together

// What became of the panels running from the panel's file.
enum class PANELS_CLOSED { NoneRan, Ended, StillRunning };

// Broadcasts the exit message and waits for every other process of `panelFile` to end, at most
// PanelExitWaitMs in all.
PANELS_CLOSED CloseRunningPanels(const Platform& platform, const std::u16string& panelFile);

} // namespace tonvel
