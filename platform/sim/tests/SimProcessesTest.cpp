#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel::sim {
namespace {

TEST(SimProcessesTest, StartsTheProgramTheCommandLineNamesAndEndsItWithItsExitCode) {
    CSimWindows sim;
    std::u16string seen;
    sim.Processes().AddProgram(u"C:\\Program Files\\A\\run.exe", 500, 3,
                               [&](const std::u16string& line) { seen = line; });
    auto& processes = sim.Processes();

    struct LINE_CASE {
        const char16_t* line;
        bool starts;
    };
    for (const LINE_CASE& line : {LINE_CASE{u"\"c:\\program files\\a\\RUN.exe\" /x", true},
                                  LINE_CASE{u"C:\\Program Files\\A\\run.exe /Service", true},
                                  LINE_CASE{u"C:\\Program Files\\A\\run.exe", true},
                                  LINE_CASE{u"C:\\Program Files\\A\\run.exe2", false},
                                  LINE_CASE{u"\"C:\\Program Files\\A\\run.exe", false}}) {
        seen.clear();
        PROCESS_HANDLE process = processes.StartProcess(line.line, HIGH_PRIORITY_CLASS_FLAG);
        EXPECT_EQ(line.starts, process != nullptr) << std::string(line.line, line.line + 10);
        if (process == nullptr) continue;
        EXPECT_EQ(std::u16string(line.line), seen);
        uint32_t code = 0;
        ASSERT_TRUE(processes.GetExitCode(process, code));
        EXPECT_EQ(STILL_ACTIVE_CODE, code);
        EXPECT_EQ(WAIT_TIMEOUT_RESULT, processes.WaitForProcess(process, 100));
        EXPECT_EQ(WAIT_OBJECT_0_RESULT, processes.WaitForProcess(process, WAIT_INFINITE));
        ASSERT_TRUE(processes.GetExitCode(process, code));
        EXPECT_EQ(3u, code);
        EXPECT_TRUE(processes.CloseProcess(process));
    }
    EXPECT_EQ(5u, processes.CommandLines().size());
    EXPECT_EQ(0u, processes.OpenHandles());
}

} // namespace
} // namespace tonvel::sim
