#pragma once
// One thing the setup wrote, as the uninstaller takes it back: what it is, where it is, and how its removal
// went. The removal list is built as the steps run, in their order; the user is shown every item that
// stays, with its reason.

#include <cstdint>
#include <string>
#include <vector>

namespace tonvel {

enum class UNINSTALL_KIND : int32_t {
    Program,       // a running program of ours (the control panel)
    Service,       // the helper service
    DeviceFilter,  // the filter registration of the matching devices
    RegistryKey,   // a key (Target) with everything below it
    RegistryValue, // a value (Value) of the key Target
    File,
    Folder,
    UserData, // the per-user folder with the configuration and profiles
};

enum class ITEM_STATUS : int32_t {
    Removed,
    NotPresent,       // was not there: nothing to remove
    RemovedAtRestart, // goes when Windows restarts (a file or service in use)
    Kept,             // kept by the user's choice
    Failed,
};

enum class ITEM_REASON : int32_t {
    None,
    InUse,            // in use: deleted at the next restart
    ForeignFiles,     // a folder that holds files the setup did not write (Detail lists them)
    StillRunning,     // the program did not end when asked
    ServiceRunning,   // the service did not stop: it leaves when Windows restarts
    UserChoice,       // kept as the user chose
    Error,            // the system refused (Error holds the Win32 error number)
    FilterNotWritten, // a device's filter list could not be written back: the device still names it
    DriverStillNamed, // the driver stays while a device may still name it
};

struct UNINSTALL_ITEM {
    UNINSTALL_KIND Kind = UNINSTALL_KIND::File;
    std::u16string Target; // path, key path under HKEY_LOCAL_MACHINE, service or filter name
    std::u16string Value;  // the value name of a registry value
    ITEM_STATUS Status = ITEM_STATUS::Removed;
    ITEM_REASON Reason = ITEM_REASON::None;
    int32_t Error = 0;
    std::u16string Detail; // ForeignFiles: the names that stay, separated by ", "
};

using UNINSTALL_LIST = std::vector<UNINSTALL_ITEM>;

// A removed item (its status is changed when the removal does not go as planned).
inline UNINSTALL_ITEM ItemOf(UNINSTALL_KIND kind, std::u16string target, std::u16string value = {}) {
    UNINSTALL_ITEM item;
    item.Kind = kind;
    item.Target = std::move(target);
    item.Value = std::move(value);
    return item;
}

// Shown in the final list: what is still on the machine after the run against the user's wish (a kept
// item is the user's choice).
inline bool Stays(const UNINSTALL_ITEM& item) {
    return item.Status == ITEM_STATUS::Failed || item.Status == ITEM_STATUS::RemovedAtRestart;
}

} // namespace tonvel
