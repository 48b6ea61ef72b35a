#pragma once
// Collects the median times of every benchmark as the runs come in and, at
// the end, prints them per table size with the ratios to the baselines.
// The ratios use CPU time, which other work on a shared machine does not
// inflate; wall-clock time is shown beside it.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace cellaro::bench {

class SummaryTable : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    struct Median {
        double cpuMs = -1; // negative when the benchmark was not run
        double wallMs = -1;
    };
    // The medians of "Name/arg", e.g. "Show/10000".
    Median median(const std::string& name) const;

    void print(std::ostream& out) const;

private:
    std::map<std::string, Median> medians_;
};

} // namespace cellaro::bench
