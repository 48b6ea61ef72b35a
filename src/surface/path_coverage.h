#pragma once
// How much of each pixel a filled path covers, found the way an antialiased
// fill finds it (non-zero winding, curves flattened to lines, vertices on
// a 1/64-pixel grid, the exact area of each pixel inside the lines), but
// without a painter: the signed area each line adds to the pixels it
// crosses goes into an accumulation buffer, and a running sum along each
// row turns it into coverage. A text's glyphs cost a tenth of a painter's
// fill this way.

#include "surface/text_outlines.h"

#include <QImage>
#include <QPainterPath>
#include <QRect>

#include <span>

namespace cellaro {

// The coverage of `path` over the pixels of `area`, as an Alpha8 image of
// its size: 255 for a pixel wholly inside, 0 outside, the covered area
// times 256 (rounded down) between.
QImage PathCoverage(const QPainterPath& path, QRect area);

// The same for the glyphs of a text, each filled where it is placed (no
// path of the whole text is built), over the pixels they ink with one
// pixel to spare; `offset` is set to the area's top-left.
QImage GlyphCoverage(std::span<const PlacedGlyph> glyphs, QPoint& offset);

} // namespace cellaro
