#pragma once
// The situation the simulated Windows models: which Windows, and which process on it. Its folders, registry
// views, file-system redirection and WOW64 answers follow it:
//
//                               Process64          Wow64 (the release)       Windows32
//   Program Files folder        C:\Program Files   C:\Program Files (x86)    C:\Program Files
//   CSIDL_SYSTEMX86             C:\Windows\SysWOW64                          C:\Windows\system32
//   HKLM\SOFTWARE, default view 64-bit view        32-bit view: WOW6432Node  the one view
//   KEY_WOW64_64KEY/32KEY       select the view    select the view           ignored
//   C:\Windows\System32\...     System32           SysWOW64 (unless redirection is off, or exempt)
//   C:\Windows\Sysnative\...    not there          the native System32       not there
//   IsWow64Process              false              true                      false
//   Wow64DisableWow64FsRedir.   fails              switches redirection off  fails

namespace tonvel::sim {

enum class SIM_SITUATION {
    Process64, // a 64-bit process on 64-bit Windows
    Wow64,     // a 32-bit process on 64-bit Windows (WOW64): how the i686 release runs for most users
    Windows32, // a 32-bit process on 32-bit Windows
};

constexpr bool IsWindows64(SIM_SITUATION situation) {
    return situation != SIM_SITUATION::Windows32;
}
constexpr bool IsProcess64(SIM_SITUATION situation) {
    return situation == SIM_SITUATION::Process64;
}
constexpr SIM_SITUATION SituationOf(bool windows64, bool process64) {
    return !windows64  ? SIM_SITUATION::Windows32
           : process64 ? SIM_SITUATION::Process64
                       : SIM_SITUATION::Wow64;
}
constexpr const char* SituationName(SIM_SITUATION situation) {
    return situation == SIM_SITUATION::Process64 ? "Process64"
           : situation == SIM_SITUATION::Wow64   ? "Wow64"
                                                 : "Windows32";
}

// The situation of the running program itself on 64-bit Windows (as the wine tiers run every build, in a
// 64-bit prefix): a 64-bit build is a 64-bit process, a 32-bit build runs under WOW64. Contract tests set the
// simulation to this so that both sides model the same machine.
constexpr SIM_SITUATION ThisProgramOnWindows64() {
    return sizeof(void*) == 8 ? SIM_SITUATION::Process64 : SIM_SITUATION::Wow64;
}

} // namespace tonvel::sim
