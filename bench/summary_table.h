// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Collects the fastest and the median time of every benchmark as the runs
// come in and, at the end, prints them per table size with the ratios to
// the baselines. The benchmarks run interleaved in random order, many short
// repetitions each, so a benchmark and its baseline see the same load; the
// ratios compare their fastest repetitions, in CPU time.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace cellaro::bench {

class SummaryTable : public benchmark::ConsoleReporter {
public:
    // In colour on a terminal only: a file or a pipe gets plain text.
    SummaryTable();

    void ReportRuns(const std::vector<Run>& runs) override;

    struct Times {
        double fastestMs = -1; // CPU time; negative when the benchmark was not run
        double medianMs = -1;  // CPU time
    };
    // The times of "Name/arg", e.g. "Show/10000".
    Times times(const std::string& name) const;

    void print(std::ostream& out) const;

private:
    std::map<std::string, Times> times_;
};

} // namespace cellaro::bench
