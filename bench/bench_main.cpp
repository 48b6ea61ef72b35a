// Runs the benchmarks headless and prints the median table. Unless told
// otherwise on the command line, each benchmark is repeated and only its
// aggregates are shown.

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
    QGuiApplication app(argc, argv); // fonts and text drawing need it

    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=9";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    std::string minTime = "--benchmark_min_time=0.05";
    if (!HasFlag(args, "--benchmark_repetitions"))
        args.push_back(repetitions.data());
    if (!HasFlag(args, "--benchmark_report_aggregates_only"))
        args.push_back(aggregates.data());
    if (!HasFlag(args, "--benchmark_min_time"))
        args.push_back(minTime.data());
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
