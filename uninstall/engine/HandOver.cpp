#include "uninstall/engine/HandOver.h"

#include "base/text/Utf.h"
#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "platform/api/SystemInfo.h"
#include "uninstall/engine/RemoveFile.h"

#include <vector>

namespace tonvel {

namespace {

// Blank-separated items; double quotes group blanks into an item and are dropped.
std::vector<std::u16string> ItemsOf(std::u16string_view arguments) {
    std::vector<std::u16string> items;
    std::u16string item;
    bool quoted = false;
    bool open = false;
    for (const char16_t c : arguments) {
        if (c == u'"') {
            quoted = !quoted;
            open = true;
        } else if ((c == u' ' || c == u'\t') && !quoted) {
            if (open) items.push_back(item);
            item.clear();
            open = false;
        } else {
            item.push_back(c);
            open = true;
        }
    }
    if (open) items.push_back(item);
    return items;
}

std::u16string Hex(uint32_t value) {
    static constexpr char16_t Digits[] = u"0123456789ABCDEF";
    std::u16string text;
    for (int shift = 28; shift >= 0; shift -= 4)
        text.push_back(Digits[(value >> shift) & 0xF]);
    return text;
}

std::u16string BaseNameOf(const std::u16string& path) {
    std::u16string name = path.substr(path.find_last_of(u'\\') + 1);
    const size_t dot = name.find_last_of(u'.');
    return dot == std::u16string::npos ? name : name.substr(0, dot);
}

} // namespace

UNINSTALL_COMMAND ParseUninstallCommand(std::u16string_view arguments) {
    UNINSTALL_COMMAND command;
    const std::vector<std::u16string> items = ItemsOf(arguments);
    for (size_t i = 0; i < items.size(); ++i) {
        if (EqualsNoCaseAscii(items[i], QuietSwitch)) command.Quiet = true;
        if (EqualsNoCaseAscii(items[i], FromSwitch) && i + 1 < items.size())
            command.OriginalProgram = items[++i];
    }
    return command;
}

std::u16string CopyCommandLine(const std::u16string& copyPath, const std::u16string& originalProgram,
                               bool quiet) {
    std::u16string line;
    line.append(u"\"").append(copyPath).append(u"\" ").append(FromSwitch);
    line.append(u" \"").append(originalProgram).append(u"\"");
    if (quiet) line.append(u" ").append(QuietSwitch);
    return line;
}

std::u16string TemporaryFolder(const Platform& platform) {
    std::u16string temp;
    if (!platform.environment->Variable(TemporaryFolderVariable, temp)) temp.clear();
    return temp;
}

std::u16string TemporaryCopyPath(const Platform& platform) {
    const std::u16string temp = TemporaryFolder(platform);
    if (temp.empty()) return {};
    const std::u16string program = platform.files->ModuleFileName();
    return WithBackslash(temp) + u"~" + BaseNameOf(program) + u"-" + Hex(platform.system->GetTickCount()) +
           u".exe";
}

PROCESS_HANDLE HandOverToTemporaryCopy(const Platform& platform, bool quiet) {
    const std::u16string copy = TemporaryCopyPath(platform);
    const std::u16string program = platform.files->ModuleFileName();
    if (copy.empty() || platform.files->Copy(program, copy, false) != FileOk) return nullptr;
    PROCESS_HANDLE process = platform.processes->StartProcess(CopyCommandLine(copy, program, quiet), 0);
    if (process == nullptr) platform.files->Delete(copy);
    return process;
}

int32_t FinishHandOver(const Platform& platform, PROCESS_HANDLE copy, bool quiet) {
    uint32_t code = 0;
    if (quiet) {
        platform.processes->WaitForProcess(copy, WAIT_INFINITE);
        if (!platform.processes->GetExitCode(copy, code)) code = 1;
    }
    platform.processes->CloseProcess(copy);
    return static_cast<int32_t>(code);
}

void TakeOverFromOriginal(const Platform& platform, const UNINSTALL_COMMAND& command) {
    if (!command.Quiet) {
        for (PROCESS_HANDLE original : platform.processes->OpenProcessesOf(command.OriginalProgram)) {
            platform.processes->WaitForProcess(original, OriginalExitWaitMs);
            platform.processes->CloseProcess(original);
        }
    }
    platform.files->Move(platform.files->ModuleFileName(), u"", MoveDelayUntilReboot);
}

} // namespace tonvel
