// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary_table.h"

#include <unistd.h>

#include <cstdio>
#include <iomanip>
#include <ostream>

namespace cellaro::bench {

namespace {

const int kTableSizes[] = { 36, 121, 1296, 10000 };
const int kLineCounts[] = { 1000, 10000, 100000 };

using Times = SummaryTable::Times;

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

Times Sum(const Times& a, const Times& b)
{
    if (a.fastestMs < 0 || b.fastestMs < 0)
        return {};
    return Times { a.fastestMs + b.fastestMs, a.medianMs + b.medianMs };
}

double InMs(double time, benchmark::TimeUnit unit)
{
    return time / benchmark::GetTimeUnitMultiplier(unit) * 1e3;
}

} // namespace

SummaryTable::SummaryTable()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
{
}

void SummaryTable::ReportRuns(const std::vector<Run>& runs)
{
    std::vector<Run> shown;
    for (const Run& run : runs) {
        if (run.error_occurred || run.run_type != Run::RT_Aggregate)
            continue;
        const bool fastest = run.aggregate_name == "fastest";
        if (!fastest && run.aggregate_name != "median")
            continue;
        shown.push_back(run);
        const std::string key = run.run_name.function_name
            + (run.run_name.args.empty() ? "" : '/' + run.run_name.args);
        (fastest ? times_[key].fastestMs : times_[key].medianMs) = InMs(run.GetAdjustedCPUTime(), run.time_unit);
    }
    if (!shown.empty())
        ConsoleReporter::ReportRuns(shown);
}

SummaryTable::Times SummaryTable::times(const std::string& name) const
{
    const auto found = times_.find(name);
    return found == times_.end() ? Times {} : found->second;
}

void SummaryTable::print(std::ostream& out) const
{
    const auto row = [&](const std::string& what, const std::string& fastest, const std::string& median) {
        out << "  " << std::left << std::setw(32) << what << std::right << std::setw(10) << fastest
            << std::setw(10) << median << '\n';
    };
    const auto timed = [&](const std::string& what, const Times& t) { row(what, Ms(t.fastestMs), Ms(t.medianMs)); };
    const auto ratio = [&](const std::string& what, const Times& part, const Times& whole) {
        row(what, Ratio(part.fastestMs, whole.fastestMs), "");
    };
    out << "\nCPU times in ms, Release build: the fastest and the median repetition\n";
    for (int size : kTableSizes) {
        const auto at = [&](const char* function) { return times(Key(function, size)); };
        out << '\n';
        row(std::to_string(size) + " entries", "fastest", "median");
        timed("parse", at("Parse"));
        timed("parse, two lists in turn", at("ParseAlternating"));
        timed("show on the null surface", at("ShowOnNullSurface"));
        timed("paint, scheme 0", at("PaintScheme0"));
        timed("paint, scheme 7", at("PaintScheme7"));
        timed("whole show", at("Show"));
        timed("repaint + blit", at("RepaintAndBlit"));
        timed("baseline (a)", at("BaselineA"));
        timed("baseline (b)", at("BaselineB"));
        const Times floor = Sum(at("BaselineA"), at("BaselineB"));
        timed("baseline (a) + (b)", floor);
        ratio("parse / baseline (a)", at("Parse"), at("BaselineA"));
        ratio("two lists in turn / baseline (a)", at("ParseAlternating"), at("BaselineA"));
        ratio("show / baseline (a+b)", at("Show"), floor);
        ratio("paint scheme 0 / baseline (b)", at("PaintScheme0"), at("BaselineB"));
    }
    out << '\n';
    row("Parse, one line in ten accepted", "fastest", "median");
    for (int lines : kLineCounts) {
        const Times parse = times(Key("ParseLines", lines));
        timed(std::to_string(lines) + " lines", parse);
        timed("  baseline (a)", times(Key("BaselineALines", lines)));
        row("  per 1000 lines", Ms(parse.fastestMs < 0 ? -1 : parse.fastestMs * 1000 / lines),
            Ms(parse.medianMs < 0 ? -1 : parse.medianMs * 1000 / lines));
    }
    out << '\n';
    timed("paste of 100000 lines", times("Paste/100000"));
    timed("blit alone", times("Blit"));
    out.flush();
}

} // namespace cellaro::bench
