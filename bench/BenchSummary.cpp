#include "BenchSummary.h"

#include <algorithm>

void BenchSummary::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Iteration && run.iterations > 0)
            m_nanoseconds[run.benchmark_name()] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    ConsoleReporter::ReportRuns(runs);
}

double BenchSummary::Nanoseconds(const std::string& name) const {
    const auto found = m_nanoseconds.find(name);
    return found == m_nanoseconds.end() ? 0.0 : found->second;
}

double BenchSummary::Median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}
