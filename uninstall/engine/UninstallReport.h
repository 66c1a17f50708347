#pragma once
// What the user reads at the end: one line per item that stays, with its reason in the installed
// language, and the same list written to the log file of a quiet run.

#include "platform/api/Platform.h"
#include "uninstall/engine/UninstallItem.h"
#include "uninstall/engine/UninstallTexts.h"

#include <cstdint>
#include <string>

namespace tonvel {

inline constexpr char16_t UninstallLogFileName[] = u"TonvelUninstall.log"; // in the temporary folder

// "<what>: <reason>" for one item.
std::u16string DescribeItem(const UNINSTALL_ITEM& item, const UNINSTALL_TEXTS& texts);

// The lines of every item that stays, one per line ("\r\n" apart); empty when nothing stays.
std::u16string NotRemovedLines(const UNINSTALL_LIST& list, const UNINSTALL_TEXTS& texts);

// The closing message: done, or the list of what stays under its heading, and the restart request when
// something goes at the next restart.
std::u16string FinalMessage(const UNINSTALL_LIST& list, const UNINSTALL_TEXTS& texts);

// The log file's path: the temporary folder ("TEMP") + UninstallLogFileName; empty without one.
std::u16string UninstallLogPath(const Platform& platform);

// Writes the caption with the exit code and the message (FinalMessage, or why nothing was removed) to the
// log file (UTF-8 with its byte-order mark, CRLF lines). A Win32 error number, 0 when written.
int32_t WriteUninstallLog(const Platform& platform, const std::u16string& path, const UNINSTALL_TEXTS& texts,
                          int32_t exitCode, const std::u16string& message);

} // namespace tonvel
