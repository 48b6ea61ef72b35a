// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The parse: the list text into the entry table, without drawing, against
// baseline (a), and how its time grows with the length of the list.

#include "baselines.h"
#include "bench_fixture.h"
#include "generated_lists.h"

#include <benchmark/benchmark.h>

namespace cellaro::bench {

namespace {

void ParseInto(FormState& form, QStringView text, QStringView threshold)
{
    if (ReadList(form.entries, text, ReadThreshold(threshold)))
        qFatal("the benchmark list was rejected");
}

const QString kThresholdZero = QStringLiteral("0");
const QString kSplitThresholdText = QString::number(kSplitThreshold);

// Show's parse: the list read into the table, again and again, as each
// click on the scheme selector does.
void Parse(benchmark::State& state)
{
    const QString text = GeneratedList(int(state.range(0)));
    FormState form = StartUpFormState();
    for (auto _ : state) {
        ParseInto(form, text, kThresholdZero);
        benchmark::DoNotOptimize(form.entries.EntryCount);
    }
}
BENCHMARK(Parse)->CELLARO_TABLE_SIZES;

// Two different lists in turn, as after each new paste: every label
// changes length, so no slot keeps its text.
void ParseAlternating(benchmark::State& state)
{
    const QString lists[] = { GeneratedList(int(state.range(0))),
                              GeneratedList(int(state.range(0))).replace(u',', QStringLiteral("x,")) };
    FormState form = StartUpFormState();
    int turn = 0;
    for (auto _ : state) {
        ParseInto(form, lists[turn], kThresholdZero);
        turn = 1 - turn;
        benchmark::DoNotOptimize(form.entries.EntryCount);
    }
}
BENCHMARK(ParseAlternating)->CELLARO_TABLE_SIZES;

// The whole Show on the null surface: parse plus all the painter's logic
// (colours, positions, texts) with no pixels drawn.
void ShowOnNullSurface(benchmark::State& state)
{
    const QString text = GeneratedList(int(state.range(0)));
    FormState form = StartUpFormState();
    FormSurface null;
    for (auto _ : state) {
        ShowList(form, ShowInputs { text, kThresholdZero }, 0, null);
        benchmark::DoNotOptimize(form.entries.EntryCount);
    }
}
BENCHMARK(ShowOnNullSurface)->CELLARO_TABLE_SIZES;

void BaselineA(benchmark::State& state)
{
    const QString text = GeneratedList(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitAndReadNumbers(text));
}
BENCHMARK(BaselineA)->CELLARO_TABLE_SIZES;

// Every tenth line accepted, at 1k, 10k and 100k lines.
void ParseLines(benchmark::State& state)
{
    const QString text = TenthAcceptedList(int(state.range(0)));
    FormState form = StartUpFormState();
    for (auto _ : state) {
        ParseInto(form, text, kSplitThresholdText);
        benchmark::DoNotOptimize(form.entries.EntryCount);
    }
}
BENCHMARK(ParseLines)->CELLARO_MEASURED->Arg(1000)->Arg(10000)->Arg(100000);

void BaselineALines(benchmark::State& state)
{
    const QString text = TenthAcceptedList(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(SplitAndReadNumbers(text));
}
BENCHMARK(BaselineALines)->CELLARO_MEASURED->Arg(1000)->Arg(10000)->Arg(100000);

// A paste of 100000 lines whose first 10000 reach the threshold.
void Paste(benchmark::State& state)
{
    const QString text = PasteList(int(state.range(0)), kMaxEntries);
    state.counters["bytes"] = double(text.toUtf8().size());
    FormState form = StartUpFormState();
    for (auto _ : state) {
        ParseInto(form, text, kSplitThresholdText);
        benchmark::DoNotOptimize(form.entries.EntryCount);
    }
}
BENCHMARK(Paste)->CELLARO_MEASURED->Arg(100000);

} // namespace

} // namespace cellaro::bench
