#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Collects the time per iteration of every benchmark run while printing them as usual, so that
// main can print a summary (medians, ratios) after the run.
class BenchSummary : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Nanoseconds per iteration of a benchmark by its name; 0 if it did not run.
    double Nanoseconds(const std::string& name) const;

    static double Median(std::vector<double> values);

private:
    std::map<std::string, double> m_nanoseconds;
};
