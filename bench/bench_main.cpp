// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the benchmarks headless and prints the table of fastest and median
// times. Unless told otherwise on the command line, the benchmarks run
// interleaved in random order, many short repetitions each, so load drift
// on a shared machine falls on a benchmark and its baseline alike, and only
// the aggregates are shown.

#include "summary_table.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <iostream>
#include <string>
#include <vector>

namespace {

bool HasFlag(const std::vector<char*>& args, const std::string& flag)
{
    for (const char* arg : args)
        if (std::string(arg).rfind(flag, 0) == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the baselines paint with the toolkit

    std::vector<char*> args(argv, argv + argc);
    std::vector<std::string> defaults {
        "--benchmark_enable_random_interleaving=true",
        "--benchmark_repetitions=25",
        "--benchmark_min_time=0.01",
        "--benchmark_report_aggregates_only=true",
    };
    for (std::string& flag : defaults)
        if (!HasFlag(args, flag.substr(0, flag.find('='))))
            args.push_back(flag.data());
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    cellaro::bench::SummaryTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    table.print(std::cout);
    return 0;
}
