#pragma once
// WOW64: whether this process is a 32-bit process on 64-bit Windows, and switching the calling thread's
// file-system redirection off and back on to reach the native system folder. Callers switch redirection off
// only when IsWow64 is true, and back on, on the same thread, right after the access that needed it.

namespace tonvel {

class ISystemInfo;

// True when the process runs under WOW64; false also when the system lacks the query or it fails.
bool IsWow64(ISystemInfo& system);
// True on 64-bit Windows: a 64-bit process, or a 32-bit one under WOW64.
bool RunsOnWindows64(ISystemInfo& system);
// The platform call's success flag; false when the system lacks the call. savedState receives the value to
// hand to RevertFsRedirection.
bool DisableFsRedirection(ISystemInfo& system, void*& savedState);
bool RevertFsRedirection(ISystemInfo& system, void* savedState);

} // namespace tonvel
