#include "setup/install/InstallSequence.h"

#include "platform/sim/SimWindows.h"

#include <gtest/gtest.h>

namespace tonvel {
namespace {

struct RUN_CASE {
    const char* what;
    std::vector<int32_t> results;    // of the steps, in order
    std::vector<bool> counted;       // whether each step's result counts
    int32_t status;                  // what the run returns
    std::vector<std::u16string> log; // traces and messages
};

TEST(InstallSequence, RunsTheStepsInOrderAndStopsAtTheFirstThatCounts) {
    const RUN_CASE cases[] = {
        {"all succeed", {0, 0, 0}, {true, true, true}, 0, {u"S1", u"S2", u"S3"}},
        {"second fails", {0, 7, 0}, {true, true, true}, 7, {u"S1", u"S2", u"failed (Code 2)"}},
        {"ignored failure", {0, 7, 9}, {true, false, true}, 9, {u"S1", u"S2", u"S3", u"failed (Code 3)"}},
    };
    for (const RUN_CASE& c : cases) {
        sim::CSimWindows sim;
        std::vector<std::u16string> log;
        INSTALL_REPORTS reports;
        reports.Trace = [&](const std::u16string& line) { log.push_back(line); };
        reports.Message = [&](const std::u16string& text) { log.push_back(text); };
        std::vector<INSTALL_STEP> steps;
        for (size_t i = 0; i < c.results.size(); ++i) {
            const std::u16string n(1, static_cast<char16_t>(u'1' + i));
            const int32_t result = c.results[i];
            steps.push_back({u"S" + n, [result](const Platform&, const INSTALL_REPORTS&) { return result; },
                             c.counted[i] ? u" (Code " + n + u")" : u""});
        }
        EXPECT_EQ(CInstallSequence(sim.platform(), reports).Run(steps, u"failed"), c.status) << c.what;
        EXPECT_EQ(log, c.log) << c.what;
    }
}

} // namespace
} // namespace tonvel
