#include "bench/BenchRatio.h"

#include <cstdio>

namespace tonvel::bench {
namespace {

struct RATIO {
    std::string label;
    std::string ours;
    std::string reference;
    std::string counter; // empty: the CPU times
};

std::vector<RATIO>& Ratios() {
    static std::vector<RATIO> ratios;
    return ratios;
}

} // namespace

bool AddRatio(const char* label, const char* ours, const char* reference, const char* counter) {
    Ratios().push_back({label, ours, reference, counter ? counter : ""});
    return true;
}

void CRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        // A single run gives its time; with repetitions the median replaces it.
        if (run.run_type == Run::RT_Iteration || median) {
            m_Times[run.run_name.str()] = run.GetAdjustedCPUTime();
            for (const auto& [name, counter] : run.counters)
                m_Counters[run.run_name.str()][name] = counter.value;
        }
    }
}

void CRatioReporter::PrintRatios() const {
    for (const RATIO& ratio : Ratios()) {
        if (!ratio.counter.empty()) {
            PrintCounterRatio(ratio.label, ratio.ours, ratio.reference, ratio.counter);
            continue;
        }
        const auto ours = m_Times.find(ratio.ours);
        const auto reference = m_Times.find(ratio.reference);
        if (ours == m_Times.end() || reference == m_Times.end()) continue;
        std::printf("%s: %s / %s = %.2f\n", ratio.label.c_str(), ratio.ours.c_str(), ratio.reference.c_str(),
                    ours->second / reference->second);
    }
}

void CRatioReporter::PrintCounterRatio(const std::string& label, const std::string& ours,
                                       const std::string& reference, const std::string& counter) const {
    const auto a = m_Counters.find(ours);
    const auto b = m_Counters.find(reference);
    if (a == m_Counters.end() || b == m_Counters.end()) return;
    const auto x = a->second.find(counter);
    const auto y = b->second.find(counter);
    if (x == a->second.end() || y == b->second.end() || y->second == 0) return;
    std::printf("%s: %s / %s (%s) = %.2f\n", label.c_str(), ours.c_str(), reference.c_str(), counter.c_str(),
                x->second / y->second);
}

} // namespace tonvel::bench
