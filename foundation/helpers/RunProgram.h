#pragma once
// Starting another program through the shell, hidden, and waiting for it.

#include <cstdint>
#include <string_view>

namespace tonvel {

struct Platform;

enum RUN_PROGRAM_RESULT : int32_t {
    RUN_PROGRAM_STARTED = 0,
    RUN_PROGRAM_NOT_STARTED = 1,
};

// Opens the file with the shell's default action, no parameters, no working folder, window hidden.
// waitMilliseconds < 0: waits until the process ends; > 0: does not wait for the process but dispatches the
// calling thread's window messages for that long; 0: returns at once. Uses processes and system.
int32_t RunProgram(const Platform& platform, std::u16string_view file, int32_t waitMilliseconds);

} // namespace tonvel
