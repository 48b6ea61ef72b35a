// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every benchmark starts from: a window state as start-up leaves it,
// the window-sized backing image, and the table sizes measured.

#include "paint/grid_painter.h"
#include "paint/start_up.h"
#include "surface/image_surface.h"
#include "surface/window_defaults.h"
#include "window/pixel_image.h"

#include <QSize>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace cellaro::bench {

// The window's client area: 800 pixels across (12000 twips, the list box's
// right edge) and about 640 down below the title bar.
inline QSize WindowClientSize() { return QSize(800, 640); }

inline ImageSurface WindowSurface()
{
    return ImageSurface(WindowClientSize().width(), WindowClientSize().height(), kWindowBackground);
}

// The fastest repetition of a benchmark. Other work on a shared machine only
// ever adds time, so the fastest repetitions of two benchmarks run
// interleaved compare what the code costs; their medians also carry load.
inline double Fastest(const std::vector<double>& times)
{
    return times.empty() ? 0.0 : *std::min_element(times.begin(), times.end());
}

// Every benchmark reports its fastest repetition beside the usual
// aggregates.
#define CELLARO_MEASURED Unit(benchmark::kMicrosecond)->ComputeStatistics("fastest", cellaro::bench::Fastest)

// The table sizes the painter treats differently: texts and teal outlines
// (36), texts with own-colour outlines (121), the letter matrix (1296), the
// largest table (10000).
#define CELLARO_TABLE_SIZES CELLARO_MEASURED->Arg(36)->Arg(121)->Arg(1296)->Arg(10000)

} // namespace cellaro::bench
