#pragma once
// Runs a program of the build (named by a Unix path of the build tree) under wine and waits for its end.

#include <windows.h>

#include <cstdint>
#include <string>

namespace payloads_test {

// A path of the build tree as wine shows it: drive Z: is the root.
inline std::wstring WinePath(const char* unixPath) {
    std::wstring path = L"Z:";
    for (const char* p = unixPath; *p; ++p) {
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(*p));
    }
    return path;
}

inline constexpr DWORD ProgramTimeoutMs = 60000;
inline constexpr int64_t NotRun = -1;

// The program's exit code, or NotRun when it did not start or did not end in time.
inline int64_t RunProgram(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return NotRun;
    }
    int64_t result = NotRun;
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.hProcess, ProgramTimeoutMs) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process.hProcess, &exitCode)) {
        result = exitCode;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

} // namespace payloads_test
