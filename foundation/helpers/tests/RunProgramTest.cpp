#include "foundation/helpers/RunProgram.h"
#include "platform/api/Platform.h"
#include "platform/sim/SimProcesses.h"
#include "platform/sim/SimSystemInfo.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

constexpr char16_t Child[] = u"C:\\Temp\\Windows6.1-KB3033929-x64.msu";

class RunProgramTest : public ::testing::Test {
protected:
    RunProgramTest() {
        m_Platform.system = &m_System;
        m_Platform.processes = &m_Processes;
        m_Processes.AddProgram(Child, 5000);
    }
    sim::CSimSystemInfo m_System;
    sim::CSimProcesses m_Processes{m_System};
    Platform m_Platform;
};

TEST_F(RunProgramTest, StartsHiddenWithoutUiThroughTheDefaultAction) {
    EXPECT_EQ(RunProgram(m_Platform, Child, 0), RUN_PROGRAM_STARTED);
    ASSERT_EQ(m_Processes.Starts().size(), 1u);
    const SHELL_EXECUTE_INFO& start = m_Processes.Starts()[0];
    EXPECT_EQ(start.mask, 0x440u);
    EXPECT_EQ(start.show, 0);
    EXPECT_EQ(start.file, Child);
    EXPECT_TRUE(start.verb.empty());
    EXPECT_TRUE(start.parameters.empty());
    EXPECT_TRUE(start.directory.empty());
}

struct WAIT_CASE {
    int32_t wait;
    uint32_t elapsed; // simulated time at return
    bool ended;       // whether the program had ended by then
    bool pumped;      // whether window messages were dispatched
};

class RunProgramWaits : public RunProgramTest, public ::testing::WithParamInterface<WAIT_CASE> {};

TEST_P(RunProgramWaits, WaitsAsAsked) {
    const WAIT_CASE& c = GetParam();
    const uint32_t start = m_System.GetTickCount();
    EXPECT_EQ(RunProgram(m_Platform, Child, c.wait), RUN_PROGRAM_STARTED);
    EXPECT_EQ(m_System.GetTickCount() - start, c.elapsed);
    EXPECT_EQ(m_Processes.HasEnded(0), c.ended);
    EXPECT_EQ(m_Processes.PumpCalls() > 0, c.pumped);
    EXPECT_EQ(m_Processes.OpenHandles(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Waits, RunProgramWaits,
                         ::testing::Values(WAIT_CASE{-1, 5000, true, false}, WAIT_CASE{0, 0, false, false},
                                           WAIT_CASE{1500, 1500, false, true},
                                           WAIT_CASE{8000, 8000, true, true}));

TEST_F(RunProgramTest, PositiveWaitDispatchesMessagesUntilTheTimeHasPassed) {
    m_Processes.SetMessageInterval(100);
    int messages = 0;
    m_Processes.SetMessageHandler([&] { ++messages; });
    const uint32_t start = m_System.GetTickCount();
    EXPECT_EQ(RunProgram(m_Platform, Child, 1000), RUN_PROGRAM_STARTED);
    EXPECT_EQ(messages, 10);
    EXPECT_EQ(m_System.GetTickCount() - start, 1000u);
}

TEST_F(RunProgramTest, PositiveWaitSurvivesTheTickCountWrapping) {
    m_System.SetTickCount(0xFFFFFF00);
    m_Processes.SetMessageInterval(100);
    EXPECT_EQ(RunProgram(m_Platform, Child, 1000), RUN_PROGRAM_STARTED);
    EXPECT_EQ(m_System.GetTickCount(), 0xFFFFFF00u + 1000u);
    EXPECT_EQ(m_Processes.PumpCalls(), 10u);
}

TEST_F(RunProgramTest, UnknownFileIsNotStartedAndNothingWaits) {
    const uint32_t start = m_System.GetTickCount();
    EXPECT_EQ(RunProgram(m_Platform, u"C:\\missing.exe", -1), RUN_PROGRAM_NOT_STARTED);
    EXPECT_EQ(RunProgram(m_Platform, u"C:\\missing.exe", 500), RUN_PROGRAM_NOT_STARTED);
    EXPECT_EQ(m_System.GetTickCount(), start);
    EXPECT_EQ(m_Processes.PumpCalls(), 0u);
}

} // namespace
} // namespace tonvel
