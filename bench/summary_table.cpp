#include "summary_table.h"

#include <cstdio>
#include <iomanip>
#include <ostream>

namespace cellaro::bench {

namespace {

const int kTableSizes[] = { 36, 121, 1296, 10000 };
const int kLineCounts[] = { 1000, 10000, 100000 };

using Median = SummaryTable::Median;

std::string Key(const std::string& function, int arg)
{
    return function + '/' + std::to_string(arg);
}

std::string Format(const char* format, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A time, or a dash for a benchmark filtered out of the run.
std::string Ms(double ms) { return ms < 0 ? "-" : Format("%.4f", ms); }

std::string Ratio(double part, double whole)
{
    return part < 0 || whole <= 0 ? "-" : Format("%.2f", part / whole);
}

Median Sum(const Median& a, const Median& b)
{
    if (a.cpuMs < 0 || b.cpuMs < 0)
        return {};
    return Median { a.cpuMs + b.cpuMs, a.wallMs + b.wallMs };
}

double InMs(double time, benchmark::TimeUnit unit)
{
    return time / benchmark::GetTimeUnitMultiplier(unit) * 1e3;
}

} // namespace

void SummaryTable::ReportRuns(const std::vector<Run>& runs)
{
    std::vector<Run> shown;
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (run.error_occurred || !(median || single))
            continue;
        shown.push_back(run);
        const std::string key = run.run_name.function_name
            + (run.run_name.args.empty() ? "" : '/' + run.run_name.args);
        medians_[key] = Median { InMs(run.GetAdjustedCPUTime(), run.time_unit),
                                 InMs(run.GetAdjustedRealTime(), run.time_unit) };
    }
    if (!shown.empty())
        ConsoleReporter::ReportRuns(shown);
}

SummaryTable::Median SummaryTable::median(const std::string& name) const
{
    const auto found = medians_.find(name);
    return found == medians_.end() ? Median {} : found->second;
}

void SummaryTable::print(std::ostream& out) const
{
    const auto row = [&](const std::string& what, const std::string& cpu, const std::string& wall) {
        out << "  " << std::left << std::setw(32) << what << std::right << std::setw(10) << cpu
            << std::setw(10) << wall << '\n';
    };
    const auto times = [&](const std::string& what, const Median& m) {
        row(what, Ms(m.cpuMs), Ms(m.wallMs));
    };
    out << "\nMedians in ms, Release build\n";
    for (int size : kTableSizes) {
        const auto at = [&](const char* function) { return median(Key(function, size)); };
        out << '\n';
        row(std::to_string(size) + " entries", "cpu", "wall");
        times("parse", at("Parse"));
        times("parse, two lists in turn", at("ParseAlternating"));
        times("show on the null surface", at("ShowOnNullSurface"));
        times("paint, scheme 0", at("PaintScheme0"));
        times("paint, scheme 7", at("PaintScheme7"));
        times("whole show", at("Show"));
        times("repaint + blit", at("RepaintAndBlit"));
        times("baseline (a)", at("BaselineA"));
        times("baseline (b)", at("BaselineB"));
        const Median floor = Sum(at("BaselineA"), at("BaselineB"));
        times("baseline (a) + (b)", floor);
        row("parse / baseline (a)", Ratio(at("Parse").cpuMs, at("BaselineA").cpuMs),
            Ratio(at("Parse").wallMs, at("BaselineA").wallMs));
        row("two lists in turn / baseline (a)", Ratio(at("ParseAlternating").cpuMs, at("BaselineA").cpuMs),
            Ratio(at("ParseAlternating").wallMs, at("BaselineA").wallMs));
        row("show / baseline (a+b)", Ratio(at("Show").cpuMs, floor.cpuMs),
            Ratio(at("Show").wallMs, floor.wallMs));
        row("paint scheme 0 / baseline (b)", Ratio(at("PaintScheme0").cpuMs, at("BaselineB").cpuMs),
            Ratio(at("PaintScheme0").wallMs, at("BaselineB").wallMs));
    }
    out << '\n';
    row("Parse, one line in ten accepted", "cpu", "wall");
    for (int lines : kLineCounts) {
        const Median parse = median(Key("ParseLines", lines));
        times(std::to_string(lines) + " lines", parse);
        times("  baseline (a)", median(Key("BaselineALines", lines)));
        row("  per 1000 lines", Ms(parse.cpuMs < 0 ? -1 : parse.cpuMs * 1000 / lines),
            Ms(parse.wallMs < 0 ? -1 : parse.wallMs * 1000 / lines));
    }
    out << '\n';
    times("paste of 100000 lines", median("Paste/100000"));
    times("blit alone", median("Blit"));
    out.flush();
}

} // namespace cellaro::bench
