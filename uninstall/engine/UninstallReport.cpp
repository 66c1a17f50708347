#include "uninstall/engine/UninstallReport.h"

#include "base/text/Utf.h"
#include "platform/api/Environment.h"
#include "platform/api/FileSystem.h"
#include "uninstall/engine/HandOver.h"
#include "uninstall/engine/RemoveFile.h"

#include <string>

namespace tonvel {

namespace {

inline constexpr char16_t LocalMachinePrefix[] = u"HKEY_LOCAL_MACHINE\\";
inline constexpr char16_t LineEnd[] = u"\r\n";

std::u16string Number(int32_t value) {
    return AsciiToUtf16(std::to_string(value));
}

std::u16string WhatOf(const UNINSTALL_ITEM& item) {
    switch (item.Kind) {
    case UNINSTALL_KIND::RegistryKey:
        return LocalMachinePrefix + item.Target;
    case UNINSTALL_KIND::RegistryValue:
        return LocalMachinePrefix + item.Target + u"\\" + item.Value;
    default:
        return item.Target;
    }
}

std::u16string ReasonOf(const UNINSTALL_ITEM& item, const UNINSTALL_TEXTS& texts) {
    switch (item.Reason) {
    case ITEM_REASON::InUse:
        return texts[LabelReasonInUse];
    case ITEM_REASON::ForeignFiles:
        return texts[LabelReasonForeignFiles] + u" " + item.Detail;
    case ITEM_REASON::StillRunning:
        return texts[LabelReasonStillRunning];
    case ITEM_REASON::ServiceRunning:
        return texts[LabelReasonServiceRunning];
    case ITEM_REASON::Error:
        return texts[LabelReasonError] + u" " + Number(item.Error);
    case ITEM_REASON::FilterNotWritten:
        return texts[LabelReasonFilterNotWritten];
    case ITEM_REASON::DriverStillNamed:
        return texts[LabelReasonDriverStillNamed];
    default:
        return {};
    }
}

} // namespace

std::u16string DescribeItem(const UNINSTALL_ITEM& item, const UNINSTALL_TEXTS& texts) {
    return WhatOf(item) + u": " + ReasonOf(item, texts);
}

std::u16string NotRemovedLines(const UNINSTALL_LIST& list, const UNINSTALL_TEXTS& texts) {
    std::u16string lines;
    for (const UNINSTALL_ITEM& item : list)
        if (Stays(item)) lines += DescribeItem(item, texts) + LineEnd;
    return lines;
}

std::u16string FinalMessage(const UNINSTALL_LIST& list, const UNINSTALL_TEXTS& texts) {
    const std::u16string lines = NotRemovedLines(list, texts);
    if (lines.empty()) return texts[LabelUninstallDone];
    std::u16string message = texts[LabelUninstallNotRemoved] + LineEnd + LineEnd + lines;
    for (const UNINSTALL_ITEM& item : list)
        if (item.Status == ITEM_STATUS::RemovedAtRestart)
            return message + LineEnd + texts[LabelUninstallRestart];
    return message;
}

std::u16string UninstallLogPath(const Platform& platform) {
    const std::u16string temp = TemporaryFolder(platform);
    return temp.empty() ? temp : WithBackslash(temp) + UninstallLogFileName;
}

int32_t WriteUninstallLog(const Platform& platform, const std::u16string& path, const UNINSTALL_TEXTS& texts,
                          int32_t exitCode, const std::u16string& message) {
    const std::u16string text =
        texts.Caption + u" (exit code " + Number(exitCode) + u")" + LineEnd + message + LineEnd;
    const std::string bytes = "\xEF\xBB\xBF" + Utf16ToUtf8(text);
    return platform.files->WriteAll(path, bytes.data(), bytes.size());
}

} // namespace tonvel
