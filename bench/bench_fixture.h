#pragma once
// What every benchmark starts from: a window state as start-up leaves it,
// the window-sized backing image, and the table sizes measured.

#include "paint/grid_painter.h"
#include "paint/start_up.h"
#include "surface/image_surface.h"
#include "surface/window_defaults.h"

#include <QSize>

namespace cellaro::bench {

// The window's client area: 800 pixels across (12000 twips, the list box's
// right edge) and about 640 down below the title bar.
inline QSize WindowClientSize() { return QSize(800, 640); }

inline ImageSurface WindowSurface()
{
    return ImageSurface(WindowClientSize(), WindowBackground(), WindowFont());
}

// The table sizes the painter treats differently: texts and teal outlines
// (36), texts with own-colour outlines (121), the letter matrix (1296), the
// largest table (10000).
#define CELLARO_TABLE_SIZES Unit(benchmark::kMicrosecond)->Arg(36)->Arg(121)->Arg(1296)->Arg(10000)

} // namespace cellaro::bench
