#include "bench/BenchRatio.h"

#include <cstdio>

namespace tonvel::bench {
namespace {

struct RATIO {
    std::string label;
    std::string ours;
    std::string reference;
};

std::vector<RATIO>& Ratios() {
    static std::vector<RATIO> ratios;
    return ratios;
}

} // namespace

bool AddRatio(const char* label, const char* ours, const char* reference) {
    Ratios().push_back({label, ours, reference});
    return true;
}

void CRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        // A single run gives its time; with repetitions the median replaces it.
        if (run.run_type == Run::RT_Iteration || median)
            m_Times[run.run_name.str()] = run.GetAdjustedCPUTime();
    }
}

void CRatioReporter::PrintRatios() const {
    for (const RATIO& ratio : Ratios()) {
        const auto ours = m_Times.find(ratio.ours);
        const auto reference = m_Times.find(ratio.reference);
        if (ours == m_Times.end() || reference == m_Times.end()) continue;
        std::printf("%s: %s / %s = %.2f\n", ratio.label.c_str(), ratio.ours.c_str(), ratio.reference.c_str(),
                    ours->second / reference->second);
    }
}

} // namespace tonvel::bench
