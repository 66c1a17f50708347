#pragma once
// Ratios printed under the benchmark table: the time of one benchmark over another's, from the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tonvel::bench {

// Asks for a line "label: ours / reference = R" under the table (names as the table shows them): of their
// CPU times, or of a counter of both when one is named. Called from a static initialiser of the
// benchmark's file.
bool AddRatio(const char* label, const char* ours, const char* reference, const char* counter = nullptr);

// The console table (without colours), which also keeps each benchmark's time per iteration (its median when
// the run has repetitions) for the ratios.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    CRatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints every asked-for ratio whose two benchmarks ran.
    void PrintRatios() const;
    void PrintCounterRatio(const std::string& label, const std::string& ours, const std::string& reference,
                           const std::string& counter) const;

private:
    std::map<std::string, double> m_Times; // name without the aggregate -> real time per iteration
    std::map<std::string, std::map<std::string, double>> m_Counters; // name -> counter -> value
};

} // namespace tonvel::bench
