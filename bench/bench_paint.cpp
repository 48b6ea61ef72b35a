// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The painter into the window's backing image, the repaint with the blit of
// that image, the whole Show, and baseline (b).

#include "baselines.h"
#include "bench_fixture.h"
#include "generated_lists.h"
#include "paint/grid_painter.h"

#include <benchmark/benchmark.h>

namespace cellaro::bench {

namespace {

FormState ShownForm(int entries, Int16 scheme)
{
    FormState form = StartUpFormState();
    FormSurface null;
    const QString text = GeneratedList(entries);
    if (ShowList(form, ShowInputs { text, u"0" }, scheme, null))
        qFatal("the benchmark list was rejected");
    return form;
}

// PaintGrid over the current picture, with the image's painter kept open
// from one run to the next as it is between two Shows.
void PaintScheme(benchmark::State& state, Int16 scheme)
{
    FormState form = ShownForm(int(state.range(0)), scheme);
    ImageSurface surface = WindowSurface();
    for (auto _ : state)
        PaintGrid(form, scheme, surface);
    benchmark::DoNotOptimize(surface.pixels().pixels.data());
}

void PaintScheme0(benchmark::State& state) { PaintScheme(state, 0); }
void PaintScheme7(benchmark::State& state) { PaintScheme(state, 7); }
BENCHMARK(PaintScheme0)->CELLARO_TABLE_SIZES;
BENCHMARK(PaintScheme7)->CELLARO_TABLE_SIZES;

// The window's paint: the grid redrawn into the backing image, which is
// then blitted onto a window-sized target.
void RepaintAndBlit(benchmark::State& state)
{
    FormState form = ShownForm(int(state.range(0)), 0);
    ImageSurface surface = WindowSurface();
    QImage window(WindowClientSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        PaintGrid(form, 0, surface);
        QPainter blit(&window);
        blit.drawImage(QPoint(0, 0), ImageOf(surface.pixels()));
    }
    benchmark::DoNotOptimize(window.constBits());
}
BENCHMARK(RepaintAndBlit)->CELLARO_TABLE_SIZES;

// The blit alone.
void Blit(benchmark::State& state)
{
    ImageSurface surface = WindowSurface();
    QImage window(WindowClientSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter blit(&window);
        blit.drawImage(QPoint(0, 0), ImageOf(surface.pixels()));
    }
    benchmark::DoNotOptimize(window.constBits());
}
BENCHMARK(Blit)->CELLARO_MEASURED;

// The Show button: parse, clear, paint.
void Show(benchmark::State& state)
{
    const QString text = GeneratedList(int(state.range(0)));
    FormState form = StartUpFormState();
    ImageSurface surface = WindowSurface();
    for (auto _ : state)
        ShowList(form, ShowInputs { text, u"0" }, 0, surface);
    benchmark::DoNotOptimize(surface.pixels().pixels.data());
}
BENCHMARK(Show)->CELLARO_TABLE_SIZES;

void BaselineB(benchmark::State& state)
{
    const std::vector<FilledBox> boxes = PrecomputedBoxes(ShownForm(int(state.range(0)), 0), 0);
    QImage image(WindowClientSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    for (auto _ : state)
        FillBoxes(painter, boxes);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BaselineB)->CELLARO_TABLE_SIZES;

} // namespace

} // namespace cellaro::bench
