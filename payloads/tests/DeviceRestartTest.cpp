// TonvelDeviceRestart.exe as the setup runs it: the 64-bit program the setup carries.
#include "RunProgram.h"

#include <gtest/gtest.h>

namespace {

struct RESTART_CASE {
    const wchar_t* arguments;
    int64_t exitCode;
};

TEST(DeviceRestart, ExitCodeTellsWhatHappened) {
    const RESTART_CASE cases[] = {
        {L"", 2},                                                            // nothing named
        {L"USB\\VID_0000&PID_0000\\NOSUCHDEVICE", 0},                        // names no device: nothing to do
        {L"\"ROOT\\NO SUCH DEVICE\\0000\" USB\\VID_0000&PID_0001\\NONE", 0}, // quoted ID with spaces, two IDs
    };
    const std::wstring program = payloads_test::WinePath(TONVEL_DEVRESTART_EXE);
    for (const RESTART_CASE& c : cases) {
        EXPECT_EQ(payloads_test::RunProgram(program, c.arguments), c.exitCode)
            << "arguments: " << c.arguments;
    }
}

} // namespace
